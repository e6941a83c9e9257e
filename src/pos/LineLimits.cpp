#include "pos/LineLimits.h"

#include "util/IniFile.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace kvr::pos {

namespace {

double positiveOr(const QString& text, double fallback)
{
    const std::optional<double> value = typedNumber(text);
    return value && *value > 0 ? *value : fallback;
}

} // namespace

LineLimits LineLimits::fromIni(const QString& iniPath)
{
    const QHash<QString, QString> values = util::ReadIniSection(iniPath, QStringLiteral("Sale"));
    LineLimits limits;
    limits.maxQuantity = positiveOr(values.value(QStringLiteral("maxquantity")), limits.maxQuantity);
    limits.maxPrice = positiveOr(values.value(QStringLiteral("maxprice")), limits.maxPrice);
    return limits;
}

bool LineLimits::storable(double amount)
{
    return std::isfinite(amount) && std::abs(amount) < kAmountLimit;
}

std::optional<double> typedNumber(const QString& text)
{
    // Only plain figures: the locale's parser would also take "nan", "inf" and exponents.
    static const QRegularExpression figure(QStringLiteral("^[+-]?(\\d{1,3}(,\\d{3})+|\\d+)?(\\.\\d*)?$"));
    const QString trimmed = text.trimmed();
    const bool hasDigit = std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
    if (!hasDigit || !figure.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(trimmed).remove(QLatin1Char(',')), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kvr::pos
