#pragma once

#include "search/TFrSearch.h"

namespace kvr::search {

// The saved POS bills of one sale-screen mode by number and customer, newest first or by number;
// cancelled bills show in red and cannot be chosen.
class TFrSearchPos : public TFrSearch
{
    Q_OBJECT
public:
    // The sort choice of the dialog.
    enum class Sort { ByNumber, ByDate };

    TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;
};

} // namespace kvr::search
