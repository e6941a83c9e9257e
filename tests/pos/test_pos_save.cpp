#include "SaleFixture.h"

#include <QFile>

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosSave : public SaleFixture
{
protected:
    QString text(const QString& sql) { return data::Field(scalar(sql)).asString(); }
    // Two lines paid by cash 50 and a VISA card of 60 (61.20 with its surcharge), saved with Yes.
    pos::TFrPos& paidBill()
    {
        pos::TFrPos& screen = billWith({{water, 1, 60}, {water, 2, 20}});
        screen.setCardDialog([&screen, this] {
            typeCardRow(screen, QStringLiteral("VISA"), QStringLiteral("4111"), QStringLiteral("S1"), 60);
            return screen.cardInfo().BOkClick();
        });
        screen.BCreditCardClick();
        pay(screen, 50);
        return screen;
    }
};

TEST_P(PosSave, NewBillIsWrittenWholeWithItsNumberLinesCardRowsAndLog)
{
    pos::TFrPos& screen = paidBill();
    prompter.answerConfirm(true);
    screen.AcSaveExecute();

    EXPECT_EQ(written(), QStringLiteral("bills=1 lines=2 cards=1 logged=1 lastNo=1"));
    const int id = text(QStringLiteral("SELECT Id AS T FROM PosHd")).toInt();
    // The first number of the series, at the series' length, printed when saved.
    EXPECT_EQ(
        selectRows("PosNo PosShiftNo DelFlag Posted Imported Total Change CardAmount",
                   "PosHd WHERE PosPrintDateTime IS NOT NULL"),
        QStringList{"PosNo=00000001 PosShiftNo=1 DelFlag=N Posted=N Imported=N Total=100 Change=10 CardAmount=61.2"});
    EXPECT_EQ(selectRows("PosHd PosRecNo Quantity", "PosDt ORDER BY PosRecNo"),
              QStringList({QStringLiteral("PosHd=%1 PosRecNo=1 Quantity=1").arg(id),
                           QStringLiteral("PosHd=%1 PosRecNo=2 Quantity=2").arg(id)}));
    EXPECT_EQ(selectRows("RcptType RcptDocId RcptRecNo Deposit CardAmount", "CreditCardInfo"),
              QStringList{QStringLiteral("RcptType=1 RcptDocId=%1 RcptRecNo=1 Deposit=N CardAmount=61.2").arg(id)});
    EXPECT_EQ(selectRows("Remark", "UserLog WHERE FunctionListId = 1"), QStringList{"Remark=00000001"});
    // The next bill is waiting (the cashier test's) with no card rows left over.
    EXPECT_EQ(screen.cardInfo().QCreditCard().recordCount(), 0);
    EXPECT_EQ(screen.QHd().field(QStringLiteral("Total")).asFloat(), 0.0);
    EXPECT_FALSE(screen.QHd().field(QStringLiteral("Cash")).isNull()) << "a payment kind not used is 0";
    EXPECT_EQ(screen.QHd().field(QStringLiteral("Cash")).asFloat(), 0.0);
}

TEST_P(PosSave, RecalledBillKeepsItsIdAndNumberAndLosesItsDeletedLine)
{
    SavedBill bill = waterBill(QStringLiteral("     101"), 1, 10);
    bill.lines.push_back({water, 11, 2, 20, "", vat7});
    bill.lines.push_back({water, 11, 3, 30, "", vat7});
    const int id = insertBill(bill);
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'N'"));
    pos::TFrPos& screen = recall(this->screen(), QStringLiteral("101"));
    screen.QDt().setRecNo(0);
    screen.QDt().remove();
    screen.CalculateAll();
    pay(screen, 200);
    prompter.answerConfirm(true);
    screen.AcSaveExecute();

    EXPECT_EQ(selectRows("Id PosNo Total", "PosHd"),
              QStringList{QStringLiteral("Id=%1 PosNo=     101 Total=130").arg(id)});
    // Numbered from 1 again without the deleted first line.
    EXPECT_EQ(selectRows("PosHd PosRecNo Quantity", "PosDt ORDER BY PosRecNo"),
              QStringList({QStringLiteral("PosHd=%1 PosRecNo=1 Quantity=2").arg(id),
                           QStringLiteral("PosHd=%1 PosRecNo=2 Quantity=3").arg(id)}));
}

