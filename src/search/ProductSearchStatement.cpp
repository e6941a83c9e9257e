#include "search/ProductSearchStatement.h"

#include "data/dialect/Dialect.h"

namespace kvr::search {

QStringList productSearchStatement(const data::Dialect& dialect)
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
        QString(), // the kind of product
        QStringLiteral("ORDER BY P.Code")};
}

QString productKindLine(ProductKind kind)
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

} // namespace kvr::search
