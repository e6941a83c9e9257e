#include "search/TFrSearchMisc.h"

#include "search/SearchStatements.h"

namespace kvr::search {

TFrSearchMisc::TFrSearchMisc(data::TDM& dm, ui::Prompter& prompter, QObject* parent)
    : TFrSearch(dm, prompter, parent)
{
    setTableName(QStringLiteral("Misc"));
    addCriterion(QStringLiteral("Description"), QStringLiteral("คำอธิบาย"), QStringLiteral("Description"));
    addColumn(QStringLiteral("Code"), 12, thai() ? QStringLiteral("รหัส") : QStringLiteral("Code"));
    addColumn(QStringLiteral("Description"), 50, thai() ? QStringLiteral("คำอธิบาย") : QStringLiteral("Description"));
}

QStringList TFrSearchMisc::statement(const data::Dialect& dialect)
{
    return statements::miscSearch(dialect);
}

void TFrSearchMisc::prepareSearch()
{
    QSearch().setParam(QStringLiteral("GroupCode"), m_group);
    QSearch().setParam(QStringLiteral("GetCode"), startsWith(criterionText(QStringLiteral("Code"))));
    QSearch().setParam(QStringLiteral("GetDescription"), contains(criterionText(QStringLiteral("Description"))));
}

} // namespace kvr::search
