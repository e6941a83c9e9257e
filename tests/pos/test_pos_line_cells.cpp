// The cells of a line: entering them, leaving them and searching them.
#include "SaleFixture.h"

#include "products/ProductSearchDialogs.h"

#include <utility>

namespace kvr::test {
namespace {

using namespace pos_shop;

// The dialogs behind F5 answered from a script: what was asked, and the row the cashier picks.
class PickingDialogs : public products::ProductSearchDialogs
{
public:
    bool searchProduct(QString&) override { return false; }
    bool searchLotNo(QString& chosen) override { return pick("any lot", 0, chosen); }
    bool searchProductLotNo(int productId, QString& chosen) override { return pick("lot", productId, chosen); }
    bool searchWarehouse(QString& chosen) override { return pick("warehouse", 0, chosen); }
    bool searchProductBarCode(QString&) override { return false; }
    bool searchUnitName(int productId, products::UnitRole role, QString& chosen) override
    {
        return pick(role == products::UnitRole::Sale ? "sale unit" : "unit, not for sale", productId, chosen);
    }
    bool searchLotOnHand(int productId, int year, int, QString& code, int& id) override
    {
        id = 2;
        return pick(year == 2026 ? "lot on hand" : "lot on hand, wrong year", productId, code);
    }
    bool searchWarehouseOnHand(int productId, QString& chosen) override
    {
        return pick("warehouse on hand", productId, chosen);
    }

