#pragma once

#include <QString>

namespace kvr::util {

// Fixed-width layout for character printers. Widths count printed columns: Thai above and below
// vowels and tone marks (the code page 874 bytes 0xD1, 0xD4-0xDB, 0xE7-0xED) print over the letter
// before them and take no column, so "ที่" is one column wide. Every other character, control
// codes included, takes one.

bool IsZeroWidthThai(char32_t codePoint);

int ThaiTextWidth(const QString& text);

// Exactly `width` columns: spaces are appended, or letters are cut from the end together with the
// marks they carry.
QString PadRightThai(const QString& text, int width);

// Exactly `width` columns with the text in the middle (the odd space goes to the left); a text
// that is too wide is cut as by PadRightThai.
QString CenterThai(const QString& text, int width);

// Trims the spaces around the text (spaces only: a tab stays), then prepends `fill` up to `width`
// characters or keeps only the first `width`. Document numbers are right-aligned this way before
// they are looked up.
QString PadLeft(const QString& text, int width, QChar fill = u' ');

// Removes the spaces at the start; tabs and other blanks stay.
QString TrimLeadingSpaces(const QString& text);

} // namespace kvr::util
