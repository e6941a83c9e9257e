#include "printing/report/ValueText.h"

#include "util/NumberFormat.h"

#include <QDateTime>
#include <cmath>

namespace kvr::report {

namespace {

QString dateText(const QDateTime& value, const QString& picture)
{
    if (!value.isValid())
        return {};
    return value.toString(picture.isEmpty() ? QStringLiteral("dd/MM/yyyy") : picture);
}

QString numberText(double value, const QString& picture)
{
    if (!std::isfinite(value))
        return {};
    return util::FormatNumber(picture, value);
}

} // namespace

QString valueText(const QJSValue& value, const QString& picture)
{
    if (value.isNull() || value.isUndefined())
        return {};
    if (value.isNumber())
        return numberText(value.toNumber(), picture);
    if (value.isDate())
        return dateText(value.toDateTime(), picture);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("Y") : QStringLiteral("N");
    return value.toString();
}

QString thaiDateText(const QDate& date)
{
    static const char* const months[] = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",  "เมษายน", "พฤษภาคม",  "มิถุนายน",
                                         "กรกฎาคม", "สิงหาคม",  "กันยายน", "ตุลาคม",  "พฤศจิกายน", "ธันวาคม"};
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QString::fromUtf8(months[date.month() - 1]))
        .arg(date.year() + 543);
}

QStringList formattingFunctionNames()
{
    return {QStringLiteral("FORMATFLOAT"), QStringLiteral("FORMATDATETIME"), QStringLiteral("DATETOSTR"),
            QStringLiteral("THAIDATE")};
}

QVariant callFormattingFunction(const QString& name, const QVariantList& arguments)
{
    const auto arg = [&](int i) { return i < arguments.size() ? arguments.at(i) : QVariant(); };
    const auto date = [](const QVariant& v) {
        return v.typeId() == QMetaType::QDateTime ? v.toDateTime() : QDateTime(v.toDate(), QTime(0, 0));
    };
    if (name == u"FORMATFLOAT")
        return arg(1).isNull() ? QString() : numberText(arg(1).toDouble(), arg(0).toString());
    if (name == u"FORMATDATETIME")
        return dateText(date(arg(1)), arg(0).toString());
    if (name == u"DATETOSTR")
        return dateText(date(arg(0)), QString());
    if (name == u"THAIDATE")
        return thaiDateText(date(arg(0)).date());
    return {};
}

} // namespace kvr::report
