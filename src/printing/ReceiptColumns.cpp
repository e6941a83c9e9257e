#include "printing/ReceiptColumns.h"

#include "printing/ControlCodes.h"
#include "util/ThaiText.h"

#include <algorithm>

namespace kvr::printing {

namespace {

bool IsCommand(QChar c)
{
    return c.unicode() < 0x100 && IsControlCode(static_cast<unsigned char>(c.unicode()));
}

struct Framed
{
    QString prefix;
    QString body;
    QString suffix;
};

// The commands before and after the text proper.
Framed Frame(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && IsCommand(text[start]))
        ++start;
    qsizetype end = text.size();
    while (end > start && IsCommand(text[end - 1]))
        --end;
    return {text.left(start), text.mid(start, end - start), text.mid(end)};
}

qsizetype LeadingSpaces(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] == u' ')
        ++n;
    return n;
}

QString WithoutTrailingSpaces(const QString& text, int& excess)
{
    qsizetype end = text.size();
    while (excess > 0 && end > 0 && text[end - 1] == u' ') {
        --end;
        --excess;
    }
    return text.left(end);
}

} // namespace

QString Printable(const QString& data)
{
    QString out = data;
    for (QChar& c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return out;
}

int PrintedWidth(const QString& text)
{
    const auto commands = std::count_if(text.begin(), text.end(), IsCommand);
    return util::ThaiTextWidth(text) - int(commands);
}

QString PadPrinted(const QString& text, int width)
{
    width = std::max(width, 0);
    const Framed f = Frame(text);
    const int bodyWidth = PrintedWidth(f.body);
    if (bodyWidth > width)
        return f.prefix + util::PadRightThai(f.body, width) + f.suffix;
    return f.prefix + f.body + f.suffix + QString(width - bodyWidth, u' ');
}

QString CenterPrinted(const QString& text, int width)
{
    width = std::max(width, 0);
    const Framed f = Frame(text);
    if (PrintedWidth(f.body) > width)
        return f.prefix + util::PadRightThai(f.body, width) + f.suffix;
    const QString centered = util::CenterThai(f.body, width);
    const qsizetype left = LeadingSpaces(centered) - LeadingSpaces(f.body);
    return centered.left(left) + f.prefix + f.body + f.suffix + centered.mid(left + f.body.size());
}

QString FitColumns(const std::vector<LinePiece>& pieces, int maxWidth)
{
    std::vector<QString> texts;
    int total = 0;
    for (const LinePiece& p : pieces) {
        texts.push_back(p.text);
        total += PrintedWidth(p.text);
    }
    int excess = total - maxWidth;
    for (std::size_t i = pieces.size(); excess > 0 && i-- > 0;) {
        if (pieces[i].loose)
            texts[i] = WithoutTrailingSpaces(texts[i], excess);
    }
    for (std::size_t i = 0; excess > 0 && i < pieces.size(); ++i) {
        if (!pieces[i].loose)
            continue;
        const int width = PrintedWidth(texts[i]);
        const int keep = std::max(width - excess, 0);
        texts[i] = util::PadRightThai(texts[i], keep);
        excess -= width - keep;
    }
    QString line;
    for (const QString& t : texts)
        line += t;
    return line;
}

QString PadTo(const QString& text, int width)
{
    const int actual = PrintedWidth(text);
    return actual >= width ? text : text + QString(width - actual, u' ');
}

} // namespace kvr::printing
