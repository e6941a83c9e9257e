#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// The salesmen who may be chosen (status 'Y'), by code and name.
class TF_SearchSalesman : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchSalesman(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
