#include "printing/ControlCodes.h"

namespace kvr::printing {

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> bytes)
{
    QByteArray out;
    out.reserve(qsizetype(bytes.size()));
    for (const unsigned char b : bytes)
        out += char(b);
    return out;
}

} // namespace

bool IsControlCode(unsigned char byte)
{
    return byte >= 1 && byte <= 24;
}

QByteArray ControlSequence(unsigned char code)
{
    switch (code) {
    case 1:
    case 3:
    case 5:
    case 7:
        return Bytes({0x1B, 0x71, 0x00});
    case 2:
        return Bytes({0x1B, 0x71, 0x01});
    case 4:
        return Bytes({0x1B, 0x71, 0x02});
    case 6:
        return Bytes({0x1B, 0x71, 0x03});
    case 8:
        return Bytes({0x1B, 0x57, 0x01});
    case 9:
        return Bytes({0x1B, 0x57, 0x00});
    case 10:
        return Bytes({0x1B, 0x45});
    case 11:
        return Bytes({0x1B, 0x46});
    case 12:
        return Bytes({0x0F, 0x1B, 0x0F});
    case 13:
        return Bytes({0x12});
    case 14:
        return Bytes({0x1B, 0x47});
    case 15:
        return Bytes({0x1B, 0x48});
    case 16:
        return Bytes({0x1B, 0x2D, 0x01});
    case 17:
        return Bytes({0x1B, 0x2D, 0x00});
    case 18:
        return Bytes({0x1B, 0x34});
    case 19:
        return Bytes({0x1B, 0x35});
    case 20:
        return Bytes({0x12, 0x1B, 0x50});
    case 21:
        return Bytes({0x12, 0x1B, 0x4D});
    case 22:
        return Bytes({0x12, 0x1B, 0x67});
    case 23:
        return Bytes({0x12, 0x1B, 0x50, 0x0F});
    case 24:
        return Bytes({0x12, 0x1B, 0x4D, 0x0F});
    default:
        return {};
    }
}

QByteArray ResetSequence()
{
    return Bytes({0x1B, 0x40});
}

QByteArray LetterQualitySequence()
{
    return Bytes({0x1B, 0x78, 0x01});
}

QByteArray DraftSequence()
{
    return Bytes({0x1B, 0x78, 0x00});
}

QByteArray UpperLineSpacing()
{
    return Bytes({0x1B, 0x33, 0x0F, 0x08});
}

QByteArray LowerLineSpacing()
{
    return Bytes({0x1B, 0x33, 0x05, 0x08});
}

QByteArray PaperCutSequence()
{
    return Bytes({0x1B, 0x69});
}

} // namespace kvr::printing
