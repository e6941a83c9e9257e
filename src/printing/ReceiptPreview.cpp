#include "printing/ReceiptPreview.h"

#include "printing/ControlCodes.h"
#include "printing/ThreeLevelText.h"
#include "util/Tis620.h"

#include <optional>

namespace kvr::printing {

namespace {

using uchar = unsigned char;

constexpr uchar Esc = 0x1B;

struct PrinterState
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// One line of paper as the printer head met it: printed bytes with the state they were printed in.
struct RawCell
{
    uchar byte;
    PrinterState state;
};

struct PhysicalLine
{
    QByteArray bytes;
    std::vector<RawCell> cells;
    bool fed = false; // ended by a line feed; an unfinished line prints nothing
    bool cutAfter = false;
};

QString Tis(std::initializer_list<uchar> bytes)
{
    QByteArray b;
    for (const uchar c : bytes)
        b += char(c);
    return util::UnicodeFromTis(b);
}

// A byte holding an upper vowel and a tone mark together: which pair, by the first byte of each
// vowel's run. The runs overlap; a tone mark reading wins over a thanthakhat one, which the
// language hardly ever puts over an upper vowel.
std::optional<QString> MergedMark(uchar b, std::initializer_list<std::pair<uchar, uchar>> runs)
{
    for (const int tone : {0, 1, 2, 3, 4}) {
        for (const auto& [first, vowel] : runs) {
            if (int(b) - int(first) == tone)
                return Tis({vowel, uchar(0xE8 + tone)});
        }
    }
    return std::nullopt;
}

std::optional<QString> TisRaised(uchar b)
{
    if (!((b >= 0x92 && b <= 0x9F) || (b >= 0xDB && b <= 0xDF) || b >= 0xFB))
        return std::nullopt;
    return MergedMark(b, {{0x92, 0xD1}, {0x96, 0xD4}, {0x9B, 0xD5}, {0xDB, 0xD6}, {0xFB, 0xD7}});
}

uchar TisFromKu(uchar b)
{
    if (b == 0xA3)
        return 0xA4;
    if (b >= 0xA4 && b <= 0xC3)
        return b + 2;
    if (b >= 0xC4 && b <= 0xCB)
        return b + 3;
    if (b == 0xCC)
        return 0xD0;
    if (b == 0xCE || b == 0xCF)
        return b + 4;
    if (b >= 0xD0 && b <= 0xD6)
        return b + 0x10;
    if (b == 0xD7 || b == 0xD8)
        return b + 1;
    if (b >= 0xD9 && b <= 0xDC)
        return b - 5;
    if (b == 0xDD)
        return 0xD1;
    if (b == 0xDE)
        return 0xDA;
    if (b >= 0xDF && b <= 0xE4)
        return b + 8;
    if (b >= 0x90 && b <= 0x99)
        return b + 0x60;
    return b;
}

QString Glyph(uchar b, CharCode code, bool markLine)
{
    if (code == CharCode::Ku) {
        if (markLine && b >= 0xEA)
            if (auto merged = MergedMark(b, {{0xEA, 0xD1}, {0xEE, 0xD4}, {0xF3, 0xD5}, {0xF7, 0xD6}, {0xFB, 0xD7}}))
                return *merged;
        return Tis({TisFromKu(b)});
    }
    if (markLine)
        if (auto raised = TisRaised(b))
            return *raised;
    return Tis({b});
}

// Splits the stream into paper lines, obeying the commands.
std::vector<PhysicalLine> ReadLines(const QByteArray& stream)
{
    std::vector<PhysicalLine> lines(1);
    PrinterState state;
    for (qsizetype i = 0; i < stream.size(); ++i) {
        const uchar b = uchar(stream[i]);
        if (b == '\n') {
            lines.back().fed = true;
            lines.emplace_back();
            continue;
        }
        lines.back().bytes += char(b);
        if (b != Esc) {
            if (b >= 0x20)
                lines.back().cells.push_back({b, state});
            continue; // CR, SI, DC2, BS and the like move nothing on paper here
        }
        if (++i >= stream.size())
            break;
        const uchar command = uchar(stream[i]);
        lines.back().bytes += char(command);
        const auto parameter = [&]() -> uchar {
            if (i + 1 >= stream.size())
                return 0;
            lines.back().bytes += stream[++i];
            return uchar(stream[i]);
        };
        switch (command) {
        case '@':
            state = {};
            break;
        case 'E':
            state.bold = true;
            break;
        case 'F':
            state.bold = false;
            break;
        case '4':
            state.italic = true;
            break;
        case '5':
            state.italic = false;
            break;
        case '-':
            state.underline = (parameter() & 1) != 0;
            break;
        case 'i':
            lines.back().cutAfter = true;
            lines.emplace_back();
            break;
        case 'x':
        case '3':
        case 'q':
        case 'W':
            parameter();
            break;
        default:
            break;
        }
    }
    return lines;
}

// The three passes of one line: the spacing of the mark lines around the letters. Commands sent
// before the line (the reset when the printer is opened) may stand in front of the first one.
bool IsThreePass(const std::vector<PhysicalLine>& lines, std::size_t i)
{
    return i + 2 < lines.size() && lines[i].bytes.contains(UpperLineSpacing()) &&
        lines[i + 2].bytes.contains(LowerLineSpacing());
}

PreviewCell Cell(const RawCell& raw, const QString& text)
{
    return {text, raw.state.bold, raw.state.italic, raw.state.underline};
}

PreviewLine MergePasses(const PhysicalLine& upper, const PhysicalLine& base, const PhysicalLine& lower, CharCode code)
{
    PreviewLine line;
    for (std::size_t i = 0; i < base.cells.size(); ++i) {
        QString text = Glyph(base.cells[i].byte, code, false);
        if (i < lower.cells.size() && lower.cells[i].byte != ' ')
            text += Glyph(lower.cells[i].byte, code, true);
        if (i < upper.cells.size() && upper.cells[i].byte != ' ')
            text += Glyph(upper.cells[i].byte, code, true);
        line.cells.push_back(Cell(base.cells[i], text));
    }
    return line;
}

// A line printed in one pass: marks sit on the column of the letter before them.
PreviewLine SinglePass(const PhysicalLine& raw, CharCode code)
{
    PreviewLine line;
    for (const RawCell& c : raw.cells) {
        const QString glyph = Glyph(c.byte, code, false);
        if (LevelOf(c.byte, code) != MarkLevel::Letter && !line.cells.empty())
            line.cells.back().text += glyph;
        else
            line.cells.push_back(Cell(c, glyph));
    }
    return line;
}

} // namespace

QString PreviewLine::text() const
{
    if (cut)
        return QStringLiteral("✂") + QStringLiteral(" -").repeated(19);
    QString out;
    for (const PreviewCell& c : cells)
        out += c.text;
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

ReceiptPreview ReceiptPreview::decode(const QByteArray& stream, CharCode code)
{
    ReceiptPreview preview;
    const std::vector<PhysicalLine> lines = ReadLines(stream);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsThreePass(lines, i)) {
            preview.m_lines.push_back(MergePasses(lines[i], lines[i + 1], lines[i + 2], code));
            i += 2;
        } else if (lines[i].fed || !lines[i].cells.empty()) {
            preview.m_lines.push_back(SinglePass(lines[i], code));
        }
        if (lines[i].cutAfter) {
            PreviewLine cut;
            cut.cut = true;
            preview.m_lines.push_back(cut);
        }
    }
    return preview;
}

QString ReceiptPreview::text() const
{
    QString out;
    for (const PreviewLine& line : m_lines)
        out += line.text() + u'\n';
    return out;
}

} // namespace kvr::printing
