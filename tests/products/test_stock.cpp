#include "ProductFixture.h"

#include <gtest/gtest.h>

using namespace kvr::test;

namespace {

class StockTest : public ProductFixture
{
protected:
    void SetUp() override
    {
        ProductFixture::SetUp();
        if (IsSkipped())
            return;
        // Water in Pce (smallest units): 30 in MAIN, 6 in BACK split over two unit rows, 12 returned
        // in RMA, and older and newer years that do not count.
        exec(
            QStringLiteral("INSERT INTO ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity) VALUES "
                           "(1, 11, 1, 2026, 18), (1, 12, 1, 2026, 12), (1, 11, 2, 2026, 2), (1, 12, 2, 2026, 4), "
                           "(1, 12, 3, 2026, 12), (1, 11, 1, 2025, 500), (1, 11, 1, 2027, 500), "
                           "(9, 91, 1, 2026, 0.125), (9, 91, 1, 2026, 0.125), (9, 91, 1, 2026, 0.125), "
                           "(9, 91, 2, 2026, -1.5), (8, 81, 1, 2026, 30)"));
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
        {"all warehouses of the year", [&] { return p.ProductQuantity(shop::water, 2026); }, "4 Box", -99},
        {"one warehouse", [&] { return p.ProductWHQuantity(shop::water, shop::mainWh, 2026); }, "2 Box 6 Pce", 30},
        {"one unit row in one warehouse",
         [&] { return p.ProductUnitsWHQuantity(shop::water, shop::pce, shop::backWh, 2026); }, " 2 Pce", 2},
        {"RMA counts for its warehouse", [&] { return p.ProductWHQuantity(shop::water, shop::rmaWh, 2026); }, "1 Box",
         12},
        {"but not per unit", [&] { return p.ProductUnitsWHQuantity(shop::water, shop::box, shop::rmaWh, 2026); },
         "0 Box", 0},
        {"no rows in the year", [&] { return p.ProductWHQuantity(shop::water, shop::mainWh, 2030); }, "0 Box", 0},
        {"rows rounded to two decimals before the sum",
         [&] { return p.ProductWHQuantity(shop::rice, shop::mainWh, 2026); }, "0.39 Kg", 0.39},
        {"raw rows in the per-unit sum", [&] { return p.ProductUnitsWHQuantity(shop::rice, 91, shop::mainWh, 2026); },
         "0.375 Kg", 0.375},
        {"negative", [&] { return p.ProductWHQuantity(shop::rice, shop::backWh, 2026); }, "- 1.5 Kg", -1.5},
        {"no stock unit: the count twice", [&] { return p.ProductWHQuantity(shop::noStockUnit, shop::mainWh, 2026); },
         "30  30 Bag", 30},
        {"a given quantity", [&] { return p.ShowQuantity(shop::water, 5); }, " 5 Pce", -99},
        {"a given negative quantity", [&] { return p.ShowQuantity(shop::water, -30); }, "- 2 Box 6 Pce", -99},
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
