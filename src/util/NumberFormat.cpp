#include "util/NumberFormat.h"

#include "util/DecimalText.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace kvr::util {

namespace {

// Display figures carry 15 significant digits, as amounts rounded with RoundHalfUp(v, 15, 2).
constexpr int DisplayPrecision = 15;

bool IsQuote(QChar c)
{
    return c == u'\'' || c == u'"';
}

QStringList SplitSections(const QString& picture)
{
    QStringList sections(1);
    QChar quote;
    for (const QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

// One section read once: where the point is, how many digits each side may or must show.
struct Picture
{
    int integerPlaces = 0;
    int minimumIntegerDigits = 0;
    int decimalPlaces = 0;
    int minimumDecimals = 0;
    bool grouping = false;
    bool hasPoint = false;

    explicit Picture(const QString& section)
    {
        int firstIntegerZero = -1;
        QChar quote;
        for (const QChar c : section) {
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (IsQuote(c)) {
                quote = c;
            } else if (c == u'0' || c == u'#') {
                if (hasPoint) {
                    ++decimalPlaces;
                    if (c == u'0')
                        minimumDecimals = decimalPlaces;
                } else {
                    if (c == u'0' && firstIntegerZero < 0)
                        firstIntegerZero = integerPlaces;
                    ++integerPlaces;
                }
            } else if (c == u'.') {
                hasPoint = true;
            } else if (c == u',' && !hasPoint) {
                grouping = true;
            }
        }
        if (firstIntegerZero >= 0)
            minimumIntegerDigits = integerPlaces - firstIntegerZero;
    }

    bool hasDigits() const { return integerPlaces + decimalPlaces > 0; }
};

QString Grouped(const QString& digits)
{
    QString text;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += u',';
        text += digits[i];
    }
    return text;
}

QString Render(const QString& section, const Picture& picture, const FixedDecimal& number)
{
    QString integerText = QString::fromLatin1(number.integerDigits);
    if (integerText == u"0")
        integerText.clear();
    if (integerText.size() < picture.minimumIntegerDigits)
        integerText.prepend(QString(picture.minimumIntegerDigits - integerText.size(), u'0'));
    QString decimals = QString::fromLatin1(number.fractionDigits);
    while (decimals.size() > picture.minimumDecimals && decimals.endsWith(u'0'))
        decimals.chop(1);
    if (integerText.isEmpty() && decimals.isEmpty() && picture.hasDigits())
        integerText = QStringLiteral("0");
    if (picture.grouping)
        integerText = Grouped(integerText);

    QString out;
    bool integerWritten = false;
    bool pointSeen = false;
    int decimalIndex = 0;
    QChar quote;
    const auto writeInteger = [&] {
        if (!integerWritten)
            out += integerText;
        integerWritten = true;
    };
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
        } else if (IsQuote(c)) {
            quote = c;
        } else if ((c == u'0' || c == u'#') && pointSeen) {
            if (decimalIndex < decimals.size())
                out += decimals[decimalIndex];
            ++decimalIndex;
        } else if (c == u'0' || c == u'#') {
            writeInteger();
        } else if (c == u'.' && !pointSeen) {
            writeInteger();
            pointSeen = true;
            if (!decimals.isEmpty())
                out += u'.';
        } else if (c == u',' && !pointSeen) {
            // Grouping is decided by the whole integer part, not by where the comma stands.
        } else {
            out += c;
        }
    }
    return out;
}

QString NonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString FormatNumber(const QString& picture, double value)
{
    if (!std::isfinite(value))
        return NonFinite(value);
    if (picture.isEmpty())
        return QString::number(value, 'g', QLocale::FloatingPointShortest);

    const QStringList sections = SplitSections(picture);
    const Picture positive(sections[0]);
    const FixedDecimal rounded = ToFixedDecimal(value, DisplayPrecision, positive.decimalPlaces);

    if (rounded.isZero() && sections.size() >= 3 && !sections[2].isEmpty()) {
        const Picture zero(sections[2]);
        return Render(sections[2], zero, ToFixedDecimal(0.0, DisplayPrecision, zero.decimalPlaces));
    }
    if (rounded.negative && sections.size() >= 2 && !sections[1].isEmpty()) {
        const Picture negative(sections[1]);
        const FixedDecimal magnitude = ToFixedDecimal(-value, DisplayPrecision, negative.decimalPlaces);
        return Render(sections[1], negative, magnitude);
    }
    const QString text = Render(sections[0], positive, rounded);
    return rounded.negative ? u'-' + text : text;
}

QString FormatRight(const QString& picture, double value)
{
    if (picture.isEmpty())
        return QStringLiteral(" ");
    const QString text = FormatNumber(picture, value).trimmed();
    if (text.size() >= picture.size())
        return text;
    return QString(picture.size() - text.size(), u' ') + text;
}

} // namespace kvr::util
