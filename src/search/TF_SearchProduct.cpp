#include "search/TF_SearchProduct.h"

#include "search/StockSearchStatements.h"

#include "data/TDM.h"

namespace kvr::search {

TF_SearchProduct::TF_SearchProduct(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหา สินค้า") : QStringLiteral("Search Product"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัสสินค้า"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("Name"));
    addColumn(QStringLiteral("Code"), 13, thai() ? QStringLiteral("รหัสสินค้า") : QStringLiteral("Code"));
    addColumn(QStringLiteral("ThaiName"), 34, thai() ? QStringLiteral("ชื่อสินค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("UnitName"), 8, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("OnHand"), 9, thai() ? QStringLiteral("คงเหลือ") : QStringLiteral("On hand"),
              QStringLiteral("#,##0.##"));
    addColumn(QStringLiteral("EngName"), 25, thai() ? QStringLiteral("ชื่อภาษาอังกฤษ") : QStringLiteral("English name"));
}

QStringList TF_SearchProduct::statement(const data::Dialect& dialect)
{
    return statements::productSearch(dialect);
}

void TF_SearchProduct::prepareSearch()
{
    QSearch().setSlot(statements::kProductKind, statements::productKind(m_kind));
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
