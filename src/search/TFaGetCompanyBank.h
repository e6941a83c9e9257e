#pragma once

#include "search/LookupFrame.h"
#include "search/TFrSearchCompanyBank.h"

namespace kvr::search {

// The company bank account that receives a transfer; blocked accounts do not resolve.
class TFaGetCompanyBank : public LookupFrame
{
    Q_OBJECT
public:
    TFaGetCompanyBank(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

protected:
    void search() override;

private:
    TFrSearchCompanyBank m_search;
};

} // namespace kvr::search
