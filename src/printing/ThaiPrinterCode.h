#pragma once

#include <QByteArray>
#include <QString>

namespace kvr::printing {

// The Thai character code of a receipt printer (the machine's PrinterCode): "KU" selects the
// KU code, anything else leaves TIS-620.
enum class CharCode { Tis, Ku };

CharCode CharCodeFromPrinterCode(const QString& printerCode);

// TIS-620 text for a TIS-620 printer: a tone mark right after an upper vowel becomes the one
// raised glyph the printer has for that pair (ที่: the mai ek after sara ii becomes 0x9B); the
// vowel stays.
QByteArray RaiseToneMarks(const QByteArray& tis);

// TIS-620 text in the KU code: letters and marks move to their KU bytes, and a tone mark after an
// upper vowel merges with it into one byte. A tone mark with nothing before it stays as it is.
QByteArray KuFromTis(const QByteArray& tis);

QByteArray ConvertForPrinter(const QByteArray& tis, CharCode code);

} // namespace kvr::printing
