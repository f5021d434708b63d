#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace framework {
class TFrForm;
}

namespace startup {

// One launch form code: the document window it creates and the kind of
// document written into it. create() also sets the window's own switches.
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
