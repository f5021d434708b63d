#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

namespace app {

// Every message box and confirmation of the program goes through this one
// seam, so a test can answer them and read what was shown.
class Prompter {
public:
    enum Kind { Information, Warning, Error };

    virtual ~Prompter() = default;

    // A message box with an OK button.
    virtual void message(const QString &text, Kind kind = Information) = 0;
    // A Yes/No box in the given colours; true only for Yes.
    virtual bool confirm(const QString &text, const QColor &background = Qt::blue,
                         const QColor &foreground = Qt::white) = 0;

    static Prompter &instance();
    // Replaces the prompter (tests); null restores the real one.
    static void setInstance(Prompter *prompter);
};

// The real one: Qt boxes in the requested colours.
class BoxPrompter : public Prompter {
public:
    void message(const QString &text, Kind kind = Information) override;
    bool confirm(const QString &text, const QColor &background, const QColor &foreground) override;
};

// Writes every box to standard error instead of showing it, one line each
// ("frtrade: message: <text>", "frtrade: confirm: <text>"), and answers
// confirmations with Yes, or No when FRTRADE_CONFIRM is "no". Chosen by
// start-up when FRTRADE_PROMPTS is "stderr", so a launch can be checked
// from outside the program.
class StderrPrompter : public Prompter {
public:
    void message(const QString &text, Kind kind = Information) override;
    bool confirm(const QString &text, const QColor &background, const QColor &foreground) override;
};

// For tests: answers confirmations from a queue (default Yes) and records
// every text shown, in order.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        bool isConfirmation;
        QColor background;
    };

    ScriptedPrompter() { Prompter::setInstance(this); }
    ~ScriptedPrompter() override { Prompter::setInstance(nullptr); }

    void message(const QString &text, Kind kind = Information) override;
    bool confirm(const QString &text, const QColor &background, const QColor &foreground) override;

    void answer(bool yes) { answers.append(yes); }
    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
    void clear()
    {
        shown.clear();
        answers.clear();
    }

    QList<Shown> shown;
    QList<bool> answers;
    bool defaultAnswer = true;
    // Called for every box shown, e.g. to act while "the box is open".
    std::function<void(const QString &)> onShow;
};

} // namespace app
