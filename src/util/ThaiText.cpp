#include "util/ThaiText.h"

#include <algorithm>

namespace kvr::util {

namespace {

bool IsSurrogatePairAt(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text[i].isHighSurrogate() && text[i + 1].isLowSurrogate();
}

// Drops characters from the end until `columns` printed columns are gone. A letter goes together
// with the marks after it, but the marks of the letter before stay.
QString CutColumns(const QString& text, int columns)
{
    qsizetype end = text.size();
    int removed = 0;
    while (removed < columns && end > 0) {
        if (end >= 2 && IsSurrogatePairAt(text, end - 2)) {
            end -= 2;
            ++removed;
            continue;
        }
        --end;
        if (!IsZeroWidthThai(text[end].unicode()))
            ++removed;
    }
    return text.left(end);
}

QString TrimTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}

} // namespace

bool IsZeroWidthThai(char32_t codePoint)
{
    return codePoint == 0x0E31 || (codePoint >= 0x0E34 && codePoint <= 0x0E3B) ||
        (codePoint >= 0x0E47 && codePoint <= 0x0E4D);
}

int ThaiTextWidth(const QString& text)
{
    int width = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsSurrogatePairAt(text, i)) {
            ++i;
            ++width;
        } else if (!IsZeroWidthThai(text[i].unicode())) {
            ++width;
        }
    }
    return width;
}

QString PadRightThai(const QString& text, int width)
{
    width = std::max(width, 0);
    const int actual = ThaiTextWidth(text);
    if (actual > width)
        return CutColumns(text, actual - width);
    return text + QString(width - actual, u' ');
}

QString CenterThai(const QString& text, int width)
{
    width = std::max(width, 0);
    const int actual = ThaiTextWidth(text);
    if (actual > width)
        return CutColumns(text, actual - width);
    const int left = (width - actual + 1) / 2;
    return QString(left, u' ') + text + QString(width - actual - left, u' ');
}

QString PadLeft(const QString& text, int width, QChar fill)
{
    width = std::max(width, 0);
    const QString trimmed = TrimTrailingSpaces(TrimLeadingSpaces(text));
    if (trimmed.size() > width)
        return trimmed.left(width);
    return QString(width - trimmed.size(), fill) + trimmed;
}

QString TrimLeadingSpaces(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == u' ')
        ++start;
    return text.mid(start);
}

} // namespace kvr::util
