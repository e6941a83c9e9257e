#include "search/TFaGetMisc.h"

#include "search/FrameStatements.h"

namespace kvr::search {

TFaGetMisc::TFaGetMisc(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, const QString& group,
                       QObject* parent)
    : LookupFrame(dm, prompter, runner, statements::miscCodes(), parent)
    , m_group(group)
    , m_search(dm, prompter)
{
    lookup().setFilter(statements::miscGroup(), {{QStringLiteral("GroupCode"), group}});
    lookup().setAllowEmpty(true);
    m_search.setGroup(group);
}

void TFaGetMisc::search()
{
    runSearch(m_search);
}

} // namespace kvr::search
