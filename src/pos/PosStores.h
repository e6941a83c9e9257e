#pragma once

#include "pos/PosCustomerStore.h"
#include "pos/PosMachineStore.h"
#include "pos/PosStockStore.h"
#include "pos/PosTaxStore.h"
#include "pos/PrintedMarkStore.h"

namespace kvr::pos {

// The stores the sale screen's parts read and write through, all on the company connection.
struct PosStores
{
    explicit PosStores(data::Connection& connection)
        : customers(connection)
        , taxes(connection)
        , stock(connection)
        , machines(connection)
        , marks(connection)
    { }

    PosCustomerStore customers;
    PosTaxStore taxes;
    PosStockStore stock;
    PosMachineStore machines;
    PrintedMarkStore marks;
};

} // namespace kvr::pos
