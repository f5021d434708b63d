#include "DmConfig.h"
#include "MailSender.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <future>

using namespace app;

namespace {

// A small SMTP server on loopback, in its own thread because the sender
// blocks the test's thread while it talks. Keeps every message it accepts.
class SmtpSink : public QThread {
public:
    struct Mail {
        QByteArray from, to, data;
    };

    quint16 start()
    {
        QThread::start();
        return m_port.get_future().get();
    }
    ~SmtpSink() override
    {
        quit();
        wait();
    }
    QList<Mail> mails()
    {
        QMutexLocker lock(&m_mutex);
        return m_mails;
    }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            QTcpSocket *s = server.nextPendingConnection();
            auto mail = std::make_shared<Mail>();
            auto inData = std::make_shared<bool>(false);
            s->write("220 localhost ESMTP test\r\n");
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, mail, inData] {
                while (s->canReadLine()) {
                    const QByteArray line = s->readLine();
                    if (*inData) {
                        if (line == ".\r\n") {
                            *inData = false;
                            QMutexLocker lock(&m_mutex);
                            m_mails.append(*mail);
                            s->write("250 queued\r\n");
                        } else {
                            mail->data += line;
                        }
                        continue;
                    }
                    const QByteArray cmd = line.trimmed().toUpper();
                    if (cmd.startsWith("EHLO") || cmd.startsWith("HELO"))
                        s->write("250 localhost\r\n");
                    else if (cmd.startsWith("MAIL FROM:"))
                        mail->from = line.trimmed().mid(10), s->write("250 ok\r\n");
                    else if (cmd.startsWith("RCPT TO:"))
                        mail->to = line.trimmed().mid(8), s->write("250 ok\r\n");
                    else if (cmd == "DATA")
                        *inData = true, s->write("354 go on\r\n");
                    else if (cmd == "QUIT")
                        s->write("221 bye\r\n"), s->disconnectFromHost();
                    else
                        s->write("250 ok\r\n");
                }
            });
        });
        m_port.set_value(server.serverPort());
        exec();
    }

private:
    std::promise<quint16> m_port;
    QMutex m_mutex;
    QList<Mail> m_mails;
};

// Header value and decoded body of a received message.
QString header(const QByteArray &data, const QByteArray &name)
{
    for (const QByteArray &line : data.split('\n')) {
        if (line.trimmed().isEmpty())
            break;
        if (line.startsWith(name + ":")) {
            QByteArray v = line.mid(name.size() + 1).trimmed();
            if (v.startsWith("=?UTF-8?B?") && v.endsWith("?="))
                return QString::fromUtf8(QByteArray::fromBase64(v.mid(10, v.size() - 12)));
            return QString::fromUtf8(v);
        }
    }
    return {};
}

QString body(const QByteArray &data)
{
    const qsizetype start = data.indexOf("\r\n\r\n");
    return QString::fromUtf8(QByteArray::fromBase64(data.mid(start + 4)));
}

} // namespace

// The error report reaches the recipient of the mail settings file; every
// failure on the way is silent.
class TestMail : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_previous;

    void writeSettings(const QString &text)
    {
        QFile f(m_dir.filePath(MailSettings::FileName));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }

private slots:
    void initTestCase()
    {
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previous); }
    void cleanup() { QFile::remove(m_dir.filePath(MailSettings::FileName)); }

    void reportReachesTheRecipient()
    {
        SmtpSink sink;
        const quint16 port = sink.start();
        writeSettings(QString("[smtp]\nhost=127.0.0.1\nport=%1\nsender=frtrade@example.test\n"
                              "recipient=support@example.test\n")
                          .arg(port));
        const QString subject = "Error DEMO รับเงินมัดจำ ต่างประเทศ";
        const QString text = "[User = ADMIN] \rLocal IP = 10.0.0.5\rข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\r";
        TDMConfig::instance().SendErrorMail(subject, text);

        QTRY_COMPARE(sink.mails().size(), 1);
        const SmtpSink::Mail mail = sink.mails().first();
        QCOMPARE(mail.from, QByteArray("<frtrade@example.test>"));
        QCOMPARE(mail.to, QByteArray("<support@example.test>"));
        QCOMPARE(header(mail.data, "Subject"), subject);
        QCOMPARE(header(mail.data, "To"), QString("<support@example.test>"));
        QCOMPARE(body(mail.data), QString("[User = ADMIN] \r\nLocal IP = 10.0.0.5\r\nข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว\r\n"));
    }

    void failuresAreSilent_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::newRow("no settings file") << QString();
        QTest::newRow("no host") << "[smtp]\nsender=a@b.test\nrecipient=c@d.test\n";
        QTest::newRow("no recipient") << "[smtp]\nhost=127.0.0.1\nsender=a@b.test\n";
        QTest::newRow("nobody listening") << "[smtp]\nhost=127.0.0.1\nport=1\nsender=a@b.test\nrecipient=c@d.test\n";
        QTest::newRow("unknown host") << "[smtp]\nhost=no-such-host.invalid\nsender=a@b.test\nrecipient=c@d.test\n";
    }
    void failuresAreSilent()
    {
        QFETCH(QString, settings);
        if (!settings.isEmpty())
            writeSettings(settings);
        const MailSettings loaded = MailSettings::load(m_dir.filePath(MailSettings::FileName));
        QVERIFY(!sendMail(loaded, "s", "b"));
        TDMConfig::instance().SendErrorMail("s", "b"); // neither throws nor shows anything
    }
};

QTEST_MAIN(TestMail)
#include "test_mail.moc"
