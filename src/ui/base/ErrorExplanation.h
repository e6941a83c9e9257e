#pragma once

#include "data/DbError.h"

#include <QString>
#include <exception>

namespace kvr::ui {

// The Thai explanation that the error dialog shows above an error: database failures by their
// kind (for a missing value, by the column), the platform's own messages by their wording.
class ErrorExplanation
{
public:
    // Empty when the system has no explanation for it (a missing value in another column, say).
    static QString explain(data::DbFailure kind, const QString& column = {});
    // Platform messages (a date that is not valid, the printer, memory), ignoring case; empty
    // when none matches.
    static QString explain(const QString& message);
    // Whatever was raised: a database error by its kind, running out of memory, else its message.
    static QString explain(std::exception_ptr error);

    // What the error dialog shows: the explanation, then the message in capitals, each on its
    // own line (an error without explanation therefore starts with an empty line).
    static QString dialogText(const QString& explanation, const QString& message);
};

} // namespace kvr::ui
