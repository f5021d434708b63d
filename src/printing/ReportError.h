#pragma once

#include <QString>
#include <stdexcept>

namespace printing {

// A report that cannot be loaded, laid out or printed. The text names the
// template file and the place (element, band, object, dataset) at fault.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace printing
