#include "ProductFixture.h"

#include <gtest/gtest.h>

using namespace kvr::test;

namespace {

constexpr int retail = 19, wholesale = 20, member = 21; // the session's POS level is 3
constexpr int walkIn = 0, zeroPriceCustomer = 5, ownPriceCustomer = 6, promoCustomer = 8;

class PriceTest : public ProductFixture
{
protected:
    void SetUp() override
    {
        ProductFixture::SetUp();
        if (IsSkipped())
            return;
        exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES "
                            "(1, 11, 3, 10), (1, 11, 19, 12), (1, 12, 19, 130), (1, 12, 3, 120), (1, 11, 21, 11.5)"));
        exec(QStringLiteral(
            "INSERT INTO customerproductprice (customer, product, productunits, price, quantity, discount) VALUES "
            "(5, 1, 11, 0, 3, '5%'), (6, 1, 11, 9.5, 2, '2%'), (6, 1, 12, 100, 1, '1%'), (8, 1, 11, 9, 1, '3%')"));
        // Everybody: 8.00 in March; customer 8: 7.00 with no discount text in the second half of March.
        exec(QStringLiteral(
            "INSERT INTO promotion_dt (product, productunits, pricetype, customer, startdate, stopdate, price, "
            "discpercent) VALUES "
            "(1, 11, 19, 0, '2026-03-01 00:00:00', '2026-03-31 00:00:00', 8, '10%'), "
            "(1, 11, 19, 8, '2026-03-16 00:00:00', '2026-03-31 00:00:00', 7, NULL), "
            "(1, 11, 21, 0, '2026-04-01 00:00:00', '2026-04-30 00:00:00', 6, '1%'), "
            "(1, 11, 21, 0, '2026-04-10 00:00:00', '2026-04-20 00:00:00', 5.5, '4%'), "
            "(1, 11, 20, 0, '2026-05-01 00:00:00', '2026-05-31 00:00:00', 0, '')"));
    }
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
        {"list price of the level", walkIn, shop::pce, retail, at(2, 1), 12, ""},
        {"no price at the level: the POS level", walkIn, shop::pce, wholesale, at(2, 1), 10, ""},
        {"no price at either level", walkIn, shop::pack, retail, at(2, 1), 0, ""},
        {"customer price 0 keeps the list price, brings its discount", zeroPriceCustomer, shop::pce, retail, at(2, 1),
         12, "5%"},
        {"customer price", ownPriceCustomer, shop::pce, retail, at(2, 1), 9.5, "2%"},
        {"promotion for everybody beats the customer price", ownPriceCustomer, shop::pce, retail, at(3, 5), 8, "10%"},
        {"customer's promotion beats everybody's; null text empties", promoCustomer, shop::pce, retail, at(3, 20), 7,
         ""},
        {"customer's promotion not begun: everybody's", promoCustomer, shop::pce, retail, at(3, 15, 23), 8, "10%"},
        {"promotion ending on the bill date, late in the day", walkIn, shop::pce, retail, at(3, 31, 23), 8, "10%"},
        {"promotion over", walkIn, shop::pce, retail, at(4, 1, 0), 12, ""},
        {"overlapping promotions: the newer row", walkIn, shop::pce, member, at(4, 15), 5.5, "4%"},
        {"outside the newer one: the older", walkIn, shop::pce, member, at(4, 21), 6, "1%"},
        {"a promotion price of 0 is a price", ownPriceCustomer, shop::pce, wholesale, at(5, 2), 0, ""},
        {"another unit has its own rows", ownPriceCustomer, shop::box, retail, at(3, 5), 100, "1%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(product->GetPrice(c.customer, shop::water, c.unit, c.priceType, c.date), c.price);
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
        const char* displayFraction;
        bool printFrac;
        int customer;
        int priceType;
        QDateTime date;
        double price;
        const char* discount;
    };
    const Case cases[] = {
        {"stock unit's list price", 2, "'Y'", true, walkIn, retail, at(2, 1), 130, ""},
        {"no stock-unit price at the level: 0, no POS level", 2, "'Y'", true, walkIn, wholesale, at(2, 1), 0, ""},
        {"customer price of the stock unit", 2, "'Y'", true, ownPriceCustomer, retail, at(2, 1), 100, "1%"},
        {"promotion of the line's unit", 2, "'Y'", true, ownPriceCustomer, retail, at(3, 5), 8, "10%"},
        {"product not printed in fractions", 2, "'Y'", false, walkIn, wholesale, at(2, 1), 10, ""},
        {"fractions not displayed", 2, "NULL", true, walkIn, wholesale, at(2, 1), 10, ""},
        {"other search mode", 1, "'Y'", true, walkIn, wholesale, at(2, 1), 10, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setConfig(QStringLiteral("SearchProductNo = %1, DisplayFraction = %2")
                      .arg(c.searchProductNo)
                      .arg(QLatin1String(c.displayFraction)));
        product->setPrintFrac(c.printFrac);
        EXPECT_DOUBLE_EQ(product->GetPrice(c.customer, shop::water, shop::pce, c.priceType, c.date), c.price);
        EXPECT_EQ(product->PriceDiscount(), QString::fromLatin1(c.discount));
    }
    setConfig(QStringLiteral("SearchProductNo = 2, DisplayFraction = 'Y'"));
    product->setPrintFrac(true);
    product->GetPrice(walkIn, shop::water, shop::pce, retail, at(2, 1));
    EXPECT_EQ(product->QStockUnitPrice().field(QStringLiteral("Fraction")).asInteger(), 12);
    EXPECT_EQ(product->QStockUnitPrice().field(QStringLiteral("Id")).asInteger(), shop::box);
}

