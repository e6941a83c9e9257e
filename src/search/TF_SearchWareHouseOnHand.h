#pragma once

#include "products/OnHandChoices.h"
#include "search/SearchScreen.h"

namespace kvr::search {

// The warehouses (or storage locations) holding one product, with their balance and what is
// awaited from suppliers and owed to customers, listed as the dialog opens. A check box limits
// the list to warehouses with stock. Gives back the chosen warehouse's code.
class TF_SearchWareHouseOnHand : public SearchScreen
{
    Q_OBJECT
public:
    static inline const QString kOnlyWithStock = QStringLiteral("OnlyWithStock");

    TF_SearchWareHouseOnHand(data::TDM& dm, ui::Prompter& prompter, products::QuantityTexts& texts,
                             QObject* parent = nullptr);

    // location 1 lists warehouses, any other value storage locations.
    void setInputs(int productId, int location);
    void FormShow() override;
    bool hasSearchButton() const override { return false; }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    products::OnHandChoices m_choices;
    int m_productId = 0;
    int m_location = 1;
};

} // namespace kvr::search
