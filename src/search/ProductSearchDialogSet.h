#pragma once

#include "products/ProductSearchDialogs.h"
#include "products/QuantityTexts.h"
#include "search/TF_SearchLotShowOnHand.h"
#include "search/TF_SearchProduct.h"
#include "search/TF_SearchWareHouse.h"
#include "search/TF_SearchWareHouseOnHand.h"
#include "search/TFrSearchBarCode.h"
#include "search/TFrSearchLotNo.h"
#include "search/TFrSearchLotNoIV.h"
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
    bool searchProductLotNo(int productId, QString& chosen) override;
    bool searchWarehouse(QString& chosen) override;
    bool searchProductBarCode(QString& chosen) override;
    bool searchUnitName(int productId, products::UnitRole role, QString& chosen) override;
    bool searchLotOnHand(int productId, int year, int warehouseId, QString& code, int& id) override;
    bool searchWarehouseOnHand(int productId, QString& chosen) override;

private:
    bool run(SearchScreen& search, QString& chosen);

    SearchRunner& m_runner;
    products::QuantityTexts m_texts;
    TF_SearchProduct m_product;
    TFrSearchLotNo m_lot;
    TFrSearchLotNoIV m_productLot;
    TF_SearchWareHouse m_warehouse;
    TFrSearchBarCode m_barCode;
    TFrSearchUnit m_unit;
    TF_SearchLotShowOnHand m_lotOnHand;
    TF_SearchWareHouseOnHand m_warehouseOnHand;
};

} // namespace kvr::search
