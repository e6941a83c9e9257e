#pragma once

#include <QString>

namespace kvr::data {
class TDM;
}

namespace kvr::products {

// The switches of the company's Config row that the product services follow. Read afresh for
// every call from the row the session keeps loaded, so a reloaded row takes effect at once.
struct ProductSettings
{
    bool checkUserWarehouse = false; // CheckUserWarehouseFlag
    int searchProductNo = 0; // 2: special names and stock-unit prices
    bool displayFraction = false;
    bool posUseBarCode = false;
    int onhandDecimal = 0; // null reads as 0
    QString unitLeft;
    QString unitRight;

    // Opens the company connection when it is not open yet: its Config row loads on connect.
    static ProductSettings read(data::TDM& dm);
};

} // namespace kvr::products
