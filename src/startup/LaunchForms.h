#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace framework {
class TFrForm;
}

namespace startup {

// One launch form code: the document window it creates and the kind of
// document written into it. create() also sets the window's own switches;
// DocKind is written after create() and before the window is shown, so a
// window reads it in FormShow, not in its constructor. A document window
// takes its entry by replacing the stand-in, e.g.
//   {"FRPRERCPT", "R", [] { return new TFrPreRCPT; }},
//   {"FRMISCPAID", "B", [] { auto *w = new TFrMiscPaidImEx; w->BillDateLimit = true; ...; return w; }},
struct LaunchEntry {
    QString formCode;
    QString docKind;
    std::function<framework::TFrForm *()> create;
};

// The dispatch table, tested in order; codes compare exactly (case-sensitive).
const std::vector<LaunchEntry> &launchTable();

// The window of the first entry whose code equals formCode, with its DocKind
// written; null when no code matches.
framework::TFrForm *createLaunchForm(const QString &formCode);

} // namespace startup
