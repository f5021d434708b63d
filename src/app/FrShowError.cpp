#include "FrShowError.h"

#include "Dm.h"
#include "DmConfig.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace app {

TFrShowError::TFrShowError(const QString &displayText, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_text(displayText), m_memo(new QPlainTextEdit(this)),
      m_sendButton(new QPushButton(QStringLiteral("Send Error"), this)),
      m_dontSend(new QPushButton(QStringLiteral("Don't Send"), this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("FrShowError"));
    setWindowTitle(QStringLiteral("Windows Error Message"));
    setFixedSize(344, 101);
    setAutoFillBackground(true);
    QPalette red = palette();
    red.setColor(QPalette::Window, Qt::red);
    red.setColor(QPalette::Base, Qt::red);
    red.setColor(QPalette::Text, Qt::white);
    setPalette(red);

    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setPalette(red);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_sendButton->setObjectName(QStringLiteral("BtSend"));
    m_dontSend->setObjectName(QStringLiteral("BtDontSend"));
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_sendButton);
    buttons->addWidget(m_dontSend);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_memo, 1);
    layout->addLayout(buttons);

    connect(m_timer, &QTimer::timeout, this, &TFrShowError::tick);
    connect(m_sendButton, &QPushButton::clicked, this, &TFrShowError::BtSendClick);
    connect(m_dontSend, &QPushButton::clicked, this, &TFrShowError::BtDontSendClick);
    m_send = [](const QString &subject, const QString &body) { TDMConfig::instance().SendErrorMail(subject, body); };
}

void TFrShowError::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    move(50, 100);
    m_memo->setPlainText(m_text);
    m_dontSend->setFocus();
    m_countdown = 10;
    m_stopped = false;
    m_timer->start();
}

void TFrShowError::tick()
{
    if (m_stopped)
        return;
    --m_countdown;
    if (m_countdown <= 1)
        BtDontSendClick();
}

void TFrShowError::BtDontSendClick()
{
    m_timer->stop();
    reject();
}

QString TFrShowError::mailSubject() const
{
    const TDMConfig &s = TDMConfig::instance();
    return QStringLiteral("Error ") + s.DatabaseName.trimmed() + QLatin1Char(' ') + s.MenuCaption.trimmed();
}

QString TFrShowError::mailBody() const
{
    const TDMConfig &s = TDMConfig::instance();
    return QStringLiteral("[User = ") + s.UserCode.trimmed() + QStringLiteral("] ") + QLatin1Char('\r') +
           QStringLiteral("Local IP = ") + LocalIpAddress() + QLatin1Char('\r') + m_text;
}

void TFrShowError::BtSendClick()
{
    m_stopped = true;
    m_timer->stop();
    if (m_send)
        m_send(mailSubject(), mailBody());
    accept();
}

} // namespace app
