#pragma once

#include <QString>

namespace kvr::ui {

// The Thai explanation that the error dialog shows above common database and platform messages.
class ErrorExplanation
{
public:
    // The explanation of the first known pattern the message contains, ignoring case; empty when
    // none matches.
    static QString explain(const QString& message);

    // What the error dialog shows: the explanation, then the message in capitals, each on its
    // own line (an unknown message therefore starts with an empty line).
    static QString dialogText(const QString& message);
};

} // namespace kvr::ui
