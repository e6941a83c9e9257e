#include "PosFixture.h"

using kvr::pos::PosFocus;
using kvr::pos::PosMode;

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosNewBill : public PosFixture
{
protected:
    data::Field hd(const char* field) { return pos->QHd().field(QString::fromLatin1(field)); }
};

TEST_P(PosNewBill, TakesTheMachinesDefaultsInEveryMode)
{
    for (const PosMode mode : {PosMode::Goods, PosMode::Service, PosMode::Misc}) {
        SCOPED_TRACE(pos::posTypeLetter(mode).toStdString());
        pos::TFrPos& screen = this->screen(mode);
        screen.AcNewExecute();
        ASSERT_TRUE(screen.isNewBill());
        ASSERT_EQ(screen.QHd().recordCount(), 1);
        EXPECT_EQ(screen.documentCode(), QStringLiteral("POS-") + pos::posTypeLetter(mode));
        EXPECT_EQ(screen.docNoLength(), 8);
        EXPECT_EQ(screen.focus(), PosFocus::Customer);
        EXPECT_EQ(hd("PosType").asString(), pos::posTypeLetter(mode));
        EXPECT_EQ(hd("PosNo").asString(), QString());
        EXPECT_EQ(hd("Salesman").asInteger(), somsri);
        EXPECT_EQ(hd("Department").asInteger(), frontDept);
        EXPECT_EQ(hd("Warehouse").asInteger(), mode == PosMode::Goods ? backWh : 0);
        EXPECT_EQ(screen.headerTexts().salesmanCode, QStringLiteral("S01"));
        EXPECT_EQ(hd("PosDate").asDateTime(), QDate(2026, 6, 15).startOfDay());
        EXPECT_EQ(hd("Price_IE").asString(), QStringLiteral("I"));
        EXPECT_EQ(hd("TaxCode").asInteger(), vat7);
        EXPECT_EQ(hd("TaxRate").asFloat(), 7.0);
        EXPECT_EQ(hd("CurrencyId").asInteger(), thb);
        EXPECT_EQ(hd("Rate").asFloat(), 1.0);
        for (const char* flag : {"ShiftClose", "Transfer", "Printed"})
            EXPECT_EQ(hd(flag).asString(), QStringLiteral("N")) << flag;
        EXPECT_EQ(screen.QDt().recordCount(), 1) << "an empty first line waits";
        EXPECT_FALSE(screen.controls().rateEnabled);
        EXPECT_EQ(screen.controls().warehouseVisible, mode != PosMode::Service);
        EXPECT_EQ(screen.totals().taxAmtText(), QStringLiteral("0.00"));
    }
    EXPECT_EQ(pos->headerTexts().warehouseCode, QString());
    screen(PosMode::Goods).AcNewExecute();
    EXPECT_EQ(pos->headerTexts().warehouseCode, QStringLiteral("BACK"));
}

TEST_P(PosNewBill, CustomerGivesANewBillItsTaxAndSalesman)
{
    exec(QStringLiteral("INSERT INTO Customer (Code, Name, NameEng, TaxCode, Salesman, Blocked, StoreCode) "
                        "VALUES ('BR1', 'สาขา 1', 'Branch 1', 2, 2, 'N', 'B1')"));
    struct
    {
        const char* typed;
        int customer, taxCode, salesman;
        double taxRate;
        const char* name;
        const char* refusal = nullptr; // refused: the machine's defaults stay
    } const cases[] = {
        {"cash", cashCustomer, vat7, wichai, 7, "Cash customer"},
        {" C002 ", exemptCustomer, vat0, wichai, 0, "Foundation"},
        {"BLK", 0, vat7, somsri, 7, "", "รหัสลูกค้าถูกระงับการใช้งาน !"},
        {"br1", 0, vat7, somsri, 7, "", "ต้องเป็นลูกค้าทั่วไปเท่านั้น (ไม่สามารถเลือกลูกค้าที่เป็นสาขาได้) "},
        {"NONE", 0, vat7, somsri, 7, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        pos::TFrPos& screen = this->screen();
        screen.AcNewExecute();
        if (c.refusal)
            prompter.expectInformation();
        screen.FaGetCustomer1CustomerExit(QString::fromLatin1(c.typed));
        if (c.refusal) {
            EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(c.refusal));
            EXPECT_EQ(screen.headerTexts().customerCode, QString());
        }
        EXPECT_EQ(hd("Customer").asInteger(), c.customer);
        EXPECT_EQ(hd("TaxCode").asInteger(), c.taxCode);
        EXPECT_EQ(hd("TaxRate").asFloat(), c.taxRate);
        EXPECT_EQ(hd("Salesman").asInteger(), c.salesman);
        EXPECT_EQ(screen.headerTexts().customerName, QString::fromUtf8(c.name));
    }
}

