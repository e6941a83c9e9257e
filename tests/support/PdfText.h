#pragma once

#include <QString>

namespace kvr::test {

// The text of a PDF file as pdftotext reads it, laid out; pages end with a form feed.
QString pdfText(const QString& path);

// The letters of a PDF's text in order. A PDF reader guesses blanks from the gaps and takes the
// marks above and below a Thai letter in the order they stand on the page, not always the order
// they were typed in: compare these, not the text.
QString pdfLetters(QString text);

} // namespace kvr::test
