#include "PosFixture.h"

using kvr::pos::PosFocus;
using kvr::pos::PosMode;
using kvr::pos::PosPage;

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosHeader : public PosFixture
{
protected:
    pos::TFrPos& newBill(PosMode mode = PosMode::Goods)
    {
        pos::TFrPos& screen = this->screen(mode);
        screen.AcNewExecute();
        return screen;
    }
    data::Field hd(const char* field) { return pos->QHd().field(QString::fromLatin1(field)); }
};

TEST_P(PosHeader, RateIsTypedOnlyForAForeignCurrency)
{
    pos::TFrPos& screen = newBill();
    screen.CurrencyCloseUp(usd);
    EXPECT_EQ(hd("CurrencyId").asInteger(), usd);
    EXPECT_TRUE(screen.controls().rateEnabled);
    EXPECT_EQ(screen.focus(), PosFocus::Rate);
    screen.QHd().setValue(QStringLiteral("Rate"), 33.5);
    screen.CurrencyCloseUp(thb);
    EXPECT_EQ(hd("Rate").asFloat(), 1.0);
    EXPECT_FALSE(screen.controls().rateEnabled);
}

TEST_P(PosHeader, DateBeyondTheNextYearIsReplacedAndALockedPeriodStopsSaving)
{
    pos::TFrPos& screen = newBill();
    ASSERT_TRUE(screen.AcSave().isEnabled());
    struct
    {
        QDateTime typed;
        bool refused, locked;
    } const cases[] = {
        {QDateTime(QDate(2028, 1, 2), QTime()), true, false},
        {QDateTime(), true, false},
        {QDateTime(QDate(2026, 5, 20), QTime()), false, true},
        {QDateTime(QDate(2026, 6, 20), QTime()), false, false},
        {QDateTime(QDate(2027, 12, 31), QTime()), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toString(Qt::ISODate).toStdString());
        if (c.refused || c.locked)
            prompter.expectInformation();
        const size_t before = prompter.asked().size();
        screen.FaGetDate1DocDateExit(c.typed);
        ASSERT_EQ(prompter.asked().size(), before + (c.refused || c.locked ? 1 : 0));
        if (c.refused) {
            EXPECT_EQ(prompter.asked().back().text, QStringLiteral("วันที่ ไม่ถูกต้อง !!"));
            EXPECT_EQ(screen.focus(), PosFocus::DocDate);
            EXPECT_LE(qAbs(hd("PosDate").asDateTime().secsTo(QDateTime::currentDateTime())), 120);
        } else {
            EXPECT_EQ(hd("PosDate").asDateTime(), c.typed);
        }
        EXPECT_EQ(screen.AcSave().isEnabled(), !c.locked);
        EXPECT_FALSE(screen.AcDel().isEnabled());
    }
}

TEST_P(PosHeader, WarehouseGoesIntoEveryLine)
{
    pos::TFrPos& screen = newBill();
    newBillWithLines(screen, {{1, 10, "", 7}, {2, 10, "", 7}});
    screen.FaGetWarehouse1WarehouseExit(QStringLiteral("nowhere"));
    EXPECT_TRUE(hd("Warehouse").isNull());
    EXPECT_TRUE(screen.QDt().fieldAt(0, QStringLiteral("Warehouse")).isNull());

    screen.FaGetWarehouse1WarehouseExit(QStringLiteral(" main "));
    EXPECT_EQ(hd("Warehouse").asInteger(), mainWh);
    EXPECT_EQ(screen.headerTexts().warehouseCode, QStringLiteral("MAIN"));
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(screen.QDt().fieldAt(row, QStringLiteral("Warehouse")).asInteger(), mainWh);
        EXPECT_EQ(screen.QDt().fieldAt(row, QStringLiteral("WhCode")).asString(), QStringLiteral("MAIN"));
    }
    EXPECT_EQ(screen.QDt().recNo(), 1);
    const auto& columns = screen.columns();
    const auto wh = std::find_if(columns.begin(), columns.end(), [](const auto& c) { return c.field == "WhCode"; });
    ASSERT_NE(wh, columns.end());
    EXPECT_TRUE(wh->readOnly);
}

TEST_P(PosHeader, DepartmentResolvesItsCode)
{
    pos::TFrPos& screen = newBill();
    screen.FaGetDepartment1DepartmentExit(QStringLiteral("front"));
    EXPECT_EQ(hd("Department").asInteger(), frontDept);
    screen.FaGetDepartment1DepartmentExit(QString());
    EXPECT_TRUE(hd("Department").isNull());
    screen.FaGetDepartment1DepartmentExit(QStringLiteral("THB")); // a code of another group
    EXPECT_TRUE(hd("Department").isNull());
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
        if (c.message)
            prompter.expectInformation();
        EXPECT_EQ(screen.PosPageEnter(), c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(screen.focus(), c.focus);
        EXPECT_EQ(screen.controls().warehouseEnabled, c.message != nullptr);
    }
}

