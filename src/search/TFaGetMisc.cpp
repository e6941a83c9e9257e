#include "search/TFaGetMisc.h"

namespace kvr::search {

TFaGetMisc::TFaGetMisc(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, const QString& group,
                       QObject* parent)
    : LookupFrame(dm, prompter, runner,
                  ui::LookupSource{QStringLiteral("MISC"), QStringLiteral("ID"), QStringLiteral("CODE"),
                                   QStringLiteral("Description")},
                  parent)
    , m_group(group)
    , m_search(dm, prompter)
{
    lookup().setFilter(QStringLiteral("GroupCode = :GroupCode"), {{QStringLiteral("GroupCode"), group}});
    lookup().setAllowEmpty(true);
    m_search.setGroup(group);
}

void TFaGetMisc::search()
{
    runSearch(m_search);
}

} // namespace kvr::search
