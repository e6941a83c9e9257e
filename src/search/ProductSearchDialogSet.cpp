#include "search/ProductSearchDialogSet.h"

#include "search/SearchRunner.h"

namespace kvr::search {

ProductSearchDialogSet::ProductSearchDialogSet(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner)
    : m_runner(runner)
    , m_texts(dm)
    , m_product(dm, prompter)
    , m_lot(dm, prompter)
    , m_productLot(dm, prompter)
    , m_warehouse(dm, prompter)
    , m_barCode(dm, prompter)
    , m_unit(dm, prompter)
    , m_lotOnHand(dm, prompter, m_texts)
    , m_warehouseOnHand(dm, prompter, m_texts)
{ }

bool ProductSearchDialogSet::run(SearchScreen& search, QString& chosen)
{
    if (!m_runner.run(search))
        return false;
    chosen = search.result();
    return true;
}

bool ProductSearchDialogSet::searchProduct(QString& chosen)
{
    return run(m_product, chosen);
}

bool ProductSearchDialogSet::searchLotNo(QString& chosen)
{
    return run(m_lot, chosen);
}

bool ProductSearchDialogSet::searchProductLotNo(int productId, QString& chosen)
{
    m_productLot.setProductId(productId);
    return run(m_productLot, chosen);
}

bool ProductSearchDialogSet::searchWarehouse(QString& chosen)
{
    return run(m_warehouse, chosen);
}

bool ProductSearchDialogSet::searchProductBarCode(QString& chosen)
{
    return run(m_barCode, chosen);
}

bool ProductSearchDialogSet::searchUnitName(int productId, products::UnitRole role, QString& chosen)
{
    m_unit.setProductId(productId);
    m_unit.setRole(role == products::UnitRole::Sale       ? TFrSearchUnit::Role::Sale
                       : role == products::UnitRole::Purc ? TFrSearchUnit::Role::Purchase
                                                          : TFrSearchUnit::Role::Any);
    return run(m_unit, chosen);
}

bool ProductSearchDialogSet::searchLotOnHand(int productId, int year, int warehouseId, QString& code, int& id)
{
    m_lotOnHand.setInputs(productId, year, warehouseId, false);
    if (!run(m_lotOnHand, code))
        return false;
    id = m_lotOnHand.chosenId();
    return true;
}

bool ProductSearchDialogSet::searchWarehouseOnHand(int productId, QString& chosen)
{
    m_warehouseOnHand.setInputs(productId, 1);
    return run(m_warehouseOnHand, chosen);
}

} // namespace kvr::search
