#pragma once

#include "data/Query.h"
#include "search/LookupFrame.h"
#include "search/TF_SearchSalesman.h"

namespace kvr::search {

// The salesman of a document header: only salesmen with status 'Y' resolve, and a suspended one
// typed by code is refused with a message.
class TFaGetSalesman : public LookupFrame
{
    Q_OBJECT
public:
    TFaGetSalesman(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

    // The salesman read when the code was left, with every column (department, address ...).
    const data::Query& QSalesman() const { return m_qSalesman; }

protected:
    void search() override;
    void codeExit() override;

private:
    data::Query m_qSalesman;
    TF_SearchSalesman m_search;
};

} // namespace kvr::search
