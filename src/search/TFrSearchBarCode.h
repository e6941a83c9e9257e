#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// The barcodes of the units of products that may be sold, with what is on hand in that unit.
class TFrSearchBarCode : public SearchScreen
{
    Q_OBJECT
public:
    TFrSearchBarCode(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
