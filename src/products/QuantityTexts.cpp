#include "products/QuantityTexts.h"

#include "data/TDM.h"
#include "products/ProductSettings.h"
#include "products/QuantityFormat.h"

namespace kvr::products {

namespace {

// Report arguments arrive as the engine evaluated them: numbers, or text with group separators.
double numberArgument(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString().remove(QLatin1Char(',')).trimmed().toDouble();
    return value.toDouble();
}

int integerArgument(const QVariant& value)
{
    return int(numberArgument(value));
}

} // namespace

QuantityTexts::QuantityTexts(data::TDM& dm)
    : m_dm(dm)
    , m_qUnit(dm.DMdata(),
              QStringLiteral("SELECT U.UnitName AS LUnit, U.Fraction, M.UnitName AS SUnit, U.Product AS IdProd "
                             "FROM ProductUnits U Inner Join ProductUnits M On ((U.Product = M.Product) "
                             "And (M.SmallUnitFlag = 'Y')) Where (U.Id = :GetUnit) ORDER BY M.Id"))
    , m_qStockUnit(dm.DMdata(),
                   QStringLiteral("SELECT U.Id, U.UnitName, U.Fraction FROM ProductUnits U "
                                  "Where (U.StockUnitFlag = 'Y') And (U.Product = :GetProduct) ORDER BY U.Id"))
    , m_qFracUnits(dm.DMdata(),
                   QStringLiteral("SELECT U.Fraction, S.Fraction AS StockFraction, S.UnitName AS StockUnit "
                                  "FROM ProductUnits U Left Join ProductUnits S On (S.Product = U.Product) "
                                  "And (S.StockUnitFlag = 'Y') Where (U.Id = :GetUnit) ORDER BY S.Id"))
{ }

namespace {

UnitPair readUnitPair(data::Query& query, int unitId)
{
    query.setParam(QStringLiteral("GetUnit"), unitId);
    query.open();
    UnitPair unit;
    unit.found = !query.isEmpty();
    unit.fraction = query.field(QStringLiteral("Fraction")).asInteger();
    unit.largeUnit = query.field(QStringLiteral("LUnit")).asString();
    unit.smallUnit = query.field(QStringLiteral("SUnit")).asString();
    return unit;
}

} // namespace

QString QuantityTexts::OnhandQuantityText(int unitId, double quantity)
{
    const ProductSettings s = ProductSettings::read(m_dm);
    return onhandQuantityText(quantity, readUnitPair(m_qUnit, unitId),
                              UnitDecoration{s.unitLeft, s.unitRight, s.onhandDecimal});
}

QString QuantityTexts::OnhandQuantityPartText(int unitId, int part, double quantity)
{
    return onhandQuantityPartText(quantity, readUnitPair(m_qUnit, unitId), part);
}

QString QuantityTexts::FracSmallByStockText(int unitId, double quantity)
{
    m_qFracUnits.setParam(QStringLiteral("GetUnit"), unitId);
    m_qFracUnits.open();
    // An unknown unit has no product and so no stock unit.
    return fracSmallByStockText(quantity, m_qFracUnits.field(QStringLiteral("Fraction")).asInteger(),
                                m_qFracUnits.field(QStringLiteral("StockFraction")).asInteger(),
                                m_qFracUnits.field(QStringLiteral("StockUnit")).asString());
}

QString QuantityTexts::ProductQuantityText(int productId, double quantity)
{
    m_qStockUnit.setParam(QStringLiteral("GetProduct"), productId);
    m_qStockUnit.open();
    if (m_qStockUnit.isEmpty())
        return QStringLiteral("UnitError");
    return OnhandQuantityText(m_qStockUnit.field(QStringLiteral("Id")).asInteger(), quantity);
}

std::optional<QString> QuantityTexts::reportFunction(const QString& name, const QVariantList& arguments)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("ONHANDQUANTITY") && arguments.size() >= 2)
        return OnhandQuantityText(integerArgument(arguments[1]), numberArgument(arguments[0]));
    if (upper == QLatin1String("ONHANDQUANTITYLSUNIT") && arguments.size() >= 3)
        return OnhandQuantityPartText(integerArgument(arguments[1]), integerArgument(arguments[2]),
                                      numberArgument(arguments[0]));
    if (upper == QLatin1String("FRACSMALLBYSTOCK") && arguments.size() >= 2)
        return FracSmallByStockText(integerArgument(arguments[1]), numberArgument(arguments[0]));
    return std::nullopt;
}

} // namespace kvr::products
