#pragma once

#include <QString>
#include <stdexcept>

namespace kvr::data {

// A database failure (connection, statement, procedure). It is not handled where it happens:
// it travels to the saver's rollback and on to the application's error handler.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace kvr::data
