#include "search/TFaGetSalesman.h"

#include "data/TDM.h"
#include "search/FrameStatements.h"
#include "ui/base/Prompter.h"

namespace kvr::search {

TFaGetSalesman::TFaGetSalesman(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner, statements::salesmen(), parent)
    , m_qSalesman(dm.DMdata())
    , m_search(dm, prompter)
{
    setCaption(thai() ? QStringLiteral("รหัสพนักงานขาย") : QStringLiteral("Salesman"));
    setRequired(true);
    m_qSalesman.setSqlLines(statements::salesmanByCode());
    lookup().setFilter(statements::activeSalesmen());
    lookup().setAllowEmpty(false);
}

void TFaGetSalesman::search()
{
    runSearch(m_search);
}

void TFaGetSalesman::codeExit()
{
    const QString code = lookup().text().trimmed();
    if (code.isEmpty())
        return;
    m_qSalesman.setParam(QStringLiteral("getcode"), code);
    m_qSalesman.open();
    // Suspended is the status "N" exactly; an empty status is not a suspension.
    if (!lookup().isAccepted() && !m_qSalesman.isEmpty() &&
        m_qSalesman.field(QStringLiteral("status")).asString() == QLatin1String("N")) {
        prompter().information(QStringLiteral("พนักงานขาย ถูกระงับไปแล้ว  !"));
        lookup().clear();
        emit focusRequested();
    }
}

} // namespace kvr::search
