#pragma once

#include <QString>

#include <stdexcept>

namespace kvr::printing {

// The receipt printer could not be opened or stopped taking bytes. The bill is saved by then:
// the caller shows this through the error dialog and goes on with the next bill.
class PrinterError : public std::runtime_error
{
public:
    enum class Kind { OpenFailed, WriteFailed };

    PrinterError(Kind kind, const QString& message)
        : std::runtime_error(message.toStdString())
        , m_kind(kind)
        , m_message(message)
    { }
    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace kvr::printing
