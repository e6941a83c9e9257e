#include "search/TFrSearchProductServiceMulSelect.h"

#include "search/StockSearchStatements.h"

#include "data/TDM.h"

namespace kvr::search {

TFrSearchProductServiceMulSelect::TFrSearchProductServiceMulSelect(data::TDM& dm, ui::Prompter& prompter,
                                                                   QObject* parent)
    : TFrSearch(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาสินค้า/บริการ") : QStringLiteral("Search Product/Service"));
    setTableName(QStringLiteral("Product"));
    setMultiSelect(true);
    if (SearchCriterion* code = criterion(QStringLiteral("Code")))
        code->caption = thai() ? QStringLiteral("รหัสสินค้า") : QStringLiteral("Code");
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อสินค้า"), QStringLiteral("Name"));
    addColumn(QStringLiteral("Code"), 13, thai() ? QStringLiteral("รหัสสินค้า") : QStringLiteral("Code"));
    addColumn(QStringLiteral("ThaiName"), 34, thai() ? QStringLiteral("ชื่อสินค้า") : QStringLiteral("Name"));
    addColumn(QStringLiteral("UnitName"), 8, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("OnHand"), 9, thai() ? QStringLiteral("คงเหลือ") : QStringLiteral("On hand"),
              QStringLiteral("#,##0.##"));
    addColumn(QStringLiteral("EngName"), 25, thai() ? QStringLiteral("ชื่อภาษาอังกฤษ") : QStringLiteral("English name"));
}

void TFrSearchProductServiceMulSelect::setPosType(const QString& posType)
{
    m_kind = posType.trimmed().toUpper() == QLatin1String("S") ? ProductKind::Services : ProductKind::Goods;
}

QStringList TFrSearchProductServiceMulSelect::statement(const data::Dialect& dialect)
{
    return statements::productSearch(dialect);
}

void TFrSearchProductServiceMulSelect::prepareSearch()
{
    QSearch().setSlot(statements::kProductKind, statements::productKind(m_kind));
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
