#include "PosFixture.h"

using kvr::pos::PosFocus;
using kvr::pos::PosMode;

namespace kvr::test {
namespace {

using PosNewBill = PosFixture;

TEST_P(PosNewBill, TakesTheMachinesDefaultsInEveryMode)
{
    for (const PosMode mode : {PosMode::Goods, PosMode::Service, PosMode::Misc}) {
        SCOPED_TRACE(pos::posTypeLetter(mode).toStdString());
        pos::TFrPos& screen = newBill(mode);
        ASSERT_TRUE(screen.isNewBill());
        ASSERT_EQ(screen.QHd().recordCount(), 1);
        EXPECT_EQ(screen.documentCode(), QStringLiteral("POS-") + pos::posTypeLetter(mode));
        EXPECT_EQ(screen.focus(), PosFocus::Customer);
        // Salesman S01 (1), department FRONT (3), warehouse BACK (2) for goods, VAT 7 (1), baht (1).
        EXPECT_EQ(fieldsOf(screen.QHd(),
                           "PosType PosNo Salesman Department Warehouse Price_IE TaxCode "
                           "TaxRate CurrencyId Rate ShiftClose Transfer Printed"),
                  QStringLiteral("PosType=%1 PosNo= Salesman=1 Department=3 Warehouse=%2 Price_IE=I"
                                 " TaxCode=1 TaxRate=7 CurrencyId=1 Rate=1 ShiftClose=N Transfer=N Printed=N")
                      .arg(pos::posTypeLetter(mode), mode == PosMode::Goods ? QStringLiteral("2") : QString()));
        EXPECT_EQ(screen.QHd().field(QStringLiteral("PosDate")).asDateTime(), QDate(2026, 6, 15).startOfDay());
        EXPECT_EQ(screen.headerTexts().salesmanCode, QStringLiteral("S01"));
        EXPECT_EQ(screen.QDt().recordCount(), 1) << "an empty first line waits";
        EXPECT_FALSE(screen.controls().rateEnabled);
        EXPECT_EQ(screen.controls().warehouseVisible, mode != PosMode::Service);
    }
    EXPECT_EQ(pos->headerTexts().warehouseCode, QString());
    newBill();
    EXPECT_EQ(pos->headerTexts().warehouseCode, QStringLiteral("BACK"));
}

TEST_P(PosNewBill, CustomerGivesANewBillItsTaxAndSalesman)
{
    struct
    {
        const char* typed;
        const char* header; // customer, VAT code and rate, salesman
        const char* name;
        bool refused = false; // blocked: the machine's defaults stay; the text is the customer frame's test
    } const cases[] = {
        {" C002 ", "Customer=2 TaxCode=2 TaxRate=0 Salesman=2", "Foundation"},
        {"BLK", "Customer= TaxCode=1 TaxRate=7 Salesman=1", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        pos::TFrPos& screen = newBill();
        toldBy(c.refused, [&] { screen.FaGetCustomer1CustomerExit(QString::fromLatin1(c.typed)); });
        if (c.refused) {
            EXPECT_EQ(screen.headerTexts().customerCode, QString());
        }
        EXPECT_EQ(fieldsOf(screen.QHd(), "Customer TaxCode TaxRate Salesman"), QString::fromLatin1(c.header));
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
        pos::TFrPos& screen = newBill();
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
}

TEST_P(PosNewBill, ManualNumberLeftEmptyIsRefused)
{
    // A typed number, aligned, is the recall test's.
    setNumbering(false);
    pos::TFrPos& screen = newBill();
    screen.headerTexts().posNo = QStringLiteral("   ");
    EXPECT_EQ(toldBy(true, [&] { screen.PosNoExit(); }),
              QStringLiteral("ท่านไม่ได้ป้อนเลขที่\nขณะนี้อยู่ในระบบเลขที่เอกสารไม่ Run อัตโนมัติ"));
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
    screen.AcNewExecute();
    screen.PosNoExit();
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
}

KVR_INSTANTIATE_BACKENDS(PosNewBill);

} // namespace
} // namespace kvr::test