TEST_P(PosHeader, ReceiptPageFillsCashOnlyForANewUnpaidBill)
{
    pos::TFrPos& screen = newBill();
    newBillWithLines(screen, {{2, 50, "", 7}});
    screen.CalculateAll();
    screen.PosPageChange(PosPage::Receipt);
    EXPECT_FALSE(screen.controls().deleteLineEnabled);
    screen.ShowReceiptPage();
    EXPECT_EQ(hd("Cash").asFloat(), 100.0);
    EXPECT_EQ(screen.focus(), PosFocus::Cash);

    screen.QHd().setValue(QStringLiteral("Cash"), 500.0);
    screen.ShowReceiptPage();
    EXPECT_EQ(hd("Cash").asFloat(), 500.0);
    screen.PosPageChange(PosPage::Product);
    EXPECT_TRUE(screen.controls().deleteLineEnabled);

    insertBill({"P", "     101", QDate(2026, 6, 10), "I", vat7, 7, 0, 0, 107, 7, 107, 0, {{water, 11, 1, 107, "", vat7}}});
    screen.headerTexts().posNo = QStringLiteral("101");
    screen.PosNoExit();
    screen.ShowReceiptPage();
    EXPECT_TRUE(hd("Cash").isNull()) << "a recalled bill keeps what it was paid";
}

TEST_P(PosHeader, ColumnLayoutFollowsTheCurrentLineAndTheUser)
{
    struct
    {
        int user;
        QStringList readOnly;
        const char* firstTitle;
    } const cases[] = {
        {1, {"PosName", "Quantity", "DiscountAmt", "Total"}, "รหัสสินค้า(BarCode)"},
        {2, {"PosName", "Quantity", "Price", "DiscountAmt", "Total"}, "Product(BarCode)"}, // price right written 'y'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.user);
        switchUser(c.user);
        pos::TFrPos& screen = newBill();
        newBillWithLines(screen, {{1, 10, "", 7}});
        data::CachedDataset& dt = screen.QDt();
        dt.setValue(QStringLiteral("ProductCode"), QStringLiteral("P001"));
        dt.setValue(QStringLiteral("UnitName"), QStringLiteral("ขวด"));
        dt.setValue(QStringLiteral("UseSerial"), QStringLiteral("Y"));
        screen.FaGetWarehouse1WarehouseExit(QString());
        screen.SetDgDtColumn();
        EXPECT_EQ(screen.LastProductCode(), QStringLiteral("P001"));
        EXPECT_EQ(screen.LastUnitName(), QStringLiteral("ขวด"));
        EXPECT_EQ(screen.LastProductUnits(), 11);
        QStringList readOnly;
        for (const auto& column : screen.columns()) {
            if (column.readOnly)
                readOnly << column.field;
        }
        EXPECT_EQ(readOnly, c.readOnly);
        EXPECT_EQ(screen.columns().front().title, QString::fromUtf8(c.firstTitle));
    }
}

TEST_P(PosHeader, ToolbarClickFlipsTheLanguageOfCaptionsAndGridTitles)
{
    pos::TFrPos& screen = newBill(); // user 2 reads English
    int refreshed = 0;
    QObject::connect(&screen, &pos::TFrPos::captionsChanged, [&refreshed] { ++refreshed; });
    const struct
    {
        const char *page, *change, *billNo, *firstTitle;
    } languages[] = {{"Item List (F7)", "Change", " No# ", "Product(BarCode)"},
                     {"รายการสินค้า (F7)", "จำนวนเงินทอน", "เลขที่บิล", "รหัสสินค้า(BarCode)"}};
    for (int click = 0; click < 3; ++click) {
        SCOPED_TRACE(click);
        const auto& expected = languages[click % 2];
        screen.SetDgDtColumn();
        EXPECT_EQ(screen.captions().productPage, QString::fromUtf8(expected.page));
        EXPECT_EQ(screen.captions().change, QString::fromUtf8(expected.change));
        EXPECT_EQ(screen.captions().billNo, QString::fromUtf8(expected.billNo));
        EXPECT_EQ(screen.columns().front().title, QString::fromUtf8(expected.firstTitle));
        EXPECT_EQ(refreshed, click);
        screen.ToolBar1Click();
    }
}

KVR_INSTANTIATE_BACKENDS(PosHeader);

} // namespace
} // namespace kvr::test
