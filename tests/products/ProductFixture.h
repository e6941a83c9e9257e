#pragma once

#include "support/SessionFixture.h"

namespace kvr::test {

// Both backends, the session of user 1 on SHOP and a small shop whose products cover what the
// product services tell apart: units by role, blocked, master and service products, serials.
class ProductFixture : public SessionFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    int vat7 = 0;
    // User 1 may use MAIN and RMA, user 2 BACK, when the company restricts warehouses; SHELF is
    // a storage location.
    int mainWh = 0, backWh = 0, rmaWh = 0, shelfWh = 0;
    // Water: sold by the piece (its smallest unit) and the box of 12 (its stock unit), bought by
    // the box and the pack of 6; kept in BACK; printed in fractions.
    int water = 0, pce = 0, box = 0, pack = 0;
    int serialFree = 0; // serials registered when sold
    int serialOnHand = 0; // serials must already be in stock
    int noStockUnit = 0; // its one unit is no stock unit
    int rice = 0, kg = 0;
};

} // namespace kvr::test
