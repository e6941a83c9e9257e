#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// Customers and members by name (Thai or English), code, telephone, fax, salesman code, province
// code and a range of customer attribute codes, on the database given: the head office's when it
// is online, the shop's own otherwise. Clicking a column title orders the result by it.
class TF_SearchCustomerPos : public SearchScreen
{
    Q_OBJECT
public:
    enum class Place { Online, Offline };

    TF_SearchCustomerPos(data::TDM& dm, ui::Prompter& prompter, data::Connection& connection, Place place,
                         QObject* parent = nullptr);

    Place place() const { return m_place; }
    // Blocked customers are listed too (they still cannot be used on a document).
    void setShowBlocked(bool show) { m_showBlocked = show; }

    void titleClick(const QString& field) override;

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    Place m_place;
    bool m_showBlocked = false;
    QString m_order;
};

} // namespace kvr::search