    QString answer;
    QStringList asked;

private:
    bool pick(const char* dialog, int productId, QString& chosen)
    {
        asked << QStringLiteral("%1 %2").arg(QString::fromLatin1(dialog)).arg(productId);
        chosen = answer;
        return true;
    }
};

class PosLineCells : public SaleFixture
{
protected:
    void type(pos::TFrPos& s, const char* field, const QString& text)
    {
        s.QDt().edit();
        s.QDt().setValue(QString::fromLatin1(field), text);
    }
};

TEST_P(PosLineCells, LeavingACellChecksItAgain)
{
    // Water under lot and serial control; lot L1 holds 5 in BACK (the bill's warehouse), L2 nothing.
    exec(QStringLiteral("UPDATE Product SET LotControl = 'Y', UseSerial = 'Y', CheckSerialOnhand = 'Y' WHERE Id = 1"));
    exec(QStringLiteral("INSERT INTO LotNo (Id, Code, HasExpired) VALUES (1, 'L1', 'N'), (2, 'L2', 'N')"));
    insertRows("LotOnHand (Product, LotNo, Warehouse, BalanceYear, Quantity)",
               {{1, 1, 2, 2026, 5}, {1, 2, 1, 2026, 9}});
    pos::TFrPos& s = newCashBill();
    // A blank code moves on to the quantity and leaves the line alone.
    s.ProductCodeExit();
    EXPECT_EQ(gridField, QStringLiteral("Quantity"));
    EXPECT_TRUE(s.QDt().field(QStringLiteral("Product")).isNull());
    // The line takes the bill's warehouse, BACK, where L1 is.
    type(s, "ProductCode", QStringLiteral("P001"));
    s.ProductCodeExit();

    const struct
    {
        const char* field;
        const char* typed;
        const char* message; // empty: none
        const char* idField;
        int id; // 0: emptied, with its cell
    } cases[] = {
        {"LotNoCode", "L1", "", "LotNo", 1},         {"LotNoCode", "L2", "ไม่มีสินค้าP001ใน LotNo. L2", "LotNo", 2},
        {"LotNoCode", "L9", "", "LotNo", 0},         {"Serial", "SN-9", "ไม่พบ Serial No. SN-9", "SerialNo", 0},
        {"WhCode", "MAIN", "", "Warehouse", mainWh}, {"WhCode", "XX", "", "Warehouse", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString field = QString::fromLatin1(c.field);
        type(s, c.field, QString::fromLatin1(c.typed));
        EXPECT_EQ(toldBy(c.message[0] != '\0', [&] { s.DgDtColExit(field); }), QString::fromUtf8(c.message));
        EXPECT_EQ(s.QDt().field(QString::fromLatin1(c.idField)).asInteger(), c.id);
        if (field != QLatin1String("Serial")) {
            EXPECT_EQ(s.QDt().field(field).asString(), c.id > 0 ? QString::fromLatin1(c.typed) : QString());
        }
    }

    // A line without lot or serial control keeps neither.
    exec(QStringLiteral("UPDATE Product SET LotControl = 'N', UseSerial = 'N' WHERE Id = 1"));
    type(s, "ProductCode", QStringLiteral("P002"));
    s.ProductCodeExit();
    for (const char* field : {"LotNoCode", "Serial"}) {
        SCOPED_TRACE(field);
        type(s, field, QStringLiteral("L1"));
        s.DgDtColExit(QString::fromLatin1(field));
        EXPECT_TRUE(s.QDt().field(QString::fromLatin1(field)).asString().isEmpty());
    }
}

TEST_P(PosLineCells, ATypedPriceIsTakenOrRefusedAndSetBack)
{
    pos::TFrPos& s = newCashBill();
    type(s, "ProductCode", QStringLiteral("P001"));
    s.ProductCodeExit();
    type(s, "Price", QStringLiteral("12.5"));
    EXPECT_EQ(toldBy(false, [&] { s.lineEntry().leavePrice(); }), QString());
    const std::pair<const char*, const char*> refused[] = {
        {"abc", "ราคาต้องเป็นตัวเลข\r(abc)"},
        {"-1", "ราคาต้องไม่ติดลบ\r(-1)"},
        {"10000001", "ราคาเกินกว่าที่รับได้\rสูงสุดไม่เกิน 10000000\r(10000001)"},
    };
    for (const auto& [typed, told] : refused) {
        SCOPED_TRACE(typed);
        type(s, "Price", QString::fromUtf8(typed));
        EXPECT_EQ(toldBy(true, [&] { s.lineEntry().leavePrice(); }), QString::fromUtf8(told));
        EXPECT_EQ(s.QDt().field(QStringLiteral("Price")).asFloat(), 12.5) << "set back to the price taken";
    }
}

TEST_P(PosLineCells, SearchesOfTheCellsFillThem)
{
    exec(QStringLiteral("INSERT INTO LotNo (Id, Code, HasExpired) VALUES (1, 'L1', 'N'), (2, 'L2', 'N')"));
    insertRows("ProductPrice (Product, ProductUnits, PriceType, Price)", {{4, 41, 0, 2}, {4, 42, 0, 20}});
    PickingDialogs dialogs;
    product->setSearchDialogs(&dialogs);
    pos::TFrPos& s = newCashBill();
    type(s, "ProductCode", QStringLiteral("P004"));
    s.ProductCodeExit();
    // The machine's warehouse on the header: the line's warehouse is not searched.
    EXPECT_FALSE(s.DgDtSearch(QStringLiteral("WhCode")));
    s.QHd().edit();
    s.QHd().setValue(QStringLiteral("Warehouse"), QVariant());

    const struct
    {
        const char* config; // SearchWHShowStock / SearchLotShowStock
        const char* column; // searched, and filled with the answer
        const char* answer;
        const char* asked;
        const char* idField;
        int id;
    } cases[] = {
        {"SearchWHShowStock = 'Y'", "WhCode", "MAIN", "warehouse on hand 4", "Warehouse", mainWh},
        {"SearchWHShowStock = 'N'", "WhCode", "BACK", "warehouse 0", "Warehouse", backWh},
        {"SearchLotShowStock = 'Y'", "LotNoCode", "L2", "lot on hand 4", "LotNo", 2},
        {"SearchLotShowStock = 'N'", "LotNoCode", "L1", "lot 4", "LotNo", 1},
        {"SearchLotShowStock = 'N'", "UnitName", "โหล", "sale unit 4", "ProductUnits", 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        setConfig(QString::fromLatin1(c.config));
        dialogs.answer = QString::fromUtf8(c.answer);
        dialogs.asked.clear();
        EXPECT_TRUE(s.DgDtSearch(QString::fromLatin1(c.column)));
        EXPECT_EQ(dialogs.asked, QStringList{QString::fromLatin1(c.asked)});
        EXPECT_EQ(s.QDt().field(QString::fromLatin1(c.column)).asString(), QString::fromUtf8(c.answer));
        EXPECT_EQ(s.QDt().field(QString::fromLatin1(c.idField)).asInteger(), c.id);
    }
    EXPECT_DOUBLE_EQ(s.QDt().field(QStringLiteral("Price")).asFloat(), 20) << "the unit chosen re-prices the line";
    product->setSearchDialogs(nullptr);
}

KVR_INSTANTIATE_BACKENDS(PosLineCells);

} // namespace
} // namespace kvr::test
