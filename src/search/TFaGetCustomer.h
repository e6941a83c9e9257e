#pragma once

#include "data/HeadOffice.h"
#include "data/Query.h"
#include "search/HeadOfficeCustomerSync.h"
#include "search/LookupFrame.h"
#include "search/TF_SearchCustomer.h"
#include "search/TF_SearchCustomerPos.h"

#include <memory>

namespace kvr::search {

// The customer of a document header. Only unblocked customers resolve; a blocked one, or one of
// the company's branches (unless the owner allows them), typed by code is refused with a message.
// With the head-office link the search looks into the head office's customers when it answers,
// and the chosen customer is copied into the shop's database before it is used.
class TFaGetCustomer : public LookupFrame
{
    Q_OBJECT
public:
    TFaGetCustomer(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);

    bool allowBranchCustomers() const { return m_allowBranch; }
    void setAllowBranchCustomers(bool allow) { m_allowBranch = allow; }

    // The customer read when the code was left, for the owner: tax, salesman, discounts, prices.
    // Closed when no customer was taken.
    const data::Query& QCustomer() const { return m_qCustomer; }
    data::HeadOffice& headOffice() { return m_head; }

    // The name shown follows the session's language.
    void FieldEnter() override;

protected:
    void search() override;
    void codeExit() override;

private:
    void refuse(const QString& message);
    TF_SearchCustomerPos& headSearch(TF_SearchCustomerPos::Place place);

    data::HeadOffice m_head;
    data::Query m_qCustomer;
    TF_SearchCustomer m_localSearch;
    std::unique_ptr<TF_SearchCustomerPos> m_onlineSearch;
    std::unique_ptr<TF_SearchCustomerPos> m_offlineSearch;
    HeadOfficeCustomerSync m_sync;
    bool m_allowBranch = false;
};

} // namespace kvr::search
