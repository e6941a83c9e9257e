#pragma once

#include "products/UnitRoles.h"

#include <QString>

namespace kvr::products {

// The search dialogs behind F5 that the product services open. The screens pass their
// implementation; each call runs its dialog modally and answers whether the user confirmed,
// with the chosen code (or unit name) in `chosen`.
class ProductSearchDialogs
{
public:
    virtual ~ProductSearchDialogs() = default;
    virtual bool searchProduct(QString& chosen) = 0;
    virtual bool searchLotNo(QString& chosen) = 0;
    // The lots of one product that came into stock (received or made).
    virtual bool searchProductLotNo(int productId, QString& chosen) = 0;
    virtual bool searchWarehouse(QString& chosen) = 0;
    virtual bool searchProductBarCode(QString& chosen) = 0;
    // The product's units that play the role (purchase units for the product services, sale units
    // for a sale line).
    virtual bool searchUnitName(int productId, UnitRole role, QString& chosen) = 0;
    // The product's lots with their balance in the year (warehouseId 0: every warehouse); the
    // chosen lot's code and id.
    virtual bool searchLotOnHand(int productId, int year, int warehouseId, QString& code, int& id) = 0;
    // The warehouses holding the product, with their balance.
    virtual bool searchWarehouseOnHand(int productId, QString& chosen) = 0;
};

} // namespace kvr::products
