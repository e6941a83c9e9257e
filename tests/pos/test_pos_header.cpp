#include "PosFixture.h"

using kvr::pos::PosFocus;

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosHeader : public PosFixture
{
protected:
    data::Field hd(const char* field) { return pos->QHd().field(QString::fromLatin1(field)); }
};

TEST_P(PosHeader, DateBeyondTheNextYearIsReplacedAndALockedPeriodStopsSaving)
{
    pos::TFrPos& screen = newBill();
    struct
    {
        QDateTime typed;
        bool refused, locked;
    } const cases[] = {
        {QDateTime(QDate(2028, 1, 2), QTime()), true, false},
        {QDateTime(), true, false},
        {QDateTime(QDate(2026, 5, 20), QTime()), false, true},
        {QDateTime(QDate(2026, 6, 20), QTime()), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toString(Qt::ISODate).toStdString());
        const QString told = toldBy(c.refused || c.locked, [&] { screen.FaGetDate1DocDateExit(c.typed); });
        if (c.refused) {
            EXPECT_EQ(told, QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
            EXPECT_EQ(screen.focus(), PosFocus::DocDate);
            EXPECT_LE(qAbs(hd("PosDate").asDateTime().secsTo(QDateTime::currentDateTime())), 120);
        } else {
            EXPECT_EQ(hd("PosDate").asDateTime(), c.typed);
        }
        EXPECT_EQ(screen.AcSave().isEnabled(), !c.locked);
    }
}

TEST_P(PosHeader, WarehouseTypedInTheHeaderGoesIntoEveryLine)
{
    // What a code resolves to is the lookup frames' test.
    pos::TFrPos& screen = newBill({{1, 10, "", 7}, {2, 10, "", 7}});
    screen.FaGetWarehouse1WarehouseExit(QStringLiteral("nowhere"));
    EXPECT_TRUE(hd("Warehouse").isNull());
    EXPECT_TRUE(screen.QDt().fieldAt(0, QStringLiteral("Warehouse")).isNull());

    screen.FaGetWarehouse1WarehouseExit(QStringLiteral(" main "));
    EXPECT_EQ(hd("Warehouse").asInteger(), mainWh);
    EXPECT_EQ(screen.headerTexts().warehouseCode, QStringLiteral("MAIN"));
    EXPECT_EQ(rowsOf(screen.QDt(), "Warehouse WhCode"), QStringList(2, QStringLiteral("Warehouse=1 WhCode=MAIN")));
    EXPECT_EQ(screen.QDt().recNo(), 1);
    const auto& columns = screen.columns();
    const auto wh = std::find_if(columns.begin(), columns.end(), [](const auto& c) { return c.field == "WhCode"; });
    ASSERT_NE(wh, columns.end());
    EXPECT_TRUE(wh->readOnly);
}

TEST_P(PosHeader, PagesAreEnteredOnlyWithACompleteHeader)
{
    struct
    {
        QVariant salesman, customer, taxCode;
        const char* message;
        PosFocus focus;
    } const cases[] = {
        {QVariant(), QVariant(), vat7, "ท่านยังไม่ได้ป้อนรหัสลูกค้า", PosFocus::Customer},
        {0, cashCustomer, vat7, "ยังไม่ได้ระบุพนักงานขาย", PosFocus::Salesman},
        {somsri, cashCustomer, QVariant(), "ยังไม่ได้ระบุรหัสภาษี", PosFocus::Customer},
        {somsri, QVariant(), vat7, nullptr, PosFocus::Grid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "complete");
        pos::TFrPos& screen = newBill();
        screen.QHd().setValue(QStringLiteral("Salesman"), c.salesman);
        screen.QHd().setValue(QStringLiteral("Customer"), c.customer);
        screen.QHd().setValue(QStringLiteral("TaxCode"), c.taxCode);
        bool entered = false;
        EXPECT_EQ(toldBy(c.message != nullptr, [&] { entered = screen.PosPageEnter(); }), QString::fromUtf8(c.message));
        EXPECT_EQ(entered, c.message == nullptr);
        EXPECT_EQ(screen.focus(), c.focus);
        EXPECT_EQ(screen.controls().warehouseEnabled, c.message != nullptr);
    }
}

TEST_P(PosHeader, ReceiptPageFillsCashOnlyForANewUnpaidBill)
{
    pos::TFrPos& screen = newBill({{2, 50, "", 7}});
    screen.CalculateAll();
    // The total proposed as cash is the window test's; cash the cashier typed stays.
    screen.QHd().setValue(QStringLiteral("Cash"), 500.0);
    screen.showReceiptPage();
    EXPECT_EQ(hd("Cash").asFloat(), 500.0);

    insertBill(waterBill(QStringLiteral("     101"), 1, 107));
    exec(QStringLiteral("UPDATE PosHd SET Cash = 50, CardAmount = 57 WHERE PosNo = '     101'"));
    screen.headerTexts().posNo = QStringLiteral("101");
    screen.PosNoExit();
    screen.showReceiptPage();
    EXPECT_EQ(hd("Cash").asFloat(), 50.0) << "a recalled bill keeps what it was paid";
}

TEST_P(PosHeader, ColumnLayoutFollowsTheCurrentLineAndTheUser)
{
    // The rules themselves are the grid columns' test; the screen hands them the current line and
    // the user, whose price right is written 'y' and so is none. The right proper is proven by
    // typing a price in the window test.
    pos::TFrPos& screen = newBill({{1, 10, "", 7}});
    screen.QDt().setValue(QStringLiteral("UseSerial"), QStringLiteral("Y"));
    // A bill without a header warehouse (the frame itself never takes an empty code).
    screen.QHd().setValue(QStringLiteral("Warehouse"), QVariant());
    screen.SetDgDtColumn();
    QStringList readOnly;
    for (const auto& column : screen.columns()) {
        if (column.readOnly)
            readOnly << column.field;
    }
    EXPECT_EQ(readOnly, QStringList({"PosName", "Quantity", "Price", "DiscountAmt", "Total"}));
    EXPECT_EQ(screen.columns().front().title, QStringLiteral("Product(BarCode)"));
    // The titles follow the user's language.
    switchUser(1);
    pos::TFrPos& thai = newBill({{1, 10, "", 7}});
    thai.SetDgDtColumn();
    EXPECT_EQ(thai.columns().front().title, QStringLiteral("รหัสสินค้า(BarCode)"));
}

TEST_P(PosHeader, RecalledBillShowsItsHeaderAndKeepsItsTaxAndSalesmanForAnotherCustomer)
{
    const int id = insertBill(waterBill(QStringLiteral("     101"), 1, 107));
    exec(QStringLiteral("UPDATE PosHd SET Department = 3 WHERE Id = %1").arg(id));
    // Blocked since the sale: the bill still shows who bought.
    exec(QStringLiteral("UPDATE Customer SET Blocked = 'Y' WHERE Id = 1"));
    pos::TFrPos& screen = recall(this->screen(), QStringLiteral("101"));
    const pos::PosHeaderTexts& texts = screen.headerTexts();
    EXPECT_EQ(QStringList({texts.customerCode, texts.customerName, texts.salesmanCode, texts.warehouseCode,
                           texts.departmentCode}),
              QStringList({"CASH", "Cash customer", "S01", "MAIN", "FRONT"}));
    EXPECT_EQ(hd("Customer").asInteger(), cashCustomer) << "showing the bill changes nothing in it";
    // Another customer for it keeps the tax and salesman it was sold with.
    screen.FaGetCustomer1CustomerExit(QStringLiteral("C002"));
    EXPECT_EQ(fieldsOf(screen.QHd(), "Customer TaxCode Salesman"), QStringLiteral("Customer=2 TaxCode=1 Salesman=1"));

    // The next new bill starts without them.
    screen.AcNewExecute();
    EXPECT_EQ(screen.headerTexts().customerCode, QString());
    EXPECT_EQ(screen.customerFrame().lookup().description(), QString());
}

TEST_P(PosHeader, SuspendedSalesmanLeavesTheBillWithoutOneUntilTheCustomerGivesOne)
{
    exec(QStringLiteral("INSERT INTO Salesman (Code, Name, Status) VALUES ('S09', 'ลาออก', 'N')"));
    // The machine's salesman S01 to begin with.
    pos::TFrPos& screen = newBill();
    // The refusal's text is the lookup frames' test.
    toldBy(true, [&] { screen.FaGetSalesman1SalesmanExit(QStringLiteral("S09")); });
    EXPECT_TRUE(hd("Salesman").isNull());
    EXPECT_EQ(screen.headerTexts().salesmanCode, QString());
    // The customer's salesman then shows in the frame, name and all.
    screen.FaGetCustomer1CustomerExit(QStringLiteral("CASH"));
    EXPECT_EQ(hd("Salesman").asInteger(), wichai);
    EXPECT_EQ(screen.salesmanFrame().lookup().description(), QStringLiteral("วิชัย"));
}

KVR_INSTANTIATE_BACKENDS(PosHeader);

} // namespace
} // namespace kvr::test
