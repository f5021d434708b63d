#pragma once

#include <QString>

namespace app {

// Where error reports go: read from the mail settings file of the working
// folder (see docs/server.md). No address is built into the program.
struct MailSettings {
    static constexpr const char *FileName = "Mail.ini";

    QString host;
    int port = 25;
    QString user; // SMTP login, only used together with a password
    QString password;
    QString sender;
    QString recipient;
    int timeoutSeconds = 20;

    // Missing file or keys give empty settings.
    static MailSettings load(const QString &path);
    bool isUsable() const { return !host.isEmpty() && !sender.isEmpty() && !recipient.isEmpty(); }
};

// The message as it goes over the wire: headers and a UTF-8 plain-text body.
QByteArray composeMail(const MailSettings &settings, const QString &subject, const QString &body);

// Sends one plain-text mail over SMTP; false on any failure.
bool sendMail(const MailSettings &settings, const QString &subject, const QString &body);

} // namespace app
