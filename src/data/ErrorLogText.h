#pragma once

#include <QString>

namespace kvr::data {

// The text of an error as the error log keeps it: a card number in it (a run of 13 to 19 digits,
// maybe grouped by blanks or dashes, with a valid check digit) keeps only its last four digits,
// and a NUL character is written as "\0", which every backend stores.
QString errorLogText(const QString& message);

} // namespace kvr::data
