#include "search/TFrSearchBarCode.h"

#include "search/StockSearchStatements.h"

namespace kvr::search {

TFrSearchBarCode::TFrSearchBarCode(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหา Barcode สินค้า") : QStringLiteral("Search Product Barcode"));
    setKeyColumn(QStringLiteral("BarCode"));
    addCriterion(QStringLiteral("BarCode"), QStringLiteral("บาร์โค้ด"), QStringLiteral("Barcode"), true);
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("Product name"));
    addColumn(QStringLiteral("BarCode"), 15, thai() ? QStringLiteral("บาร์โค้ด") : QStringLiteral("Barcode"));
    addColumn(QStringLiteral("Code"), 12, thai() ? QStringLiteral("รหัสสินค้า") : QStringLiteral("Code"));
    addColumn(QStringLiteral("ThaiName"), 30, thai() ? QStringLiteral("ชื่อสินค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("UnitName"), 8, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("OnHand"), 10, thai() ? QStringLiteral("คงเหลือ") : QStringLiteral("On hand"),
              QStringLiteral("#,##0.##"));
}

QStringList TFrSearchBarCode::statement(const data::Dialect& dialect)
{
    return statements::barcodeSearch(dialect);
}

void TFrSearchBarCode::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetBarCode"), contains(criterionText(QStringLiteral("BarCode"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
