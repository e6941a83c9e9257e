#pragma once

#include "products/ProductSearchDialogs.h"
#include "search/TF_SearchProduct.h"
#include "search/TF_SearchWareHouse.h"
#include "search/TFrSearchBarCode.h"
#include "search/TFrSearchLotNo.h"
#include "search/TFrSearchUnit.h"

namespace kvr::search {

class SearchRunner;

// The search dialogs the product services open on F5, each created once and kept.
class ProductSearchDialogSet : public products::ProductSearchDialogs
{
public:
    ProductSearchDialogSet(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner);

    bool searchProduct(QString& chosen) override;
    bool searchLotNo(QString& chosen) override;
    bool searchWarehouse(QString& chosen) override;
    bool searchProductBarCode(QString& chosen) override;
    bool searchUnitName(int productId, QString& chosen) override;

private:
    bool run(SearchScreen& search, QString& chosen);

    SearchRunner& m_runner;
    TF_SearchProduct m_product;
    TFrSearchLotNo m_lot;
    TF_SearchWareHouse m_warehouse;
    TFrSearchBarCode m_barCode;
    TFrSearchUnit m_unit;
};

} // namespace kvr::search
