#pragma once

#include "data/Query.h"

#include <QVariantList>
#include <optional>

namespace kvr::data {
class TDM;
}

namespace kvr::products {

// Quantities counted in a product's smallest unit as text of large and small units, for the sale
// screen's messages and as functions of the document print layouts.
class QuantityTexts
{
public:
    explicit QuantityTexts(data::TDM& dm);
    QuantityTexts(const QuantityTexts&) = delete;
    QuantityTexts& operator=(const QuantityTexts&) = delete;

    // "2 Box 6 Pce" for the unit and the product's small unit, with Config.UnitLeft/UnitRight.
    QString OnhandQuantityText(int unitId, double quantity);
    // `part` 1 gives the large-unit text, 2 the small-unit text.
    QString OnhandQuantityPartText(int unitId, int part, double quantity);
    // quantity counted in the unit unitId, as whole stock units and a fraction: "2;1/2  Dozen".
    QString FracSmallByStockText(int unitId, double quantity);
    // OnhandQuantityText in the product's stock unit; "UnitError" without one.
    QString ProductQuantityText(int productId, double quantity);

    // The layouts' functions ONHANDQUANTITY(quantity, unit id), ONHANDQUANTITYLSUNIT(quantity,
    // unit id, part) and FRACSMALLBYSTOCK(quantity, unit id), by name in any case; nothing for a
    // name that is not one of them or too few arguments.
    std::optional<QString> reportFunction(const QString& name, const QVariantList& arguments);

private:
    data::TDM& m_dm;
    data::Query m_qUnit;
    data::Query m_qStockUnit;
    data::Query m_qFracUnits;
};

} // namespace kvr::products
