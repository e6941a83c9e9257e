#include "search/TFaGetCompanyBank.h"

#include "search/FrameStatements.h"
#include "search/SearchRunner.h"

namespace kvr::search {

TFaGetCompanyBank::TFaGetCompanyBank(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner, statements::companyBanks(), parent)
    , m_search(dm, prompter)
{
    setCaption(thai() ? QStringLiteral("รหัสธนาคาร") : QStringLiteral("Bank"));
    lookup().setFilter(statements::accountsInUse());
    lookup().setAllowEmpty(false);
}

void TFaGetCompanyBank::search()
{
    if (!runner().run(m_search))
        return;
    setFieldEnabled(true);
    setSearchEnabled(true);
    lookup().setText(m_search.result());
    lookup().commit();
    emit focusRequested();
}

} // namespace kvr::search
