#pragma once

#include "search/SearchScreen.h"

namespace kvr::search {

// The units of one product, smallest first, optionally only those of a role.
class TFrSearchUnit : public SearchScreen
{
    Q_OBJECT
public:
    enum class Role { Any, Sale, Purchase };

    TFrSearchUnit(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    void setProductId(int productId) { m_productId = productId; }
    void setRole(Role role) { m_role = role; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    int m_productId = 0;
    Role m_role = Role::Any;
};

} // namespace kvr::search