TEST_P(PosNewBill, NumberingAndDateLockDecideWhereABillStarts)
{
    struct
    {
        bool automatic;
        const char* lockPosDate;
        bool billOpen;
        PosFocus focus;
        bool dateEnabled;
    } const cases[] = {
        {true, "Y", true, PosFocus::Customer, false}, {true, "N", false, PosFocus::PosNo, true},
        {false, "Y", false, PosFocus::PosNo, false},  {false, "N", false, PosFocus::PosNo, true},
        {true, "", true, PosFocus::Customer, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            QStringLiteral("auto %1 lock '%2'").arg(c.automatic).arg(QString::fromLatin1(c.lockPosDate)).toStdString());
        setNumbering(c.automatic);
        setConfig(QStringLiteral("LockPosDate = '%1'").arg(QString::fromLatin1(c.lockPosDate)));
        pos::TFrPos& screen = this->screen();
        screen.AcNewExecute();
        EXPECT_EQ(screen.autoNumbering(), c.automatic);
        EXPECT_EQ(screen.QHd().isOpen(), c.billOpen);
        EXPECT_EQ(screen.focus(), c.focus);
        if (!c.billOpen) {
            EXPECT_FALSE(screen.AcSave().isEnabled());
        }
        if (!c.billOpen && c.automatic) {
            // Leaving the number empty is accepted: the number is drawn at saving.
            screen.PosNoExit();
            EXPECT_TRUE(screen.isNewBill());
            EXPECT_EQ(screen.QHd().recordCount(), 1);
        }
        if (screen.QHd().isOpen()) {
            EXPECT_EQ(screen.controls().dateEnabled, c.dateEnabled);
        }
    }
    EXPECT_EQ(prompter.asked().size(), 0u);
}

TEST_P(PosNewBill, ManualNumberIsAlignedAndAnEmptyOneRefused)
{
    setNumbering(false);
    pos::TFrPos& screen = this->screen();
    screen.AcNewExecute();
    screen.headerTexts().posNo = QStringLiteral(" 123");
    screen.PosNoExit();
    EXPECT_TRUE(screen.isNewBill());
    EXPECT_EQ(screen.headerTexts().posNo, QStringLiteral("     123"));
    EXPECT_EQ(hd("PosNo").asString(), QStringLiteral("     123"));
    EXPECT_TRUE(screen.controls().posNoEnabled);

    prompter.expectInformation();
    screen.headerTexts().posNo = QStringLiteral("   ");
    screen.PosNoExit();
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_TRUE(prompter.asked().front().text.startsWith(QStringLiteral("ท่านไม่ได้ป้อนเลขที่")));
    EXPECT_FALSE(screen.QHd().isOpen()) << "started again";
    EXPECT_EQ(screen.focus(), PosFocus::PosNo);
    EXPECT_FALSE(screen.AcSave().isEnabled());
}

TEST_P(PosNewBill, CustomerFrameReopensForTheNextBillAfterALockedOne)
{
    switchUser(1); // may not change a saved bill's customer
    setConfig(QStringLiteral("LockPosDate = 'N'"));
    insertBill(waterBill(QStringLiteral("     101"), 1, 107));
    pos::TFrPos& screen = recall(this->screen(), QStringLiteral("101"));
    EXPECT_FALSE(screen.controls().customerEnabled);
    screen.AcNewExecute();
    screen.PosNoExit();
    EXPECT_TRUE(screen.isNewBill());
    EXPECT_TRUE(screen.controls().customerEnabled);
}

TEST_P(PosNewBill, ShowingRunsTheShiftDialogThenOpensANewBill)
{
    // Cancelling the dialog is the counter test's: Escape in it ends the program unasked.
    pos::TFrPos& screen = this->screen();
    int closeRequests = 0;
    QObject::connect(&screen, &pos::TFrPos::closeRequested, [&closeRequests] { ++closeRequests; });
    screen.setShiftDialog([] { return true; });
    screen.FormShow();
    EXPECT_EQ(screen.caption(), QStringLiteral("Point of sale (" KVR_TEST_VERSION ")"));
    EXPECT_EQ(screen.statusText(0), QStringLiteral("ร้านสมชายพาณิชย์"));
    EXPECT_EQ(screen.exchangeRateLabel(), QStringLiteral("อัตราแลกเปลี่ยน / บาท"));
    EXPECT_FALSE(screen.closeWithoutAsking());
    EXPECT_EQ(closeRequests, 0);
    EXPECT_TRUE(screen.isNewBill());
    EXPECT_EQ(screen.QHd().recordCount(), 1);
    prompter.answerConfirm(false);
    EXPECT_FALSE(screen.FormClose());
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked().back().colour, ui::ConfirmColour::Green);
}

KVR_INSTANTIATE_BACKENDS(PosNewBill);

} // namespace
} // namespace kvr::test
