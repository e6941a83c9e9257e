#include "ProductFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kvr::test;

namespace {

constexpr int retail = 19, wholesale = 20, member = 21; // price levels; the session's POS level is 3
constexpr int posLevel = 3;
constexpr int walkIn = 0;

class PriceTest : public ProductFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        ProductFixture::buildShop(shop);
        shop.price(water, pce, posLevel, 10);
        shop.price(water, pce, retail, 12);
        shop.price(water, box, retail, 130);
        shop.price(water, box, posLevel, 120);
        zeroPriceCustomer = shop.customer({.code = "C005", .name = "ราคาศูนย์"});
        ownPriceCustomer = shop.customer({.code = "C006", .name = "ราคาพิเศษ"});
        promoCustomer = shop.customer({.code = "C008", .name = "โปรโมชั่น"});
        shop.customerPrice(zeroPriceCustomer, water, pce, 0, 3, "5%");
        shop.customerPrice(ownPriceCustomer, water, pce, 9.5, 2, "2%");
        shop.customerPrice(ownPriceCustomer, water, box, 100, 1, "1%");
        // Everybody: 8.00 in March; the promotion customer: 7.00 with no discount text in the
        // second half of March; two overlapping ones in April; a price of 0 in May.
        const auto on = [](int month, int day) { return QDate(2026, month, day).startOfDay(); };
        const PromotionSpec promotions[] = {
            {water, pce, retail, 0, on(3, 1), on(3, 31), 8, "10%"},
            {water, pce, retail, promoCustomer, on(3, 16), on(3, 31), 7, {}},
            {water, pce, member, 0, on(4, 1), on(4, 30), 6, "1%"},
            {water, pce, member, 0, on(4, 10), on(4, 20), 5.5, "4%"},
            {water, pce, wholesale, 0, on(5, 1), on(5, 31), 0, ""},
        };
        for (const PromotionSpec& promotion : promotions)
            shop.promotion(promotion);
    }

    int zeroPriceCustomer = 0, ownPriceCustomer = 0, promoCustomer = 0;
};

QDateTime at(int month, int day, int hour = 9)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, 30));
}

} // namespace

