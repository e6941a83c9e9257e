#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// Customers and members of the shop's own database that may be sold to, by code, name (Thai or
// English) and telephone; the company's branches only when the caller allows them.
class TF_SearchCustomer : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchCustomer(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    void setAllowBranchCustomers(bool allow) { m_allowBranch = allow; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    bool m_allowBranch = false;
};

} // namespace kvr::search
