#include "util/Discount.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvr::util {

namespace {

QString DescribeError(const QString& text, const QString& term, DiscountTextError::Problem problem)
{
    QString reason;
    if (problem == DiscountTextError::Problem::TooLarge)
        reason = QStringLiteral("\"%1\" is too large").arg(term.trimmed());
    else if (term.trimmed().isEmpty())
        reason = QStringLiteral("a \"%\" has no number before it");
    else
        reason = QStringLiteral("\"%1\" is not a number").arg(term.trimmed());
    return QStringLiteral("Discount \"%1\" is not valid: %2").arg(text, reason);
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
    const auto read = std::from_chars(latin.constData(), latin.constData() + latin.size(), number);
    if (read.ec == std::errc::result_out_of_range) {
        // Read as 0 it would drop the discount without a word. Out of range below 1 is a number
        // smaller than any double: no discount at all.
        const qsizetype point = latin.indexOf('.');
        const QByteArray whole = point < 0 ? latin : latin.left(point);
        if (std::any_of(whole.cbegin(), whole.cend(), [](char c) { return c >= '1' && c <= '9'; }))
            throw DiscountTextError(text, term, DiscountTextError::Problem::TooLarge);
        return 0.0;
    }
    return number;
}

// A term that fits a double can still carry the net beyond it; that net is no amount either.
double RequireFinite(double net, double before, const QString& text, const QString& term)
{
    if (std::isfinite(before) && !std::isfinite(net))
        throw DiscountTextError(text, term, DiscountTextError::Problem::TooLarge);
    return net;
}

} // namespace

DiscountTextError::DiscountTextError(const QString& text, const QString& term, Problem problem)
    : std::runtime_error(DescribeError(text, term, problem).toStdString())
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
        amount = RequireFinite(amount * (100.0 - percent) / 100.0, amount, discountText, term);
        term.clear();
    }
    if (!term.isEmpty())
        amount = RequireFinite(amount - ReadTerm(term, discountText), amount, discountText, term);
    return amount;
}

} // namespace kvr::util