TEST_P(PriceTest, sources_override_one_another_in_order)
{
    struct Case
    {
        const char* what;
        int customer;
        int unit;
        int priceType;
        QDateTime date;
        double price;
        const char* discount;
    };
    const Case cases[] = {
        {"list price of the level", walkIn, pce, retail, at(2, 1), 12, ""},
        {"no price at the level: the POS level", walkIn, pce, wholesale, at(2, 1), 10, ""},
        {"no price at either level", walkIn, pack, retail, at(2, 1), 0, ""},
        {"customer price 0 keeps the list price, brings its discount", zeroPriceCustomer, pce, retail, at(2, 1), 12,
         "5%"},
        {"customer price", ownPriceCustomer, pce, retail, at(2, 1), 9.5, "2%"},
        {"promotion for everybody beats the customer price", ownPriceCustomer, pce, retail, at(3, 5), 8, "10%"},
        {"customer's promotion beats everybody's; null text empties", promoCustomer, pce, retail, at(3, 20), 7, ""},
        {"customer's promotion not begun: everybody's", promoCustomer, pce, retail, at(3, 15, 23), 8, "10%"},
        {"promotion ending on the bill date, late in the day", walkIn, pce, retail, at(3, 31, 23), 8, "10%"},
        {"promotion over", walkIn, pce, retail, at(4, 1, 0), 12, ""},
        {"overlapping promotions: the newer row", walkIn, pce, member, at(4, 15), 5.5, "4%"},
        {"outside the newer one: the older", walkIn, pce, member, at(4, 21), 6, "1%"},
        {"a promotion price of 0 is a price", ownPriceCustomer, pce, wholesale, at(5, 2), 0, ""},
        {"another unit has its own rows", ownPriceCustomer, box, retail, at(3, 5), 100, "1%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(product->GetPrice(c.customer, water, c.unit, c.priceType, c.date), c.price);
        EXPECT_EQ(product->PriceDiscount(), QString::fromLatin1(c.discount));
        EXPECT_EQ(product->PriceQuantity(), 1);
    }
}

TEST_P(PriceTest, stock_unit_mode_prices_the_stock_unit_without_falling_back)
{
    struct Case
    {
        const char* what;
        int searchProductNo;
        QVariant displayFraction;
        bool printFrac;
        int customer;
        int priceType;
        QDateTime date;
        double price;
        const char* discount;
    };
    const Case cases[] = {
        {"no stock-unit price at the level: 0, no POS level", 2, "Y", true, walkIn, wholesale, at(2, 1), 0, ""},
        {"customer price of the stock unit", 2, "Y", true, ownPriceCustomer, retail, at(2, 1), 100, "1%"},
        {"promotion of the line's unit", 2, "Y", true, ownPriceCustomer, retail, at(3, 5), 8, "10%"},
        {"product not printed in fractions", 2, "Y", false, walkIn, wholesale, at(2, 1), 10, ""},
        {"fractions not displayed", 2, QVariant(), true, walkIn, wholesale, at(2, 1), 10, ""},
        {"other search mode", 1, "Y", true, walkIn, wholesale, at(2, 1), 10, ""},
        {"stock unit's list price", 2, "Y", true, walkIn, retail, at(2, 1), 130, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setConfig({{"SearchProductNo", c.searchProductNo}, {"DisplayFraction", c.displayFraction}});
        product->setPrintFrac(c.printFrac);
        EXPECT_DOUBLE_EQ(product->GetPrice(c.customer, water, pce, c.priceType, c.date), c.price);
        EXPECT_EQ(product->PriceDiscount(), QString::fromLatin1(c.discount));
    }
    // The last case read the stock unit's row.
    EXPECT_EQ(product->QStockUnitPrice().field(QStringLiteral("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->QStockUnitPrice().field(QStringLiteral("Id")).asInteger(), box);
}

TEST_P(PriceTest, project_prices_carry_the_customer_quantity_and_the_project_price_last)
{
    const std::tuple<int, double, QVariant> projectPrices[] = {{ownPriceCustomer, 9.25, "7%"},
                                                               {zeroPriceCustomer, 0, QVariant()}};
    for (const auto& [customer, price, discount] : projectPrices)
        shop->insert("CustomerProductPriceProject",
                     {{"product", water},
                      {"productunits", pce},
                      {"customer", customer},
                      {"project", 40},
                      {"price", price},
                      {"discount", discount}});
    struct Case
    {
        const char* what;
        int customer;
        int priceType;
        int project;
        QDateTime date;
        double price;
        const char* discount;
        int quantity;
    };
    const Case cases[] = {
        {"list price only, no POS level", walkIn, wholesale, 0, at(2, 1), 0, "", 0},
        {"list price", walkIn, retail, 0, at(2, 1), 12, "", 0},
        {"customer price 0 replaces the list price here", zeroPriceCustomer, retail, 0, at(2, 1), 0, "5%", 3},
        {"promotion keeps the customer quantity", ownPriceCustomer, retail, 0, at(3, 5), 8, "10%", 2},
        {"project price last", ownPriceCustomer, retail, 40, at(3, 5), 9.25, "7%", 2},
        {"project price 0 with a null discount", zeroPriceCustomer, retail, 40, at(2, 1), 0, "", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(product->GetProjectPrice(c.customer, water, pce, c.priceType, c.project, c.date), c.price);
        EXPECT_EQ(product->PriceDiscount(), QString::fromLatin1(c.discount));
        EXPECT_EQ(product->PriceQuantity(), c.quantity);
    }
}

TEST_P(PriceTest, purchase_prices_come_from_the_vendor_or_the_unit_in_the_vendor_currency)
{
    const int thai = shop->vendor("V70", "Thai", shop->currency("THB", "บาท"));
    const int american = shop->vendor("V71", "US", shop->currency("usd", "Dollar"));
    const int european = shop->vendor("V72", "EU", shop->currency("EUR", "Euro"));
    const int noCurrency = shop->vendor("V73", "None");
    shop->update("ProductUnits", box, {{"PurcPriceBaht", 96}, {"PurcPriceUsd", 2.75}, {"PurcPriceKip", 50000}});
    shop->insert("PartSource", {{"Product", water}, {"Vendor", american}, {"ProductUnits", pce}, {"Price", 0.25}});
    struct Case
    {
        const char* what;
        int vendor;
        int unit;
        double price;
    };
    const Case cases[] = {
        {"vendor's own price", american, pce, 0.25},
        {"baht column", thai, box, 96},
        {"dollar column, code in any case", american, box, 2.75},
        {"no column for the currency", european, box, 0},
        {"vendor without currency", noCurrency, box, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(product->SetPurchasePrice(water, c.vendor, c.unit, -1), c.price);
    }
}

KVR_INSTANTIATE_BACKENDS(PriceTest);
