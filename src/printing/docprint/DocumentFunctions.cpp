#include "printing/docprint/DocumentFunctions.h"

#include "printing/report/Report.h"
#include "printing/report/ReportError.h"
#include "products/QuantityTexts.h"
#include "util/NumberWords.h"

namespace kvr::printing {

DocumentFunctions::DocumentFunctions(products::QuantityTexts& quantities)
    : m_quantities(quantities)
{ }

QStringList DocumentFunctions::names()
{
    return {QStringLiteral("TELL_REAL_THAI"),  QStringLiteral("TELL_REAL_THAI2"),
            QStringLiteral("TELL_REAL_ENG"),   QStringLiteral("TELL_REAL_ENG2"),
            QStringLiteral("ONHANDQUANTITY"),  QStringLiteral("ONHANDQUANTITYLSUNIT"),
            QStringLiteral("FRACSMALLBYSTOCK")};
}

QVariant DocumentFunctions::call(const QString& name, const QVariantList& arguments)
{
    const QString upper = name.toUpper();
    if (upper.startsWith(QLatin1String("TELL_REAL_"))) {
        if (arguments.size() < 2)
            throw report::ReportError(QStringLiteral("%1 needs an amount and a number of decimals").arg(upper));
        const double amount = arguments.at(0).toDouble();
        const int digits = arguments.at(1).toInt();
        if (upper == u"TELL_REAL_THAI")
            return util::ThaiBahtText(digits, amount);
        if (upper == u"TELL_REAL_THAI2")
            return util::ThaiDecimalText(digits, amount);
        if (upper == u"TELL_REAL_ENG")
            return util::EnglishBahtText(digits, amount);
        if (upper == u"TELL_REAL_ENG2")
            return util::EnglishDecimalText(digits, amount);
    }
    if (const auto text = m_quantities.reportFunction(upper, arguments))
        return *text;
    throw report::ReportError(
        QStringLiteral("%1 was called with too few arguments (%2)").arg(upper).arg(arguments.size()));
}

void DocumentFunctions::registerOn(report::Report& report)
{
    report.addFunctions(names(),
                        [this](const QString& name, const QVariantList& arguments) { return call(name, arguments); });
}

} // namespace kvr::printing
