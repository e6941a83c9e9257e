#pragma once

#include "pos/PosMode.h"

namespace kvr::pos {

// The pages of the sale screen, in order (F7, F8, F9).
enum class PosPage { Product, Discount, Receipt };

// Where the sale screen wants the cursor next; the view moves it there.
enum class PosFocus {
    None,
    Remark,
    PosNo,
    DocDate,
    Customer,
    Salesman,
    Warehouse,
    TaxCode,
    Rate,
    Grid,
    DiscRate1,
    Cash
};

// What the header, the pages and the line editors allow at the moment; the view mirrors it.
struct PosControls
{
    bool posNoEnabled = true; // the number field and its search button
    bool dateEnabled = true;
    bool customerEnabled = true; // the customer frame, its code field and search button
    bool salesmanEnabled = true;
    bool warehouseEnabled = true;
    bool warehouseVisible = true;
    bool taxEnabled = true;
    bool rateEnabled = false;
    // In-cell editors of the line grid that are shown; the grid shows them again when a column needs them.
    bool whEditorVisible = true;
    bool lotEditorVisible = true;
    bool serialEditorVisible = true;
    bool quantityEditorVisible = true;
    bool discountEditorVisible = true;
    PosPage page = PosPage::Product;
    bool deleteLineEnabled = true; // only on the product page

    bool operator==(const PosControls&) const = default;

    // A new bill of the mode: its header open to typing, on the product page, with the line
    // editors hidden until a column needs them.
    void startNewBill(PosMode mode)
    {
        posNoEnabled = true;
        salesmanEnabled = true;
        if (mode == PosMode::Goods)
            warehouseEnabled = true;
        taxEnabled = true;
        showPage(PosPage::Product);
        if (mode != PosMode::Goods) {
            whEditorVisible = false;
            lotEditorVisible = false;
        }
        serialEditorVisible = false;
        quantityEditorVisible = false;
        discountEditorVisible = false;
    }
    // Lines are deleted only from the product page.
    void showPage(PosPage shown)
    {
        page = shown;
        deleteLineEnabled = shown == PosPage::Product;
    }
};

} // namespace kvr::pos
