#pragma once

#include "search/TFrSearch.h"

namespace kvr::search {

// The company's own bank accounts that are not blocked, by bank code and name.
class TFrSearchCompanyBank : public TFrSearch
{
    Q_OBJECT
public:
    TFrSearchCompanyBank(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
