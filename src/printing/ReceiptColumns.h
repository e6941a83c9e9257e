#pragma once

#include <QString>

#include <vector>

namespace kvr::printing {

// Column arithmetic of receipt lines. Widths here are printed columns: Thai marks take none
// (util/ThaiText.h) and neither do the command bytes 1-24, which the printer obeys rather than
// prints.

// Data text with every control character made a space, so that a name or code read from the
// database can never switch the printer's modes.
QString Printable(const QString& data);

int PrintedWidth(const QString& text);

// PadRightThai for a text that may open and close with commands (italic on ... italic off): the
// commands stay where they are, only the text between them is cut, the spaces follow.
QString PadPrinted(const QString& text, int width);

// CenterThai in the same way: the spaces go outside the commands.
QString CenterPrinted(const QString& text, int width);

// One part of a receipt line. A figure is never cut; a loose part (a name, a label) gives up its
// trailing spaces and then its end when the figures need more room than their column.
struct LinePiece
{
    QString text;
    bool loose = false;
};

// Joins the pieces into at most `maxWidth` printed columns, taking the excess from the loose
// pieces: trailing spaces first (rightmost piece first), then letters (leftmost piece first).
// Only figures wider than the whole line make it longer.
QString FitColumns(const std::vector<LinePiece>& pieces, int maxWidth);

// Spaces appended up to `width` printed columns; a longer text is left whole.
QString PadTo(const QString& text, int width);

} // namespace kvr::printing
