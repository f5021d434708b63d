#pragma once

#include <QDialog>
#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace app {

// The red error dialog: shows the display text, closes itself after nine
// seconds unless "Send Error" was pressed, and can mail the report.
class TFrShowError : public QDialog {
    Q_OBJECT
public:
    using MailSender = std::function<void(const QString &subject, const QString &body)>;

    explicit TFrShowError(const QString &displayText, QWidget *parent = nullptr);

    // Replaces how the report is mailed (tests); by default the session's SendErrorMail.
    void setMailSender(MailSender sender) { m_send = std::move(sender); }

    int countdown() const { return m_countdown; }
    bool stopped() const { return m_stopped; }
    QString mailSubject() const;
    QString mailBody() const;

public slots:
    // One timer tick: counts down and closes as "Don't Send" when it reaches 1.
    void tick();
    void BtSendClick();
    void BtDontSendClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_text;
    QPlainTextEdit *m_memo;
    QPushButton *m_sendButton;
    QPushButton *m_dontSend;
    QTimer *m_timer;
    MailSender m_send;
    int m_countdown = 10;
    bool m_stopped = false;
};

} // namespace app
