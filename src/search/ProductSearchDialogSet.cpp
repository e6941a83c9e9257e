#include "search/ProductSearchDialogSet.h"

#include "search/SearchRunner.h"

namespace kvr::search {

ProductSearchDialogSet::ProductSearchDialogSet(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner)
    : m_runner(runner)
    , m_product(dm, prompter)
    , m_lot(dm, prompter)
    , m_warehouse(dm, prompter)
    , m_barCode(dm, prompter)
    , m_unit(dm, prompter)
{
    m_unit.setRole(TFrSearchUnit::Role::Purchase);
}

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

bool ProductSearchDialogSet::searchWarehouse(QString& chosen)
{
    return run(m_warehouse, chosen);
}

bool ProductSearchDialogSet::searchProductBarCode(QString& chosen)
{
    return run(m_barCode, chosen);
}

bool ProductSearchDialogSet::searchUnitName(int productId, QString& chosen)
{
    m_unit.setProductId(productId);
    return run(m_unit, chosen);
}

} // namespace kvr::search
