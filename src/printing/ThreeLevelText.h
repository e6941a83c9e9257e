#pragma once

#include "printing/ThaiPrinterCode.h"

#include <QByteArray>

namespace kvr::printing {

// One receipt line as the printer prints it in three passes: the marks above the letters, the
// letters, the marks below. The three texts have a byte in the same place for every column, so
// each mark lands over or under its letter; command sequences go into all three (underline only
// into the letters) so that column counts stay equal.
struct ThreeLevelText
{
    QByteArray upper;
    QByteArray base;
    QByteArray lower;
};

enum class MarkLevel { Letter, Upper, Lower };

// Which pass prints a byte of text already in the printer's code.
MarkLevel LevelOf(unsigned char byte, CharCode code);

// Splits text already converted with ConvertForPrinter. A mark goes into the column of the
// letter before it, also across a command; a mark with no letter before it is dropped.
ThreeLevelText SplitThreeLevels(const QByteArray& converted, CharCode code);

} // namespace kvr::printing
