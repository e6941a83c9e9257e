#pragma once

#include <QByteArray>

namespace kvr::printing {

// Receipt texts carry printer commands as the bytes 1 to 24; on the way out each becomes its
// ESC/P sequence. Only these four appear in the receipt layouts.
inline constexpr char BoldOn = 10;
inline constexpr char BoldOff = 11;
inline constexpr char ItalicOn = 18;
inline constexpr char ItalicOff = 19;

// Commands 16 and 17 (underline on and off) go to the letter line only: an underline under the
// marks above and below would strike through them.
inline constexpr char UnderlineOn = 16;
inline constexpr char UnderlineOff = 17;

bool IsControlCode(unsigned char byte);

// The ESC/P sequence of a command byte; empty for any other byte.
QByteArray ControlSequence(unsigned char code);

// Fixed sequences sent around the receipt.
QByteArray ResetSequence(); // ESC @
QByteArray LetterQualitySequence(); // ESC x 1
QByteArray DraftSequence(); // ESC x 0
QByteArray UpperLineSpacing(); // before the line of marks above the letters
QByteArray LowerLineSpacing(); // after the line of marks below the letters
QByteArray PaperCutSequence(); // ESC i

} // namespace kvr::printing
