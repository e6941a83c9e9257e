#pragma once

#include "products/OnHandChoices.h"
#include "search/SearchScreen.h"

namespace kvr::products {
class QuantityTexts;
}

namespace kvr::search {

// The lots of one product with their balance in one year, listed as the dialog opens; the
// balance is shown in the product's stock unit. Gives back the chosen lot's code and id.
class TF_SearchLotShowOnHand : public SearchScreen
{
    Q_OBJECT
public:
    TF_SearchLotShowOnHand(data::TDM& dm, ui::Prompter& prompter, products::QuantityTexts& texts,
                           QObject* parent = nullptr);

    // warehouseId 0 for every warehouse; showAll lists lots whose balance is zero or less too.
    void setInputs(int productId, int year, int warehouseId, bool showAll);
    void FormShow() override;
    bool hasSearchButton() const override { return false; }
    int chosenId() const { return chosen(QStringLiteral("Id")).asInteger(); }

protected:
    QStringList statement(const data::Dialect& dialect) override;
    void prepareSearch() override;

private:
    products::QuantityTexts& m_texts;
    products::OnHandChoices m_choices;
    int m_productId = 0;
    int m_year = 0;
    int m_warehouseId = 0;
    bool m_showAll = false;
};

} // namespace kvr::search
