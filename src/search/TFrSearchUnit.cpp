#include "search/TFrSearchUnit.h"

#include "search/StockSearchStatements.h"

namespace kvr::search {

TFrSearchUnit::TFrSearchUnit(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาหน่วยนับ") : QStringLiteral("Search Unit"));
    setKeyColumn(QStringLiteral("UnitName"));
    addCriterion(QStringLiteral("UnitName"), QStringLiteral("หน่วยนับ"), QStringLiteral("Unit"), true);
    addColumn(QStringLiteral("UnitName"), 12, thai() ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit"));
    addColumn(QStringLiteral("Fraction"), 8, thai() ? QStringLiteral("อัตราส่วน") : QStringLiteral("Fraction"),
              QStringLiteral("#,##0.##"));
    addColumn(QStringLiteral("BarCode"), 15, thai() ? QStringLiteral("บาร์โค้ด") : QStringLiteral("Barcode"));
}

QStringList TFrSearchUnit::statement(const data::Dialect& dialect)
{
    Q_UNUSED(dialect);
    return statements::unitSearch();
}

void TFrSearchUnit::prepareSearch()
{
    const statements::UnitRole role = m_role == Role::Sale ? statements::UnitRole::Sale
        : m_role == Role::Purchase                         ? statements::UnitRole::Purchase
                                                           : statements::UnitRole::Any;
    QSearch().setSlot(statements::kUnitRole, statements::unitRole(role));
    QSearch().setParam(QStringLiteral("ProductId"), m_productId);
    QSearch().setParam(QStringLiteral("GetUnit"), startsWith(criterionText(QStringLiteral("UnitName"))));
}

} // namespace kvr::search
