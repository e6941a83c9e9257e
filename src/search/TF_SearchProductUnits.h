#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// Product units that may be sold, by product name first: the counter that takes barcodes only
// gets back the barcode of the unit chosen.
class TF_SearchProductUnits : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchProductUnits(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
