#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// Lots by code and description.
class TFrSearchLotNo : public SearchScreen
{
    Q_OBJECT
public:
    TFrSearchLotNo(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
    // A further condition on the lots, empty for none.
    virtual QString lotCondition() const { return {}; }
};

} // namespace kvr::search
