#pragma once

#include <QString>
#include <stdexcept>

namespace kvr::report {

// A layout that cannot be read or run: not in our format, a mistake on one of its lines, an
// expression that fails, a picture that is missing. The message names the file (and the line);
// it travels to the program's error handler like any other error.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace kvr::report
