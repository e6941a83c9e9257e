#include "printing/ThaiPrinterCode.h"

namespace kvr::printing {

namespace {

using uchar = unsigned char;

uchar KuByte(uchar b)
{
    if (b == 0xA4)
        return 0xA3;
    if (b >= 0xA6 && b <= 0xC5)
        return b - 2;
    if (b >= 0xC7 && b <= 0xCE)
        return b - 3;
    if (b == 0xCF)
        return 0xD6;
    if (b == 0xD0)
        return 0xCC;
    if (b == 0xD1)
        return 0xDD;
    if (b == 0xD2 || b == 0xD3)
        return b - 4;
    if (b >= 0xD4 && b <= 0xD7)
        return b + 5;
    if (b == 0xD8 || b == 0xD9)
        return b - 1;
    if (b == 0xDA)
        return 0xDE;
    if (b >= 0xE0 && b <= 0xE6)
        return b - 0x10;
    if (b >= 0xE7 && b <= 0xEC)
        return b - 8;
    if (b >= 0xF0 && b <= 0xF9)
        return b - 0x60;
    return b;
}

// First merged KU byte of an upper vowel (in KU) with the tone marks 0xE0-0xE4; 0 for none.
uchar KuMergeBase(uchar vowel)
{
    switch (vowel) {
    case 0xD9:
        return 0xEE;
    case 0xDA:
        return 0xF3;
    case 0xDB:
        return 0xF7;
    case 0xDC:
        return 0xFB;
    case 0xDD:
        return 0xEA;
    default:
        return 0;
    }
}

// First raised glyph of an upper vowel (in TIS-620) with the tone marks 0xE8-0xEC; 0 for none.
uchar RaisedBase(uchar vowel)
{
    switch (vowel) {
    case 0xD1:
        return 0x92;
    case 0xD4:
        return 0x96;
    case 0xD5:
        return 0x9B;
    case 0xD6:
        return 0xDB;
    case 0xD7:
        return 0xFB;
    default:
        return 0;
    }
}

} // namespace

CharCode CharCodeFromPrinterCode(const QString& printerCode)
{
    return printerCode.trimmed().compare(QLatin1String("KU"), Qt::CaseInsensitive) == 0 ? CharCode::Ku : CharCode::Tis;
}

QByteArray RaiseToneMarks(const QByteArray& tis)
{
    QByteArray out = tis;
    for (qsizetype i = 1; i < out.size(); ++i) {
        const uchar b = uchar(tis[i]);
        const uchar base = RaisedBase(uchar(tis[i - 1]));
        if (b >= 0xE8 && b <= 0xEC && base != 0)
            out[i] = char(base + (b - 0xE8));
    }
    return out;
}

QByteArray KuFromTis(const QByteArray& tis)
{
    QByteArray out;
    out.reserve(tis.size());
    for (const char c : tis) {
        const uchar b = KuByte(uchar(c));
        if (b >= 0xE0 && b <= 0xE4 && !out.isEmpty()) {
            if (const uchar base = KuMergeBase(uchar(out.back())); base != 0) {
                out.back() = char(base + (b - 0xE0));
                continue;
            }
        }
        out += char(b);
    }
    return out;
}

QByteArray ConvertForPrinter(const QByteArray& tis, CharCode code)
{
    return code == CharCode::Ku ? KuFromTis(tis) : RaiseToneMarks(tis);
}

} // namespace kvr::printing
