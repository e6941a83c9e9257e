#include "search/TF_SearchWareHouse.h"

#include "search/SearchStatements.h"

namespace kvr::search {

TF_SearchWareHouse::TF_SearchWareHouse(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาคลังสินค้า") : QStringLiteral("Search Warehouse"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อคลัง"), QStringLiteral("Name"));
    addColumn(QStringLiteral("Code"), 12, thai() ? QStringLiteral("รหัส") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Name"), 40, thai() ? QStringLiteral("ชื่อคลัง") : QStringLiteral("Name"));
}

QStringList TF_SearchWareHouse::statement(const data::Dialect& dialect)
{
    return statements::warehouseSearch(dialect);
}

void TF_SearchWareHouse::prepareSearch()
{
    QSearch().setSlot(statements::kUserRestriction, m_userId > 0 ? statements::userWarehouses() : QString());
    QSearch().setParam(QStringLiteral("UserId"), m_userId);
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
