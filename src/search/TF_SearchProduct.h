#pragma once

#include "search/SearchScreen.h"
#include "search/StockSearchStatements.h"

namespace kvr::search {

// Products that may be sold, by code and name, with their stock unit and what is on hand.
class TF_SearchProduct : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchProduct(data::TDM& dm, ui::Prompter& prompter, QObject* parent = nullptr);

    void setKind(ProductKind kind) { m_kind = kind; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    ProductKind m_kind = ProductKind::All;
};

} // namespace kvr::search
