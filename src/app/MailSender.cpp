#include "MailSender.h"

#include <QDateTime>
#include <QLocale>
#include <QSettings>
#include <QUuid>
#include <cstring>
#include <curl/curl.h>

namespace app {

namespace {

// A header value: plain when it is ASCII, otherwise an RFC 2047 encoded word,
// so Thai captions arrive intact.
QByteArray headerText(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() > 126 || c.unicode() < 32)
            ascii = false;
    if (ascii)
        return text.toLatin1();
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

// CRLF line ends and base64 lines of 76 characters.
QByteArray base64Lines(const QByteArray &data)
{
    const QByteArray b64 = data.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < b64.size(); i += 76)
        out += b64.mid(i, 76) + "\r\n";
    return out;
}

struct Upload {
    QByteArray data;
    qsizetype offset = 0;
};

size_t readPayload(char *buffer, size_t size, size_t count, void *userData)
{
    auto *u = static_cast<Upload *>(userData);
    const size_t room = size * count;
    const size_t left = size_t(u->data.size() - u->offset);
    const size_t n = std::min(room, left);
    std::memcpy(buffer, u->data.constData() + u->offset, n);
    u->offset += qsizetype(n);
    return n;
}

} // namespace

MailSettings MailSettings::load(const QString &path)
{
    QSettings ini(path, QSettings::IniFormat);
    MailSettings s;
    ini.beginGroup(QStringLiteral("smtp"));
    s.host = ini.value(QStringLiteral("host")).toString().trimmed();
    s.port = ini.value(QStringLiteral("port"), 25).toInt();
    s.user = ini.value(QStringLiteral("user")).toString();
    s.password = ini.value(QStringLiteral("password")).toString();
    s.sender = ini.value(QStringLiteral("sender")).toString().trimmed();
    s.recipient = ini.value(QStringLiteral("recipient")).toString().trimmed();
    s.timeoutSeconds = ini.value(QStringLiteral("timeout"), 20).toInt();
    return s;
}

QByteArray composeMail(const MailSettings &settings, const QString &subject, const QString &body)
{
    QString text = body;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));

    QByteArray m;
    m += "Date: " + QLocale::c().toString(QDateTime::currentDateTime(), "ddd, dd MMM yyyy HH:mm:ss t").toLatin1() +
         "\r\n";
    m += "From: <" + settings.sender.toLatin1() + ">\r\n";
    m += "To: <" + settings.recipient.toLatin1() + ">\r\n";
    m += "Subject: " + headerText(subject) + "\r\n";
    m += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@frtrade>\r\n";
    m += "MIME-Version: 1.0\r\n";
    m += "Content-Type: text/plain; charset=UTF-8\r\n";
    m += "Content-Transfer-Encoding: base64\r\n";
    m += "\r\n";
    m += base64Lines(text.toUtf8());
    return m;
}

bool sendMail(const MailSettings &settings, const QString &subject, const QString &body)
{
    if (!settings.isUsable())
        return false;
    CURL *curl = curl_easy_init();
    if (!curl)
        return false;

    Upload upload{composeMail(settings, subject, body)};
    const QByteArray url = "smtp://" + settings.host.toUtf8() + ":" + QByteArray::number(settings.port);
    const QByteArray from = "<" + settings.sender.toUtf8() + ">";
    const QByteArray to = "<" + settings.recipient.toUtf8() + ">";
    const QByteArray user = settings.user.toUtf8();
    const QByteArray password = settings.password.toUtf8();
    curl_slist *recipients = curl_slist_append(nullptr, to.constData());

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readPayload);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(settings.timeoutSeconds));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(settings.timeoutSeconds));
    if (!password.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }

    const CURLcode result = curl_easy_perform(curl);
    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
    return result == CURLE_OK;
}

} // namespace app
