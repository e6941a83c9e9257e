#include "search/TF_SearchWareHouse.h"

namespace kvr::search {

namespace {
constexpr int kUserLine = 2;
}

TF_SearchWareHouse::TF_SearchWareHouse(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาคลังสินค้า") : QStringLiteral("Search Warehouse"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อคลัง"), QStringLiteral("Name"));
    addColumn(QStringLiteral("Code"), 12, thai() ? QStringLiteral("รหัส") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Name"), 40, thai() ? QStringLiteral("ชื่อคลัง") : QStringLiteral("Name"));
}

QStringList TF_SearchWareHouse::statement()
{
    return {QStringLiteral("SELECT Id, Code, Name FROM Warehouse"),
            QStringLiteral("WHERE (Code LIKE :GetCode) AND ") +
                likeNoCase(QStringLiteral("Coalesce(Name, '')"), QStringLiteral("GetName")),
            QString(), // the user restriction
            QStringLiteral("ORDER BY Code")};
}

void TF_SearchWareHouse::prepareSearch()
{
    QSearch().setLine(kUserLine,
                      m_userId > 0 ? QStringLiteral("AND Id In (Select Warehouse From UserWarehouse "
                                                    "Where UserName = :UserId)")
                                   : QString());
    QSearch().setParam(QStringLiteral("UserId"), m_userId);
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
