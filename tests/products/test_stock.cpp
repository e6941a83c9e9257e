#include "ProductFixture.h"

#include <gtest/gtest.h>

using namespace kvr::test;

namespace {

class StockTest : public ProductFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        ProductFixture::buildShop(shop);
        // Water in Pce (smallest units): 30 in MAIN, 6 in BACK split over two unit rows, 12 returned
        // in RMA, and older and newer years that do not count.
        shop.stock(water, pce, mainWh, 2026, 18);
        shop.stock(water, box, mainWh, 2026, 12);
        shop.stock(water, pce, backWh, 2026, 2);
        shop.stock(water, box, backWh, 2026, 4);
        shop.stock(water, box, rmaWh, 2026, 12);
        shop.stock(water, pce, mainWh, 2025, 500);
        shop.stock(water, pce, mainWh, 2027, 500);
        for (int row = 0; row < 3; ++row)
            shop.stock(rice, kg, mainWh, 2026, 0.125);
    }
};

} // namespace

TEST_P(StockTest, balances_are_written_in_stock_and_small_units)
{
    struct Case
    {
        const char* what;
        std::function<QString()> call;
        const char* text;
        double onHand; // -99: OnHandQuantity not set by this call
    };
    auto& p = *product;
    const Case cases[] = {
        {"all warehouses of the year", [&] { return p.ProductQuantity(water, 2026); }, "4 Box", -99},
        {"one warehouse", [&] { return p.ProductWHQuantity(water, mainWh, 2026); }, "2 Box 6 Pce", 30},
        {"one unit row in one warehouse", [&] { return p.ProductUnitsWHQuantity(water, pce, backWh, 2026); }, " 2 Pce",
         2},
        {"RMA counts for its warehouse", [&] { return p.ProductWHQuantity(water, rmaWh, 2026); }, "1 Box", 12},
        {"but not per unit", [&] { return p.ProductUnitsWHQuantity(water, box, rmaWh, 2026); }, "0 Box", 0},
        {"no rows in the year", [&] { return p.ProductWHQuantity(water, mainWh, 2030); }, "0 Box", 0},
        {"rows rounded to two decimals before the sum", [&] { return p.ProductWHQuantity(rice, mainWh, 2026); },
         "0.39 Kg", 0.39},
        {"raw rows in the per-unit sum", [&] { return p.ProductUnitsWHQuantity(rice, kg, mainWh, 2026); }, "0.375 Kg",
         0.375},
        {"a given quantity", [&] { return p.ShowQuantity(water, 5); }, " 5 Pce", -99},
        {"an unknown product", [&] { return p.ShowQuantity(999, 5); }, "Error", -99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const double before = product->OnHandQuantity();
        EXPECT_EQ(c.call(), QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(product->OnHandQuantity(), c.onHand == -99 ? before : c.onHand);
    }
}

KVR_INSTANTIATE_BACKENDS(StockTest);