TEST_P(PosSave, FailureInsideTheSaveWritesNothingAndTheBillSavesOnTheNextTry)
{
    // A planted line clashes with the second line of the first header written.
    dm->DMdata().execDirect(QStringLiteral("CREATE UNIQUE INDEX IX_Test_PosDt_RecNo ON PosDt (PosHd, PosRecNo)"));
    exec(QStringLiteral("INSERT INTO PosDt (PosHd, PosRecNo, Product, Quantity) VALUES (1, 2, 1, 9)"));
    pos::TFrPos& screen = paidBill();
    prompter.answerConfirm(true);
    EXPECT_ANY_THROW(screen.AcSaveExecute());

    EXPECT_EQ(written(), QStringLiteral("bills=0 lines=1 cards=0 logged=0 lastNo=0")) << "only the planted line";
    // Still on screen without the number it drew; what it holds is saved on the next try.
    EXPECT_TRUE(screen.QHd().field(QStringLiteral("PosNo")).asString().trimmed().isEmpty());

    exec(QStringLiteral("DELETE FROM PosDt"));
    prompter.answerConfirm(true);
    screen.AcSaveExecute();
    // The number of the failed try was given back: the series has no gap.
    EXPECT_EQ(written(), QStringLiteral("bills=1 lines=2 cards=1 logged=1 lastNo=1"));
}

TEST_P(PosSave, RefusedSavesWriteNothing)
{
    struct
    {
        const char* name;
        double cash;
        bool cardMismatch;
        bool answer;
        const char* message;
    } const cases[] = {
        // A transfer without its bank: the transfer test.
        {"card amount without details", 100, true, true, "ท่านยังไม่ได้ป้อนรายละเอียดบัตรเครดิต"},
        {"cash the bill cannot hold", 1e15, false, true, "ยอดเงินในบิลเกินกว่าที่จัดเก็บได้\rโปรดตรวจจำนวนและราคาของรายการ"},
        {"save question answered No", 100, false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pos::TFrPos& screen = billWith({{water, 1, 100}});
        pay(screen, c.cash);
        if (c.cardMismatch)
            screen.QHd().setValue(QStringLiteral("CardAmount"), 10.0);
        if (c.message[0] == '\0')
            prompter.answerConfirm(c.answer);
        EXPECT_EQ(toldBy(c.message[0] != '\0', [&] { screen.AcSaveExecute(); }), QString::fromUtf8(c.message));
        EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd")), 0);
        EXPECT_EQ(screen.QDt().recordCount(), 1);
    }
}

TEST_P(PosSave, TransferIsSavedWithTheBankAccountTypedOnTheReceiptPage)
{
    // Which accounts resolve (a closed one does not) is the lookup frames' test.
    exec(QStringLiteral("INSERT INTO CompanyBank (Id, BankCode, BankName, Blocked) VALUES (1, 'BK01', 'ทองไทย', 'N')"));
    pos::TFrPos& screen = billWith({{water, 1, 100}});
    pay(screen, 40, 0, 60);
    EXPECT_DOUBLE_EQ(screen.QHd().field(QStringLiteral("Change")).asFloat(), 0);
    EXPECT_EQ(toldBy(true, [&] { screen.AcSaveExecute(); }), QStringLiteral("ท่านยังไม่ได้ป้อนรหัสธนาคาร ที่รับโอนจากลูกค้า"));
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd")), 0);

    screen.companyBankFrame().typeCode(QStringLiteral("bk01"));
    prompter.answerConfirm(true);
    screen.AcSaveExecute();
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd WHERE CompanyBank = 1 AND BankAmount = 60 AND "
                                   "Cash = 40")),
              1);
    // The next bill starts without the account.
    EXPECT_TRUE(screen.companyBankFrame().lookup().text().isEmpty());
}

