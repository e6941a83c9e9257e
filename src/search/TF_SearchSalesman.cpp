#include "search/TF_SearchSalesman.h"

#include "search/SearchStatements.h"

#include "data/TDM.h"

namespace kvr::search {

TF_SearchSalesman::TF_SearchSalesman(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    setCaption(thai() ? QStringLiteral("ค้นหาพนักงานขาย") : QStringLiteral("Search Salesman"));
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Name"), QStringLiteral("ชื่อ"), QStringLiteral("Name"));
    addColumn(QStringLiteral("Code"), 10, thai() ? QStringLiteral("รหัส") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Name"), 25, thai() ? QStringLiteral("ชื่อ") : QStringLiteral("Name"));
    addColumn(QStringLiteral("SurName"), 25, thai() ? QStringLiteral("นามสกุล") : QStringLiteral("Surname"));
}

QStringList TF_SearchSalesman::statement(const data::Dialect& dialect)
{
    return statements::salesmanSearch(dialect);
}

void TF_SearchSalesman::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
