#pragma once

#include <QString>
#include <stdexcept>

namespace kvr::data {

// What a failed statement ran into, as the backend reports it (its error code, never its
// wording in some language). The error dialog explains an error by its kind, and for a missing
// value by the column.
enum class DbFailure {
    Other,
    NotNull, // a required column was left empty; column() names it
    Duplicate, // a unique key already holds the value
    StillReferenced, // the row is deleted or changed while other rows refer to it
    MissingReference, // the row refers to one that does not exist
    ConnectionLost, // the server cannot be reached or dropped the connection
    TimedOut, // a lock held by another counter, or the statement itself, waited too long
    TextTooLong, // a text longer than its column holds; column() names it
    UnstorableText, // a text with a NUL character, which no backend stores alike
};

struct DbFailureClass
{
    DbFailure kind = DbFailure::Other;
    QString column;
};

// A database failure (connection, statement, procedure). It is not handled where it happens:
// it travels to the saver's rollback and on to the application's error handler.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& message, DbFailureClass failure = {})
        : std::runtime_error(message.toStdString())
        , m_message(message)
        , m_failure(std::move(failure))
    { }
    // The message as the server raised it, with the statement that failed.
    const QString& message() const { return m_message; }
    DbFailure kind() const { return m_failure.kind; }
    // The column of a missing value, as the backend names it; empty for other kinds.
    const QString& column() const { return m_failure.column; }

private:
    QString m_message;
    DbFailureClass m_failure;
};

} // namespace kvr::data
