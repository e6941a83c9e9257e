#pragma once

#include "search/BillSearch.h"

namespace kvr::search {

// The saved POS bills of one sale-screen mode by number and customer, newest first or by number;
// cancelled bills show in red with their reason and cannot be chosen. The cancellation lists only
// the bills it can still cancel.
class TFrSearchPos : public BillSearch
{
    Q_OBJECT
public:
    // The sort choice of the dialog.
    enum class Sort { ByNumber, ByDate };
    // Every bill, or only those live and not posted to accounting.
    enum class Bills { All, Cancellable };

    TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);
    TFrSearchPos(data::TDM& dm, ui::Prompter& prompter, Bills bills, QObject* parent = nullptr);

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    Bills m_bills;
};

} // namespace kvr::search
