#pragma once

#include <QString>
#include <stdexcept>

namespace data {

// A failing statement, procedure or connection. what() carries the engine's
// own message text; the application's error handler translates it for users.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message, const QString &statement = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
    {}
    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};

} // namespace data
