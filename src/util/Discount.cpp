#include "util/Discount.h"

#include <charconv>

namespace kvr::util {

namespace {

QString DescribeError(const QString& text, const QString& term)
{
    const QString problem = term.trimmed().isEmpty() ? QStringLiteral("a \"%\" has no number before it")
                                                     : QStringLiteral("\"%1\" is not a number").arg(term.trimmed());
    return QStringLiteral("Discount \"%1\" is not valid: %2").arg(text, problem);
}

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Accepts [+-]digits[.digits] with at least one digit; no exponent, grouping or Thai digits.
bool IsPlainDecimal(QStringView term)
{
    qsizetype i = 0;
    if (i < term.size() && (term[i] == u'+' || term[i] == u'-'))
        ++i;
    bool digitSeen = false;
    bool pointSeen = false;
    for (; i < term.size(); ++i) {
        if (IsAsciiDigit(term[i]))
            digitSeen = true;
        else if (term[i] == u'.' && !pointSeen)
            pointSeen = true;
        else
            return false;
    }
    return digitSeen;
}

double ReadTerm(const QString& term, const QString& text)
{
    const QString trimmed = term.trimmed();
    if (!IsPlainDecimal(trimmed))
        throw DiscountTextError(text, term);
    QByteArray latin = trimmed.toLatin1();
    if (latin.startsWith('+'))
        latin.remove(0, 1);
    double number = 0.0;
    std::from_chars(latin.constData(), latin.constData() + latin.size(), number);
    return number;
}

} // namespace

DiscountTextError::DiscountTextError(const QString& text, const QString& term)
    : std::runtime_error(DescribeError(text, term).toStdString())
    , m_text(text)
    , m_term(term)
{ }

double NetAfterDiscount(const QString& discountText, double amount)
{
    QString text = discountText;
    text.replace(u'/', u'%');
    text = text.trimmed();
    if (text == u"%")
        return amount;

    QString term;
    for (const QChar c : text) {
        if (c != u'%') {
            term += c;
            continue;
        }
        const double percent = ReadTerm(term, discountText);
        // Multiplying first keeps whole amounts and whole percentages exact.
        amount = amount * (100.0 - percent) / 100.0;
        term.clear();
    }
    if (!term.isEmpty())
        amount -= ReadTerm(term, discountText);
    return amount;
}

} // namespace kvr::util
