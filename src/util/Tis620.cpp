#include "util/Tis620.h"

#include <algorithm>
#include <iterator>

namespace kvr::util {

namespace {

constexpr char16_t ThaiFirst = 0x0E01; // byte 0xA1
constexpr unsigned char ThaiFirstByte = 0xA1;

struct Extra
{
    unsigned char byte;
    char16_t unicode;
};

// Code page 874's additions to TIS-620 below the Thai block.
constexpr Extra Extras[] = {
    {0x80, 0x20AC}, {0x85, 0x2026}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C},
    {0x94, 0x201D}, {0x95, 0x2022}, {0x96, 0x2013}, {0x97, 0x2014},
};

char16_t Decode(unsigned char byte)
{
    if (byte < 0x80 || byte == 0xA0)
        return byte;
    if (byte >= ThaiFirstByte)
        return static_cast<char16_t>(ThaiFirst + (byte - ThaiFirstByte));
    for (const Extra& extra : Extras) {
        if (extra.byte == byte)
            return extra.unicode;
    }
    return byte; // the unassigned C1 bytes keep their own code points
}

bool IsExtraByte(char16_t c)
{
    return std::any_of(std::begin(Extras), std::end(Extras), [c](const Extra& e) { return e.byte == c; });
}

char Encode(char16_t c)
{
    if (c < 0x80 || c == 0xA0)
        return static_cast<char>(c);
    if (c >= ThaiFirst && c < ThaiFirst + (0x100 - ThaiFirstByte))
        return static_cast<char>(ThaiFirstByte + (c - ThaiFirst));
    if (c >= 0x80 && c <= 0x9F && !IsExtraByte(c))
        return static_cast<char>(c);
    for (const Extra& extra : Extras) {
        if (extra.unicode == c)
            return static_cast<char>(extra.byte);
    }
    return '?';
}

} // namespace

QByteArray TisFromUnicode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane takes two units but prints as one '?'.
        if (i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
            bytes += '?';
            ++i;
            continue;
        }
        bytes += Encode(text[i].unicode());
    }
    return bytes;
}

QString UnicodeFromTis(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(Decode(static_cast<unsigned char>(bytes[i])));
    return text;
}

} // namespace kvr::util
