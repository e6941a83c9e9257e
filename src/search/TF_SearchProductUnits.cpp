#include "search/TF_SearchProductUnits.h"

#include "search/StockSearchStatements.h"

namespace kvr::search {

TF_SearchProductUnits::TF_SearchProductUnits(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาชื่อสินค้า") : QStringLiteral("Search Product Name"));
    setKeyColumn(QStringLiteral("BarCode"));
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("Name"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัสสินค้า"), QStringLiteral("Code"), true);
    addColumn(QStringLiteral("ThaiName"), 34, thai() ? QStringLiteral("ชื่อสินค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("UnitName"), 8, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("BarCode"), 15, thai() ? QStringLiteral("บาร์โค้ด") : QStringLiteral("Barcode"));
    addColumn(QStringLiteral("Code"), 13, thai() ? QStringLiteral("รหัสสินค้า") : QStringLiteral("Code"));
}

QStringList TF_SearchProductUnits::statement(const data::Dialect& dialect)
{
    return statements::productUnitSearch(dialect);
}

void TF_SearchProductUnits::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
