#include "SaleFixture.h"

#include "products/QuantityTexts.h"

#include <utility>

namespace kvr::test {
namespace {

using namespace pos_shop;

constexpr int bottle = 11, carton = 12, screwPiece = 41;
const QString kWaterBottle = QStringLiteral("8850001000011");
const QString kWaterCarton = QStringLiteral("8850001000028");

class PosLines : public SaleFixture
{
protected:
    void SetUp() override
    {
        SaleFixture::SetUp();
        if (IsSkipped())
            return;
        // A carton of 12 bottles with its own barcode, and list prices.
        insertRows("ProductUnits (Id, Product, UnitName, Fraction, BarCode, SaleFlag, StockUnitFlag, SmallUnitFlag)",
                   {{carton, water, "ลัง", 12, kWaterCarton, "Y", "N", "N"}});
        insertRows("ProductPrice (Product, ProductUnits, PriceType, Price)",
                   {{1, 11, 0, 10}, {1, 12, 0, 110}, {2, 21, 0, 185}, {3, 31, 0, 500}, {4, 41, 0, 2}, {4, 42, 0, 20}});
    }

    // Bill 7, saved earlier with 2 bottles of water from MAIN, where 3 are left of a product that
    // may not go below zero.
    void twoBottlesSavedOnBillSeven()
    {
        exec(QStringLiteral("UPDATE Product SET Negative = 'N' WHERE Id = 1"));
        stock({{water, bottle, mainWh, 2026, 3}});
        insertBill(waterBill(QStringLiteral("       7"), 2, 10, QDate(2026, 6, 15)));
    }
    void stock(const std::vector<QVariantList>& rows)
    {
        insertRows("ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity)", rows);
    }
    // The cashier types or scans a code into the product cell and leaves it.
    void type(pos::TFrPos& s, const QString& code)
    {
        s.QDt().edit();
        s.QDt().setValue(QStringLiteral("ProductCode"), code);
        s.ProductCodeExit();
    }
    void typeUnit(pos::TFrPos& s, const QString& unit)
    {
        s.QDt().edit();
        s.QDt().setValue(QStringLiteral("UnitName"), unit);
        s.FrPOS();
    }
    QString text(pos::TFrPos& s, const char* field) { return s.QDt().field(QString::fromLatin1(field)).asString(); }
    double number(pos::TFrPos& s, const char* field) { return s.QDt().field(QString::fromLatin1(field)).asFloat(); }
    int id(pos::TFrPos& s, const char* field) { return s.QDt().field(QString::fromLatin1(field)).asInteger(); }
};

TEST_P(PosLines, AScanCompletesItsLineOpensTheNextAndACartonChangesTheUnit)
{
    // Every scan takes this way; three barcodes one after another are the window test's.
    setConfig(QStringLiteral("PosUseBarCode = 'Y'"));
    product->setUseBarCode(true);
    pos::TFrPos& s = newCashBill();
    type(s, kWaterBottle);
    EXPECT_EQ(gridField, QStringLiteral("ProductCode"));
    data::CachedDataset& dt = s.QDt();
    ASSERT_EQ(dt.recordCount(), 2);
    EXPECT_EQ(dt.recNo(), 1);
    // The header's warehouse (the machine's, BACK) goes with the line.
    EXPECT_EQ(fieldsOf(dt, "ProductCode Product ProductUnits Quantity Price Warehouse", 0),
              QStringLiteral("ProductCode=8850001000011 Product=1 ProductUnits=11 Quantity=1 Price=10 Warehouse=2"));

    // The carton's barcode over the first line's bottle: the same product, no new line.
    dt.setRecNo(0);
    s.SetDgDtColumn();
    type(s, kWaterCarton);
    EXPECT_EQ(dt.recordCount(), 2);
    EXPECT_EQ(dt.recNo(), 0);
    EXPECT_EQ(fieldsOf(dt, "Quantity ProductUnits UnitName Fraction Price"),
              QStringLiteral("Quantity=1 ProductUnits=12 UnitName=ลัง Fraction=12 Price=110"));
}

TEST_P(PosLines, RetypingTheSameCodeKeepsTheLineOnlyForGoods)
{
    const struct
    {
        pos::PosMode mode;
        const char* code;
        double listPrice;
        bool keeps;
    } cases[] = {{pos::PosMode::Goods, "P001", 10, true},
                 {pos::PosMode::Service, "S001", 500, false},
                 {pos::PosMode::Misc, "P001", 10, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.mode));
        pos::TFrPos& s = newCashBill(c.mode);
        type(s, QString::fromLatin1(c.code));
        EXPECT_DOUBLE_EQ(number(s, "Price"), c.listPrice);
        const int firstUnit = id(s, "ProductUnits");
        if (c.mode == pos::PosMode::Goods) {
            typeUnit(s, QStringLiteral("ลัง"));
            EXPECT_DOUBLE_EQ(number(s, "Price"), 110);
        }
        // The cashier's own price and discount.
        s.QDt().setValue(QStringLiteral("Price"), 99.0);
        s.QDt().setValue(QStringLiteral("Discount"), QStringLiteral("3%"));
        s.SetDgDtColumn();
        type(s, QString::fromLatin1(c.code));
        EXPECT_DOUBLE_EQ(number(s, "Price"), c.keeps ? 99 : c.listPrice);
        EXPECT_EQ(id(s, "ProductUnits"), c.keeps ? carton : firstUnit);
        EXPECT_EQ(text(s, "Discount"), QStringLiteral("3%"));
        EXPECT_EQ(s.QDt().field(QStringLiteral("Warehouse")).isNull(), c.mode != pos::PosMode::Goods);
    }
}

TEST_P(PosLines, DiscountTextsComeFromProductCustomerAndPriceRowsAndAccumulate)
{
    exec(QStringLiteral("UPDATE Product SET Discount = 5, PriceIE = 'I' WHERE Id IN (1, 2)"));
    const struct
    {
        const char* name;
        const char* customerText;
        const char* priceRowText; // customer price rows of water and rice, price 0 keeps the list price
        bool special; // Config special discount "1%" for VAT-inclusive products
        const char* water; // the line after water
        const char* thenRice; // the same line after rice typed over it
    } cases[] = {
        {"product default", "", "", false, "5%", "5%"},
        {"customer text wins", "10%", "", false, "10%", "10%"},
        {"price row appended", "", "2%", false, "5%2%", "5%2%2%"},
        {"special appended", "", "", true, "5%1%", "5%1%1%"},
        {"all", "10%", "2%", true, "10%2%1%", "10%2%1%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        exec(QStringLiteral("UPDATE Customer SET DiscountStr = '%1' WHERE Id = 1")
                 .arg(QString::fromUtf8(c.customerText)));
        exec(QStringLiteral("DELETE FROM customerproductprice"));
        if (c.priceRowText[0])
            insertRows("customerproductprice (customer, product, productunits, price, quantity, discount)",
                       {{1, water, 11, 0, 0, c.priceRowText}, {1, rice, 21, 0, 0, c.priceRowText}});
        setConfig(c.special ? QStringLiteral("UseSpecialDisc = 'Y', ProductPriceIE = 'Y', SpecialDiscStr = '1%'")
                            : QStringLiteral("UseSpecialDisc = 'N'"));
        pos::TFrPos& s = newCashBill();
        type(s, QStringLiteral("P001"));
        EXPECT_EQ(text(s, "Discount"), QString::fromLatin1(c.water));
        type(s, QStringLiteral("P002"));
        EXPECT_EQ(text(s, "Discount"), QString::fromLatin1(c.thenRice));
        EXPECT_DOUBLE_EQ(number(s, "Price"), 185);
    }
}

TEST_P(PosLines, StockIsRefusedBeyondWhatIsThereAndWhatTheRecalledBillTook)
{
    twoBottlesSavedOnBillSeven();
    stock({{water, bottle, backWh, 2026, 50}});
    pos::TFrPos& s = recall(screen(), QStringLiteral("7"));
    products::QuantityTexts texts(*dm);
    const QString refused = QStringLiteral("จำนวนสินค้าไม่พอขาย \rจะขายได้สูงสุดไม่เกิน \r");

    // Stock 3 in MAIN, and the bill took 2 of it already: up to 5 on its line.
    const struct
    {
        double typed;
        double left;
    } cases[] = {{5, 5}, {6, 2}, {1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        s.QDt().setRecNo(0);
        s.QDt().edit();
        s.QDt().setValue(QStringLiteral("Quantity"), c.typed);
        const bool told = c.left != c.typed;
        EXPECT_EQ(toldBy(told, [&] { s.QuantityExit(); }), told ? refused + texts.ProductQuantityText(water, 5) : "");
        EXPECT_DOUBLE_EQ(number(s, "Quantity"), c.left);
    }
    // A second line of the same product shares the stock: 1 + 5 is more than 5.
    s.QDt().append();
    type(s, QStringLiteral("P001"));
    s.QDt().setValue(QStringLiteral("Quantity"), 5.0);
    EXPECT_EQ(toldBy(true, [&] { s.QuantityExit(); }), refused + texts.ProductQuantityText(water, 4));
    EXPECT_DOUBLE_EQ(number(s, "Quantity"), 1) << "back to the quantity the line had, which fits";

    // A product that may go negative is never checked.
    exec(QStringLiteral("UPDATE Product SET Negative = 'Y' WHERE Id = 1"));
    product->ExistsProduct(QStringLiteral("P002"));
    s.QDt().setValue(QStringLiteral("Quantity"), 40.0);
    EXPECT_EQ(toldBy(false, [&] { s.QuantityExit(); }), QString());
    EXPECT_DOUBLE_EQ(number(s, "Quantity"), 40);
}

TEST_P(PosLines, UnknownCodeOrUnitIsSetBackAndAUnitChangeReprices)
{
    pos::TFrPos& s = newCashBill();
    // An unknown code empties its cell without a message.
    type(s, QStringLiteral("NOPE"));
    EXPECT_EQ(id(s, "Product"), 0);
    EXPECT_TRUE(text(s, "ProductCode").isEmpty());
    type(s, QStringLiteral("P004"));
    ASSERT_EQ(id(s, "ProductUnits"), screwPiece);
    const std::pair<const char*, const char*> cases[] = {
        {"โหล", "ProductUnits=42 UnitName=โหล Fraction=12 Price=20"},
        {"ตัว", "ProductUnits=41 UnitName=ตัว Fraction=1 Price=2"},
        {"ลัง", "ProductUnits=41 UnitName=ตัว Fraction=1 Price=2"}, // a unit of another product: back to the piece
    };
    for (const auto& [typed, line] : cases) {
        SCOPED_TRACE(typed);
        typeUnit(s, QString::fromUtf8(typed));
        EXPECT_EQ(fieldsOf(s.QDt(), "ProductUnits UnitName Fraction Price"), QString::fromUtf8(line));
    }
    // The same through the cell re-check of the grid.
    s.SetDgDtColumn();
    s.QDt().setValue(QStringLiteral("UnitName"), QStringLiteral("กล่อง"));
    s.DgDtColExit(QStringLiteral("UnitName"));
    EXPECT_EQ(text(s, "UnitName"), QStringLiteral("ตัว"));
    EXPECT_EQ(id(s, "ProductUnits"), screwPiece);
}

TEST_P(PosLines, StatusBarShowsStockInAllWarehousesOneWarehouseAndReserved)
{
    stock({{water, bottle, mainWh, 2026, 3}, {water, bottle, backWh, 2026, 4}, {water, bottle, mainWh, 2025, 100}});
    insertRows("sodt (SoHd, SoDate, Product, BackOrder)",
               {{1, QDate(2026, 6, 1).startOfDay(), water, 2}, {1, QDate(2026, 7, 1).startOfDay(), water, 5}});
    pos::TFrPos& s = newCashBill();
    type(s, QStringLiteral("P001"));
    EXPECT_EQ(s.statusText(1), QStringLiteral("คงเหลือรวมทุกคลัง ") + product->ProductQuantity(water, 2026));

    setConfig(QStringLiteral("ShowBackOrder = 'Y'"));
    type(s, QStringLiteral("P001"));
    EXPECT_EQ(s.statusText(1),
              QStringLiteral("คงเหลือรวมทุกคลัง ") + product->ShowQuantity(water, 7) + QStringLiteral(" (จอง=") +
                  product->ShowQuantity(water, 2) + QLatin1Char(')'));

    s.QDt().setValue(QStringLiteral("WhCode"), QStringLiteral("main"));
    s.WhCodeExit();
    EXPECT_EQ(s.statusText(1), QStringLiteral("คงเหลือคลัง MAIN ") + product->ShowQuantity(water, 3));
}

TEST_P(PosLines, ProductSearchFillsTheLineAndAppendsTheRest)
{
    pos::TFrPos& s = newCashBill();
    s.setProductSearch([](const QString&, QStringList& codes) {
        codes = {QStringLiteral("P002"), QStringLiteral("P001"), QStringLiteral("P004")};
        return true;
    });
    EXPECT_TRUE(s.DgDtSearch(QStringLiteral("ProductCode")));
    data::CachedDataset& dt = s.QDt();
    EXPECT_EQ(rowsOf(dt, "Product"), QStringList({"Product=2", "Product=1", "Product=4"}));
    EXPECT_EQ(dt.recNo(), 0);
    EXPECT_EQ(gridField, QStringLiteral("ProductCode"));
    EXPECT_DOUBLE_EQ(s.QHd().field(QStringLiteral("Total")).asFloat(), 197);
}

TEST_P(PosLines, SerialCellRefusesUnknownSoldAndAlreadyEnteredPieces)
{
    insertRows("SerialNo (Product, Serial, OnHand)",
               {{water, "SN-1", "Y"}, {water, "SN-2", "N"}, {water, "SN-3", "Y"}});
    pos::TFrPos& screen =
        billWith({{water, 1, 100, mainWh, QStringLiteral("SN-1")}, {water, 1, 100, mainWh, QStringLiteral("x")}});
    data::CachedDataset& dt = screen.QDt();

    struct
    {
        const char* typed;
        const char* message; // empty: accepted
        bool kept; // the cell keeps the text
    } const cases[] = {
        {"SN-9", "ไม่พบ Serial SN-9", true},
        {"SN-2", "Serial SN-2 ถูกตัดไปแล้ว", true},
        {"SN-1", "Serial SN-1 ถูกป้อนในรายการที่ 1 ของบิลนี้แล้ว", false},
        {"SN-3", "", true},
    };
    // Each case starts from the piece the line held before: a refused serial must not leave it.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dt.setRecNo(1);
        dt.setValue(QStringLiteral("Serial"), QString::fromLatin1(c.typed));
        const bool accepted = c.message[0] == '\0';
        EXPECT_EQ(toldBy(!accepted, [&] { screen.SerialExit(); }), QString::fromUtf8(c.message));
        EXPECT_EQ(dt.field(QStringLiteral("SerialNo")).isNull(), !accepted);
        EXPECT_EQ(dt.field(QStringLiteral("Serial")).asString(), c.kept ? QString::fromLatin1(c.typed) : QString());
    }
    // A product that registers its pieces as they are sold takes a serial never seen before.
    exec(QStringLiteral("UPDATE Product SET UseSerial = 'Y', CheckSerialOnhand = 'N' WHERE Id = 1"));
    dt.setValue(QStringLiteral("Serial"), QStringLiteral("NEW-7"));
    screen.SerialExit();
    EXPECT_GT(dt.field(QStringLiteral("SerialNo")).asInteger(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM SerialNo WHERE Serial = 'NEW-7' AND OnHand = 'Y'")), 1);
}

TEST_P(PosLines, DeletedLineOfARecalledBillGivesBackWhatItTook)
{
    twoBottlesSavedOnBillSeven();
    pos::TFrPos& s = recall(screen(), QStringLiteral("7"));
    // A new line typed first, then the cashier goes up to the recalled line and deletes it: its 2
    // bottles are back on the shelf, so 5 can be sold on the new line.
    s.QDt().append();
    type(s, QStringLiteral("P001"));
    s.QDt().setRecNo(0);
    s.BtDeleteLineClick();
    ASSERT_EQ(s.QDt().recordCount(), 1);
    s.QDt().setValue(QStringLiteral("Quantity"), 5.0);
    s.QuantityExit();
    EXPECT_DOUBLE_EQ(number(s, "Quantity"), 5);
    s.QDt().setValue(QStringLiteral("Quantity"), 6.0);
    EXPECT_TRUE(toldBy(true, [&] { s.QuantityExit(); }).startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
}

TEST_P(PosLines, RecalledBillKeepsThePieceItSold)
{
    exec(QStringLiteral("UPDATE Product SET UseSerial = 'Y' WHERE Id = 1"));
    insertRows("SerialNo (Product, Serial, OnHand)", {{water, "SN-5", "N"}});
    insertBill(waterBill(QStringLiteral("       7"), 1, 10, QDate(2026, 6, 15)));
    exec(QStringLiteral("UPDATE PosDt SET SerialNo = (SELECT Id FROM SerialNo WHERE Serial = 'SN-5')"));
    pos::TFrPos& s = recall(screen(), QStringLiteral("7"));
    ASSERT_EQ(text(s, "Serial"), QStringLiteral("SN-5"));
    // Sold by this very bill, so out of stock, and still its own: no message, and the line stays
    // complete, which a serial line is only with its piece.
    s.SerialExit();
    EXPECT_TRUE(s.CheckComplete());
}

TEST_P(PosLines, UnitChangedOnAnEarlierLineIsPricedByThatLinesProduct)
{
    // Lines of products sold in their small unit are priced per stock unit.
    setConfig(QStringLiteral("SearchProductNo = 2, DisplayFraction = 'Y'"));
    pos::TFrPos& s = newCashBill();
    type(s, QStringLiteral("P004"));
    ASSERT_DOUBLE_EQ(number(s, "Price"), 20);
    typeUnit(s, QStringLiteral("โหล"));
    s.QDt().append();
    type(s, QStringLiteral("P001")); // a product that is not
    s.QDt().setRecNo(0);
    s.SetDgDtColumn();
    typeUnit(s, QStringLiteral("ตัว"));
    EXPECT_EQ(s.QDt().field(QStringLiteral("ProductUnits")).asInteger(), 41);
    EXPECT_DOUBLE_EQ(number(s, "Price"), 20);
}

KVR_INSTANTIATE_BACKENDS(PosLines);

} // namespace
} // namespace kvr::test
