#include "pos/PosBillSearch.h"

#include "search/TFrSearchPos.h"

namespace kvr::pos {

PosBillSearch::PosBillSearch(data::TDM& dm, ui::Prompter& prompter, QString posType)
    : m_dm(dm)
    , m_prompter(prompter)
    , m_posType(std::move(posType))
{ }

PosBillSearch::~PosBillSearch() = default;

QString PosBillSearch::chooseNumber()
{
    if (!m_search) {
        m_search = std::make_unique<search::TFrSearchPos>(m_dm, m_prompter);
        m_search->setDocType(m_posType);
    }
    if (!m_runner.run(*m_search))
        return {};
    return m_search->result().trimmed();
}

} // namespace kvr::pos
