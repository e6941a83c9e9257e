#include "products/ProductSettings.h"

#include "data/SessionContext.h"
#include "data/TDM.h"

namespace kvr::products {

ProductSettings ProductSettings::read(data::TDM& dm)
{
    dm.DMdata().open();
    const data::Query& config = dm.QConfig();
    const auto text = [&](const char* name) { return config.field(QString::fromLatin1(name)).asString(); };
    const auto flag = [&](const char* name) { return data::isFlagSet(text(name)); };
    ProductSettings s;
    if (!config.isOpen())
        return s;
    s.checkUserWarehouse = flag("CheckUserWarehouseFlag");
    s.searchProductNo = config.field(QStringLiteral("SearchProductNo")).asInteger();
    s.displayFraction = flag("DisplayFraction");
    s.posUseBarCode = flag("PosUseBarCode");
    s.onhandDecimal = config.field(QStringLiteral("OnhandDecimal")).asInteger();
    s.unitLeft = text("UnitLeft");
    s.unitRight = text("UnitRight");
    return s;
}

} // namespace kvr::products
