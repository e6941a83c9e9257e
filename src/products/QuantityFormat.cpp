#include "products/QuantityFormat.h"

#include "util/NumberFormat.h"

#include <cmath>
#include <numeric>

using kvr::util::FormatNumber;

namespace kvr::products {

namespace {

const QString kWhole = QStringLiteral("###,###,##0 ");
const QString kAnyDecimals = QStringLiteral("###,###,##0.###### ");
const QString kRemainder = QStringLiteral(" ######.###### ");
const QString kSigned = QStringLiteral("#,###.##;-#,###.##");

// The sign is kept apart and written as "- " in front of the finished text.
struct Unsigned
{
    QString prefix;
    double value = 0;
    explicit Unsigned(double quantity)
    {
        if (quantity < 0) {
            prefix = QStringLiteral("- ");
            quantity = -quantity;
        }
        value = quantity;
    }
};

// Whole large units, truncated toward zero; a fraction below 1 counts as 1.
double wholeUnits(double quantity, int fraction)
{
    return std::trunc(quantity / std::max(fraction, 1));
}

QString smallPartPicture(int onhandDecimal)
{
    if (onhandDecimal == 0)
        return QStringLiteral(" #,###,###.###### ");
    return QStringLiteral(" #,###,##0.") + QString(std::max(onhandDecimal, 0), QLatin1Char('0')) + QLatin1Char(' ');
}

} // namespace

QString onhandQuantityText(double quantity, const UnitPair& unit, const UnitDecoration& decoration)
{
    const Unsigned q(quantity);
    const QString picture = smallPartPicture(decoration.onhandDecimal);
    if (!unit.found)
        return (FormatNumber(picture, q.value) + QStringLiteral("ERROR")).trimmed();
    const auto decorated = [&](const QString& name) { return decoration.left + name + decoration.right; };
    QString text;
    if (unit.fraction == 1) {
        text = FormatNumber(picture, q.value) + decorated(unit.largeUnit);
    } else {
        const double whole = wholeUnits(q.value, unit.fraction);
        if (whole != 0)
            text = FormatNumber(kWhole, whole) + decorated(unit.largeUnit);
        const double rest = q.value - unit.fraction * whole;
        if (rest != 0)
            text += FormatNumber(picture, std::abs(rest)) + decorated(unit.smallUnit);
    }
    if (text.isEmpty())
        text = QStringLiteral("0 ") + decorated(unit.largeUnit);
    return (q.prefix + text).trimmed();
}

QString onhandQuantityPartText(double quantity, const UnitPair& unit, int part)
{
    const Unsigned q(quantity);
    if (!unit.found)
        return FormatNumber(kAnyDecimals, q.value) + QStringLiteral("ERROR");
    QString large;
    QString small;
    if (unit.fraction == 1) {
        small = FormatNumber(kAnyDecimals, q.value) + unit.largeUnit;
    } else {
        const double whole = wholeUnits(q.value, unit.fraction);
        if (whole != 0)
            large = FormatNumber(kWhole, whole) + unit.largeUnit;
        const double rest = q.value - unit.fraction * whole;
        if (rest != 0)
            small = FormatNumber(kRemainder, std::abs(rest)) + unit.smallUnit;
    }
    switch (part) {
    case 1:
        return q.prefix + large;
    case 2:
        return q.prefix + small;
    default:
        return FormatNumber(kAnyDecimals, q.value) + QStringLiteral("IDERROR");
    }
}

QString stockQuantityText(double quantity, int stockFraction, const QString& stockUnit, const QString& smallUnit)
{
    const Unsigned q(quantity);
    QString text;
    if (stockFraction == 1) {
        text = FormatNumber(kAnyDecimals, q.value) + stockUnit;
    } else {
        const double whole = wholeUnits(q.value, stockFraction);
        if (whole != 0)
            text = FormatNumber(kWhole, whole) + stockUnit;
        const double rest = q.value - stockFraction * whole;
        if (rest != 0)
            text += FormatNumber(kRemainder, std::abs(rest)) + smallUnit;
    }
    if (text.isEmpty())
        text = QStringLiteral("0 ") + stockUnit;
    return q.prefix + text;
}

QString fracSmallByStockText(double quantity, int unitFraction, int stockFraction, const QString& stockUnit)
{
    if (stockFraction == 0)
        return QStringLiteral("UnitError");
    qint64 count = qint64(std::trunc(unitFraction * quantity));
    const qint64 stock = stockFraction;
    QString whole;
    QString fraction;
    if (count == 0) {
        fraction = QStringLiteral("0");
    } else {
        const qint64 stockUnits = count / stock;
        if (stockUnits != 0) {
            whole = FormatNumber(kSigned, double(stockUnits));
            count -= stockUnits * stock;
        }
        if (count % stock != 0) {
            qint64 numerator = count;
            qint64 denominator = stock;
            // A negative remainder is written as it is, not reduced.
            if (count >= 2) {
                const qint64 divisor = std::gcd(count, stock);
                numerator /= divisor;
                denominator /= divisor;
            }
            fraction = FormatNumber(kSigned, double(numerator)) + QLatin1Char('/') +
                FormatNumber(kSigned, double(denominator));
        }
    }
    return whole.trimmed() + QLatin1Char(';') + (fraction + QStringLiteral("  ") + stockUnit).trimmed();
}

} // namespace kvr::products
