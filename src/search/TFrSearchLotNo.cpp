#include "search/TFrSearchLotNo.h"

#include "search/StockSearchStatements.h"

namespace kvr::search {

TFrSearchLotNo::TFrSearchLotNo(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหา Lot No.") : QStringLiteral("Search Lot No."));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส Lot"), QStringLiteral("Lot No."), true);
    addCriterion(QStringLiteral("Description"), QStringLiteral("คำอธิบาย"), QStringLiteral("Description"));
    addColumn(QStringLiteral("Code"), 15, thai() ? QStringLiteral("รหัส Lot") : QStringLiteral("Lot No."));
    addColumn(QStringLiteral("Description"), 30,
              thai() ? QStringLiteral("คำอธิบาย Lot") : QStringLiteral("Description"));
    addColumn(QStringLiteral("ExpiredDate"), 10, thai() ? QStringLiteral("วันหมดอายุ") : QStringLiteral("Expires"),
              QStringLiteral("dd/MM/yyyy"));
}

QStringList TFrSearchLotNo::statement(const data::Dialect& dialect)
{
    return statements::lotSearch(dialect);
}

void TFrSearchLotNo::prepareSearch()
{
    QSearch().setSlot(statements::kLotCondition, lotCondition());
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetDescription"), contains(criterionText(QStringLiteral("Description"))));
}

} // namespace kvr::search
