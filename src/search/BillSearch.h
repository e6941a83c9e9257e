#pragma once

#include "search/TFrSearch.h"

namespace kvr::search {

// What the searches of saved bills share, whichever table holds them: the number and customer
// criteria, the bill columns, and the typed number matched as the end of the number.
class BillSearch : public TFrSearch
{
    Q_OBJECT
protected:
    BillSearch(data::TDM& dm, ui::Prompter& prompter, const QString& table, QObject* parent);

    void addBillColumns();
    // Binds the number ending, the customer code and the document type of the dialog.
    void bindBillCriteria();
};

} // namespace kvr::search
