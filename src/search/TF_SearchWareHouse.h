#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// Warehouses by code and name; under the user restriction only the user's own.
class TF_SearchWareHouse : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchWareHouse(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    // The user whose warehouses are listed; 0 lists every warehouse.
    void setRestrictedToUser(int userId) { m_userId = userId; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    int m_userId = 0;
};

} // namespace kvr::search
