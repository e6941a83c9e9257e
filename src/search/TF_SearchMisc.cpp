#include "search/TF_SearchMisc.h"

#include "search/SearchStatements.h"

namespace kvr::search {

TF_SearchMisc::TF_SearchMisc(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : SearchScreen(dm, prompter, parent)
{
    addCriterion(QStringLiteral("Code"), QStringLiteral("รหัส"), QStringLiteral("Code"), true);
    addCriterion(QStringLiteral("Description"), QStringLiteral("คำอธิบาย"), QStringLiteral("Description"));
    addColumn(QStringLiteral("Code"), 12, thai() ? QStringLiteral("รหัส") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Description"), 40, thai() ? QStringLiteral("คำอธิบาย") : QStringLiteral("Description"));
}

QStringList TF_SearchMisc::statement(const data::Dialect& dialect)
{
    return statements::miscSearch(dialect);
}

void TF_SearchMisc::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GroupCode"), m_group);
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetDescription"), contains(criterionText(QStringLiteral("Description"))));
}

} // namespace kvr::search