TEST_P(PosSave, SavedBillIsMarkedPrintedNotLastYearsBillOfTheSameNumber)
{
    textReceiptsTo();
    // Each year's series starts again at 1: last year's first bill, never printed, keeps its mark.
    const int lastYears = insertBill(waterBill(QStringLiteral("00000001"), 1, 100, QDate(2025, 12, 30)));
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'N'"));

    pos::TFrPos& screen = paidBill();
    prompter.answerConfirm(true);
    screen.AcSaveExecute();

    ASSERT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd WHERE PosNo = '00000001'")), 2);
    // The receipt follows from the machine's spool; the bill is marked once the printer took it.
    ASSERT_TRUE(waitFor(
        [&] { return text(QStringLiteral("SELECT Printed AS T FROM PosHd WHERE Id <> %1").arg(lastYears)) == u"Y"; }));
    EXPECT_EQ(text(QStringLiteral("SELECT Printed AS T FROM PosHd WHERE Id = %1").arg(lastYears)), QStringLiteral("N"));
}

TEST_P(PosSave, BillNotPaidAsItNowStandsIsNotSaved)
{
    // Rung up and never paid: saving goes to the receipt page and proposes the total as cash.
    pos::TFrPos& screen = billWith({{water, 1, 100}, {water, 1, 50}});
    EXPECT_FALSE(screen.AcSave().isEnabled());
    screen.FormKeyDown(QKeyCombination(Qt::Key_F10));
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd")), 0);
    EXPECT_EQ(screen.controls().page, pos::PosPage::Receipt);
    EXPECT_DOUBLE_EQ(screen.QHd().field(QStringLiteral("Cash")).asFloat(), 150);
    EXPECT_TRUE(screen.AcSave().isEnabled());

    // Paid exactly, then a second piece of the last item: the bill is short again until paid.
    screen.QDt().setRecNo(1);
    screen.QDt().setValue(QStringLiteral("Quantity"), 2.0);
    screen.DgDtFieldChanged(QStringLiteral("Quantity"));
    EXPECT_FALSE(screen.AcSave().isEnabled());
    screen.AcSaveExecute();
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd")), 0);

    pay(screen, 250);
    prompter.answerConfirm(true);
    screen.AcSaveExecute();
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd WHERE Total = 200 AND Cash = 250 AND Change = 50")),
              1);
}

TEST_P(PosSave, ReprintReadsTheStoredBillAndMarksTheBillOnScreenPrinted)
{
    const QString receiptFile = textReceiptsTo();
    setConfig(QStringLiteral("PrintOldDocument = 'N'"));
    insertBill(waterBill(QStringLiteral("     101"), 1, 100));
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'N'"));
    pos::TFrPos& screen = recall(this->screen(), QStringLiteral("101"));
    // Changed on screen and not saved: the reprint is of the bill as stored.
    screen.QDt().edit();
    screen.QDt().setValue(QStringLiteral("Quantity"), 7.0);
    screen.DgDtFieldChanged(QStringLiteral("Quantity"));
    screen.AcPrintExecute();
    ASSERT_TRUE(waitFor([&] { return text(QStringLiteral("SELECT Printed AS T FROM PosHd")) == u"Y"; }));
    QFile receipt(receiptFile);
    ASSERT_TRUE(receipt.open(QIODevice::ReadOnly));
    const QByteArray bytes = receipt.readAll();
    EXPECT_TRUE(bytes.contains("100.00"));
    EXPECT_FALSE(bytes.contains("700.00"));

    // Saving the change afterwards keeps the mark and does not print a second receipt.
    receipt.close();
    QFile::remove(receiptFile);
    pay(screen, 700);
    prompter.answerConfirm(true);
    EXPECT_EQ(toldBy(true, [&] { screen.AcSaveExecute(); }),
              QStringLiteral("เอกสารเลขที่      101\rเคยถูกสั่งพิมพ์ไปแล้ว\rจะต้องสั่งพิมพ์ที่เมนูพิมพ์ย้อนหลัง"));
    EXPECT_FALSE(QFile::exists(receiptFile));
    EXPECT_EQ(text(QStringLiteral("SELECT Printed AS T FROM PosHd")), QStringLiteral("Y"));
    EXPECT_DOUBLE_EQ(text(QStringLiteral("SELECT Quantity AS T FROM PosDt")).toDouble(), 7);
}

KVR_INSTANTIATE_BACKENDS(PosSave);

} // namespace
} // namespace kvr::test
