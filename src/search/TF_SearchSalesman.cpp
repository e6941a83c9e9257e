#include "search/TF_SearchSalesman.h"

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

QStringList TF_SearchSalesman::statement()
{
    const QString fullName = dm().DMdata().dialect().concat(
        {QStringLiteral("Coalesce(Name, '')"), QStringLiteral("' '"), QStringLiteral("Coalesce(SurName, '')")});
    return {QStringLiteral("SELECT Id, Code, Name, SurName FROM Salesman"),
            QStringLiteral("WHERE (Status = 'Y') AND (Code LIKE :GetCode) AND ") +
                likeNoCase(fullName, QStringLiteral("GetName")),
            QStringLiteral("ORDER BY Code")};
}

void TF_SearchSalesman::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetName"), contains(criterionText(QStringLiteral("Name"))));
}

} // namespace kvr::search
