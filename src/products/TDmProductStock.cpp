#include "data/TDM.h"
#include "products/QuantityFormat.h"
#include "products/TDmProduct.h"
#include "util/Rounding.h"

using kvr::data::Query;

namespace kvr::products {

namespace {

// The product's stock unit and small unit beside every balance; ":pid" is the product at each place.
QString unitColumns(const data::Dialect& dialect)
{
    const QString one = QStringLiteral("(%1) AS %2");
    const auto pick = [&](const char* column, const char* flag, const char* alias) {
        return one.arg(
            dialect.limit(QStringLiteral("SELECT %1 FROM ProductUnits WHERE Product = :pid AND %2 = 'Y' ORDER BY Id")
                              .arg(QLatin1String(column), QLatin1String(flag)),
                          1),
            QLatin1String(alias));
    };
    return pick("Fraction", "StockUnitFlag", "stockunitfrac") + QStringLiteral(", ") +
        pick("UnitName", "StockUnitFlag", "stockunitname") + QStringLiteral(", ") +
        pick("Fraction", "SmallUnitFlag", "smallunitfrac") + QStringLiteral(", ") +
        pick("UnitName", "SmallUnitFlag", "smallunitname");
}

// Balances carry four decimals; the sum of many is read back at that scale.
double storedQuantity(const data::Field& field)
{
    return kvr::util::RoundHalfUp(field.asFloat(), 15, 4);
}

} // namespace

void TDmProduct::prepareStockStatements()
{
    const data::Dialect& dialect = m_db.dialect();
    const QString units = unitColumns(dialect);
    // Every row is rounded to two decimals before the sum, as the totals have always been.
    const QString roundedSum =
        QStringLiteral("coalesce(%1, 0) AS qnty, ")
            .arg(dialect.roundTo(QStringLiteral("sum(%1)").arg(dialect.roundTo(QStringLiteral("o.Quantity"), 2)), 2));
    const QString fromBalances = QStringLiteral(" FROM ProductOnHand o INNER JOIN Warehouse w On (w.Id = o.Warehouse) "
                                                "WHERE (o.Product = :pid) And (o.BalanceYear = :yid)");
    m_qProductQuantity.setSql(QStringLiteral("SELECT ") + roundedSum + units + fromBalances);
    m_qProductWHQuantity.setSql(QStringLiteral("SELECT ") + roundedSum + units + fromBalances +
                                QStringLiteral(" And (o.Warehouse = :wid)"));
    m_qProductUnitsWHQuantity.setSql(
        QStringLiteral("SELECT coalesce(sum(o.Quantity), 0) AS qnty, ") + units + fromBalances +
        QStringLiteral(" And (o.ProductUnits = :uid) And (o.Warehouse = :wid) And (w.Code <> 'RMA')"));
    m_qShowQuantity.setSql(QStringLiteral("SELECT ") + units + QStringLiteral(" FROM Product o WHERE (o.Id = :pid)"));
}

QString TDmProduct::stockText(Query& query, bool keepOnHand)
{
    query.open();
    if (query.isEmpty())
        return QStringLiteral("Error");
    const double quantity = storedQuantity(query.field(QStringLiteral("qnty")));
    if (keepOnHand)
        m_onHandQuantity = quantity;
    return stockQuantityText(quantity, query.field(QStringLiteral("stockunitfrac")).asInteger(),
                             query.field(QStringLiteral("stockunitname")).asString(),
                             query.field(QStringLiteral("smallunitname")).asString());
}

QString TDmProduct::ProductQuantity(int productId, int year)
{
    settings();
    m_qProductQuantity.setParam(QStringLiteral("pid"), productId);
    m_qProductQuantity.setParam(QStringLiteral("yid"), year);
    return stockText(m_qProductQuantity, false);
}

QString TDmProduct::ProductWHQuantity(int productId, int warehouseId, int year)
{
    settings();
    m_qProductWHQuantity.setParam(QStringLiteral("pid"), productId);
    m_qProductWHQuantity.setParam(QStringLiteral("yid"), year);
    m_qProductWHQuantity.setParam(QStringLiteral("wid"), warehouseId);
    return stockText(m_qProductWHQuantity, true);
}

QString TDmProduct::ProductUnitsWHQuantity(int productId, int unitId, int warehouseId, int year)
{
    settings();
    m_qProductUnitsWHQuantity.setParam(QStringLiteral("pid"), productId);
    m_qProductUnitsWHQuantity.setParam(QStringLiteral("uid"), unitId);
    m_qProductUnitsWHQuantity.setParam(QStringLiteral("yid"), year);
    m_qProductUnitsWHQuantity.setParam(QStringLiteral("wid"), warehouseId);
    return stockText(m_qProductUnitsWHQuantity, true);
}

QString TDmProduct::ShowQuantity(int productId, double quantity)
{
    settings();
    m_qShowQuantity.setParam(QStringLiteral("pid"), productId);
    m_qShowQuantity.open();
    if (m_qShowQuantity.isEmpty())
        return QStringLiteral("Error");
    return stockQuantityText(quantity, m_qShowQuantity.field(QStringLiteral("stockunitfrac")).asInteger(),
                             m_qShowQuantity.field(QStringLiteral("stockunitname")).asString(),
                             m_qShowQuantity.field(QStringLiteral("smallunitname")).asString());
}

} // namespace kvr::products
