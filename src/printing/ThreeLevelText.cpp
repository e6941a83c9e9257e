#include "printing/ThreeLevelText.h"

#include "printing/ControlCodes.h"

namespace kvr::printing {

namespace {

MarkLevel TisLevel(unsigned char b)
{
    if ((b >= 0x92 && b <= 0x9E) || b == 0xD1 || (b >= 0xD4 && b <= 0xD7) || (b >= 0xDB && b <= 0xDE) ||
        (b >= 0xE7 && b <= 0xED) || (b >= 0xFB && b <= 0xFE))
        return MarkLevel::Upper;
    if (b == 0xD8 || b == 0xD9)
        return MarkLevel::Lower;
    return MarkLevel::Letter;
}

MarkLevel KuLevel(unsigned char b)
{
    if (b >= 0x19 && b <= 0xD6)
        return MarkLevel::Letter;
    if (b == 0xD7 || b == 0xD8)
        return MarkLevel::Lower;
    if (b == 0 || b >= 0xD9)
        return MarkLevel::Upper;
    return MarkLevel::Letter; // the command bytes never get here
}

} // namespace

MarkLevel LevelOf(unsigned char byte, CharCode code)
{
    return code == CharCode::Ku ? KuLevel(byte) : TisLevel(byte);
}

ThreeLevelText SplitThreeLevels(const QByteArray& converted, CharCode code)
{
    ThreeLevelText out;
    // Where the last letter's column sits in the mark lines. A mark replaces that byte, never
    // the end of a command sequence that may have been appended after it.
    qsizetype upperColumn = -1;
    qsizetype lowerColumn = -1;
    for (const char c : converted) {
        const auto b = static_cast<unsigned char>(c);
        if (IsControlCode(b)) {
            const QByteArray sequence = ControlSequence(b);
            out.base += sequence;
            if (b != UnderlineOn && b != UnderlineOff) {
                out.upper += sequence;
                out.lower += sequence;
            }
            continue;
        }
        switch (LevelOf(b, code)) {
        case MarkLevel::Letter:
            upperColumn = out.upper.size();
            lowerColumn = out.lower.size();
            out.upper += ' ';
            out.lower += ' ';
            out.base += c;
            break;
        case MarkLevel::Upper:
            if (upperColumn >= 0)
                out.upper[upperColumn] = c;
            break;
        case MarkLevel::Lower:
            if (lowerColumn >= 0)
                out.lower[lowerColumn] = c;
            break;
        }
    }
    return out;
}

} // namespace kvr::printing
