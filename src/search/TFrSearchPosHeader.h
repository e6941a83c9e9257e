#pragma once

#include "search/BillSearch.h"

namespace kvr::search {

// The POS bills kept in PosHeader (sent in by other branches) by number and customer code, newest
// first; cancelled bills show in red and cannot be chosen.
class TFrSearchPosHeader : public BillSearch
{
    Q_OBJECT
public:
    TFrSearchPosHeader(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
