#include "search/LookupFrame.h"

#include "data/TDM.h"
#include "search/SearchRunner.h"
#include "search/SearchScreen.h"

namespace kvr::search {

LookupFrame::LookupFrame(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, ui::LookupSource source,
                         QObject* parent)
    : SearchFrame(dm, prompter, runner, parent)
    , m_lookup(dm.DMdata(), std::move(source))
{ }

void LookupFrame::bind(data::CachedDataset& dataset, const QString& field)
{
    m_lookup.bind(&dataset, field);
    m_lookup.refresh();
}

void LookupFrame::FieldExit()
{
    SearchFrame::FieldExit();
    m_lookup.commit();
    codeExit();
    emit exited();
}

void LookupFrame::typeCode(const QString& code)
{
    FieldEnter();
    m_lookup.setText(code);
    FieldExit();
}

bool LookupFrame::runSearch(SearchScreen& search)
{
    if (!runner().run(search))
        return false;
    m_lookup.setText(search.result());
    m_lookup.commit();
    emit focusRequested();
    return true;
}

} // namespace kvr::search
