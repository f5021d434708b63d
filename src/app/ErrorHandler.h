#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace app {

// The display text for a message in the server's wording: the Thai text of
// the first known fragment it contains (compared without regard to case),
// otherwise the message in upper case.
QString translateErrorMessage(const QString &message);

// Turns an engine's error text into the server's wording with the dialect of
// the open company (or else configuration) connection.
QString serverWording(const QString &engineText);

// The process-wide error handler: logs the raw message, translates it and
// shows it in the error dialog; the program keeps running. Installed when
// the shared data module is created; callable directly by code that catches
// and reports.
class ErrorHandler {
public:
    using DialogShower = std::function<void(const QString &displayText)>;

    static ErrorHandler &instance();

    void install() { m_installed = true; }
    bool isInstalled() const { return m_installed; }

    // Never throws. When writing the log fails, that failure is shown, with
    // the original message below it so that neither is lost.
    void handle(const QString &message);
    void handle(const std::exception &error);
    // The message an exception carries (a database error's own text).
    static QString messageOf(const std::exception &error);

    // The text the dialog shows: server wording, translation and a final
    // carriage return.
    static QString displayText(const QString &message);

    // Replaces how the dialog is shown (tests); null restores the real dialog.
    void setDialogShower(DialogShower shower) { m_shower = std::move(shower); }

private:
    void show(const QString &displayText);
    bool m_installed = false;
    DialogShower m_shower;
};

// The application object: an exception escaping any event handler ends in
// the error handler instead of ending the program.
class FrApplication : public QApplication {
    Q_OBJECT
public:
    FrApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace app
