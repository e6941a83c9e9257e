#pragma once

#include <QStringList>
#include <QVariant>

namespace kvr::products {
class QuantityTexts;
}
namespace kvr::report {
class Report;
}

namespace kvr::printing {

// The functions the suite's layouts call, by upper-cased name: amounts in words
// (TELL_REAL_THAI, TELL_REAL_THAI2, TELL_REAL_ENG, TELL_REAL_ENG2 with amount and decimals) and
// quantity texts (ONHANDQUANTITY, ONHANDQUANTITYLSUNIT, FRACSMALLBYSTOCK with quantity, unit id
// and part), each giving what the utility or service it names gives.
class DocumentFunctions
{
public:
    explicit DocumentFunctions(products::QuantityTexts& quantities);

    static QStringList names();
    QVariant call(const QString& name, const QVariantList& arguments);
    void registerOn(report::Report& report);

private:
    products::QuantityTexts& m_quantities;
};

} // namespace kvr::printing
