#include "search/TFaGetCompanyBank.h"

#include "search/SearchRunner.h"

namespace kvr::search {

TFaGetCompanyBank::TFaGetCompanyBank(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner,
                  ui::LookupSource{QStringLiteral("CompanyBank"), QStringLiteral("Id"), QStringLiteral("BankCode"),
                                   QStringLiteral("BankName")},
                  parent)
    , m_search(dm, prompter)
{
    setCaption(thai() ? QStringLiteral("รหัสธนาคาร") : QStringLiteral("Bank"));
    // A flag is set only by "Y": an account whose Blocked is empty is in use.
    lookup().setFilter(QStringLiteral("Coalesce(Blocked, 'N') <> 'Y'"));
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
