#include "search/TFaGetSalesman.h"

#include "data/TDM.h"
#include "ui/base/Prompter.h"

namespace kvr::search {

TFaGetSalesman::TFaGetSalesman(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner, ui::LookupSource{QStringLiteral("Salesman")}, parent)
    , m_qSalesman(dm.DMdata(),
                  QStringLiteral("select id,code,name,surname,department,status,startdate,stopdate,\n"
                                 "       address1,address2,address3,province,zipcode,phoneno,faxno,\n"
                                 "       email\n"
                                 "from salesman\n"
                                 "where code=:getcode"))
    , m_search(dm, prompter)
{
    setCaption(thai() ? QStringLiteral("รหัสพนักงานขาย") : QStringLiteral("Salesman"));
    setRequired(true);
    lookup().setFilter(QStringLiteral("Status='Y'"));
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
    if (!lookup().isAccepted() && !m_qSalesman.isEmpty() &&
        m_qSalesman.field(QStringLiteral("status")).asString() == QLatin1String("N")) {
        prompter().information(QStringLiteral("พนักงานขาย ถูกระงับไปแล้ว  !"));
        lookup().clear();
        emit focusRequested();
    }
}

} // namespace kvr::search