TEST_P(PriceTest, project_prices_carry_the_customer_quantity_and_the_project_price_last)
{
    exec(QStringLiteral(
        "INSERT INTO CustomerProductPriceProject (product, productunits, customer, project, price, discount) "
        "VALUES (1, 11, 6, 40, 9.25, '7%'), (1, 11, 5, 40, 0, NULL)"));
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
        EXPECT_DOUBLE_EQ(product->GetProjectPrice(c.customer, shop::water, shop::pce, c.priceType, c.project, c.date),
                         c.price);
        EXPECT_EQ(product->PriceDiscount(), QString::fromLatin1(c.discount));
        EXPECT_EQ(product->PriceQuantity(), c.quantity);
    }
}

TEST_P(PriceTest, purchase_prices_come_from_the_vendor_or_the_unit_in_the_vendor_currency)
{
    exec(QStringLiteral("INSERT INTO Misc (Id, GroupCode, Code, Description) VALUES (901, 'CURRENCY', 'THB', 'บาท'), "
                        "(902, 'CURRENCY', 'usd', 'Dollar'), (903, 'CURRENCY', 'EUR', 'Euro')"));
    exec(QStringLiteral("INSERT INTO vendor (Id, Code, Name, VendorCurrency) VALUES (70, 'V70', 'Thai', 901), "
                        "(71, 'V71', 'US', 902), (72, 'V72', 'EU', 903), (73, 'V73', 'None', NULL)"));
    exec(QStringLiteral(
        "UPDATE ProductUnits SET PurcPriceBaht = 96, PurcPriceUsd = 2.75, PurcPriceKip = 50000 WHERE Id = 12"));
    exec(QStringLiteral("INSERT INTO PartSource (Product, Vendor, ProductUnits, Price) VALUES (1, 71, 11, 0.25)"));
    struct Case
    {
        const char* what;
        int vendor;
        int unit;
        double price;
    };
    const Case cases[] = {
        {"vendor's own price", 71, shop::pce, 0.25},
        {"baht column", 70, shop::box, 96},
        {"dollar column, code in any case", 71, shop::box, 2.75},
        {"no column for the currency", 72, shop::box, 0},
        {"vendor without currency", 73, shop::box, -1},
        {"unknown vendor", 99, shop::box, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(product->SetPurchasePrice(shop::water, c.vendor, c.unit, -1), c.price);
    }
}

KVR_INSTANTIATE_BACKENDS(PriceTest);
