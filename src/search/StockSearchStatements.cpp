#include "search/StockSearchStatements.h"

#include "data/Query.h"
#include "data/dialect/Dialect.h"

namespace kvr::search::statements {

QStringList productSearch(const data::Dialect& dialect)
{
    return {
        QStringLiteral("SELECT P.Id, P.Code, P.ThaiName, P.EngName, P.ProductType, U.UnitName,"),
        QStringLiteral(
            "  (SELECT Sum(H.Quantity) FROM ProductOnHand H WHERE H.Product = P.Id) / NULLIF(U.Fraction, 0) AS OnHand"),
        QStringLiteral("FROM Product P LEFT JOIN ProductUnits U ON (U.Product = P.Id) AND (U.StockUnitFlag = 'Y')"),
        QStringLiteral("WHERE (Coalesce(P.Blocked, 'N') <> 'Y') AND (Coalesce(P.MasterCode, 'N') <> 'Y') AND (P.Code "
                       "LIKE :GetCode)"),
        QStringLiteral("  AND (") +
            dialect.likeNoCase(QStringLiteral("Coalesce(P.ThaiName, '')"), QStringLiteral(":GetName")) +
            QStringLiteral(" OR ") +
            dialect.likeNoCase(QStringLiteral("Coalesce(P.EngName, '')"), QStringLiteral(":GetName")) +
            QLatin1Char(')'),
        data::Query::slotLine(kProductKind),
        QStringLiteral("ORDER BY P.Code")};
}

QString productKind(ProductKind kind)
{
    switch (kind) {
    case ProductKind::Goods:
        return QStringLiteral("  AND (Coalesce(P.ProductType, '') <> 'S')");
    case ProductKind::Services:
        return QStringLiteral("  AND (P.ProductType = 'S')");
    case ProductKind::All:
        break;
    }
    return {};
}

QStringList productUnitSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT U.Id, U.BarCode, P.Code, P.ThaiName, U.UnitName, U.Fraction"),
            QStringLiteral("FROM ProductUnits U INNER JOIN Product P ON (P.Id = U.Product)"),
            QStringLiteral("WHERE (Coalesce(P.Blocked, 'N') <> 'Y') AND (Coalesce(P.MasterCode, 'N') <> 'Y') "
                           "AND (U.SaleFlag = 'Y') AND (U.BarCode <> '')"),
            QStringLiteral("  AND (P.Code LIKE :GetCode) AND ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(P.ThaiName, '')"), QStringLiteral(":GetName")),
            QStringLiteral("ORDER BY P.ThaiName, U.Fraction")};
}

QStringList barcodeSearch(const data::Dialect& dialect)
{
    // Stock is counted in smallest units: shown in the barcode's own unit.
    return {
        QStringLiteral("SELECT U.BarCode, P.Code, P.ThaiName, U.UnitName,"),
        QStringLiteral(
            "  (SELECT Sum(H.Quantity) FROM ProductOnHand H WHERE H.Product = P.Id) / NULLIF(U.Fraction, 0) AS OnHand"),
        QStringLiteral("FROM ProductUnits U INNER JOIN Product P ON (P.Id = U.Product)"),
        QStringLiteral(
            "WHERE (U.BarCode LIKE :GetBarCode) AND (U.BarCode <> '') AND (Coalesce(P.Blocked, 'N') <> 'Y')"),
        QStringLiteral("  AND ") +
            dialect.likeNoCase(QStringLiteral("Coalesce(P.ThaiName, '')"), QStringLiteral(":GetName")),
        QStringLiteral("ORDER BY U.BarCode")};
}

QStringList lotSearch(const data::Dialect& dialect)
{
    return {QStringLiteral("SELECT Id, Code, Description, ExpiredDate FROM LotNo"),
            QStringLiteral("WHERE (Code LIKE :GetCode) AND ") +
                dialect.likeNoCase(QStringLiteral("Coalesce(Description, '')"), QStringLiteral(":GetDescription")),
            data::Query::slotLine(kLotCondition), QStringLiteral("ORDER BY Code")};
}

QString lotsOfProduct()
{
    return QStringLiteral("AND Id In (Select LotNo From mrdt Where Product = :ProductId "
                          "Union Select LotNo From MFGFinishDt Where Product = :ProductId)");
}

QStringList unitSearch()
{
    return {QStringLiteral("SELECT Id, UnitName, Fraction, BarCode FROM ProductUnits"),
            QStringLiteral("WHERE (Product = :ProductId) AND (UnitName LIKE :GetUnit)"),
            data::Query::slotLine(kUnitRole), QStringLiteral("ORDER BY Fraction, UnitName")};
}

QString unitRole(UnitRole role)
{
    switch (role) {
    case UnitRole::Sale:
        return QStringLiteral("AND (SaleFlag = 'Y')");
    case UnitRole::Purchase:
        return QStringLiteral("AND (PurcFlag = 'Y')");
    case UnitRole::Any:
        break;
    }
    return {};
}

} // namespace kvr::search::statements
