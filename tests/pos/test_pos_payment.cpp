#include "SaleFixture.h"

namespace kvr::test {
namespace {

using namespace pos_shop;

using PosPayment = SaleFixture;

TEST_P(PosPayment, ChangeComesFromCashOnlyAndTheSurchargeNeverPaysTheBill)
{
    struct
    {
        const char* name;
        double cash;
        double cardRcpt; // through the card dialog, 0 for none
        const char* cardCode;
        double change;
        bool shortfall;
        bool saveEnabled;
    } const cases[] = {
        {"cash covers it exactly", 100, 0, "", 0, false, true},
        {"cash and a card with 2 % surcharge", 50, 60, "VISA", 10, false, true},
        {"card over the total, no cash to give change", 0, 120, "CASHC", 20, false, false},
        {"cash short", 80, 0, "", -20, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pos::TFrPos& screen = billWith({{water, 1, 100}});
        if (c.cardRcpt > 0) {
            screen.setCardDialog([&] {
                typeCardRow(screen, QString::fromLatin1(c.cardCode), QStringLiteral("4111"), QStringLiteral("S1"),
                            c.cardRcpt);
                return screen.cardInfo().BOkClick();
            });
            screen.BCreditCardClick();
        }
        pay(screen, c.cash);
        EXPECT_NEAR(screen.QHd().field(QStringLiteral("Change")).asFloat(), c.change, 1e-9);
        EXPECT_EQ(screen.changeShortfall(), c.shortfall);
        EXPECT_EQ(screen.changeText(), c.shortfall ? QStringLiteral("0.00") : QString::number(c.change, 'f', 2));
        EXPECT_EQ(screen.AcSave().isEnabled(), c.saveEnabled);
    }
}

TEST_P(PosPayment, CardDialogComputesTheSurchargeAndRefusesIncompleteRows)
{
    pos::TFrPos& screen = billWith({{water, 1, 100}});
    pos::TFrCreditCardInfo& card = screen.cardInfo();
    data::CachedDataset& q = card.QCreditCard();

    typeCardRow(screen, QStringLiteral("VISA"), QStringLiteral("4111"), QStringLiteral("S1"), 60);
    // A rate of 2.5 on 33.30 is 0.8325, rounded half away from zero.
    q.setValue(QStringLiteral("CardRate"), 2.5);
    q.setValue(QStringLiteral("CardRcpt"), 33.30);
    card.GetRcptExit();
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("CardCharge")).asFloat(), 0.83);
    // Without a rate the typed charge stays.
    q.setValue(QStringLiteral("CardRate"), 0.0);
    q.setValue(QStringLiteral("CardCharge"), 5.0);
    card.GetRcptExit();
    EXPECT_DOUBLE_EQ(q.field(QStringLiteral("CardAmount")).asFloat(), 38.30);
    EXPECT_EQ(card.amountTotalText(), QStringLiteral("38.3"));

    // An unknown type code clears the type.
    typeCardRow(screen, QStringLiteral("NOPE"), QStringLiteral("5500"), QStringLiteral("S2"), 10);
    EXPECT_TRUE(q.field(QStringLiteral("CreditCard")).isNull());
    // ... and a row without a card type is not complete: saving would have dropped it.
    const QString incomplete = QStringLiteral("ป้อนรายละเอียดบัตรเครดิตไม่ครบ");
    EXPECT_EQ(toldBy(true, [&] { EXPECT_FALSE(card.BOkClick()); }), incomplete);
    // A card number without a slip keeps the dialog open.
    q.setValue(QStringLiteral("cardcode"), QStringLiteral("VISA"));
    card.GetCardCodeExit();
    q.setValue(QStringLiteral("SlipNo"), QString());
    EXPECT_EQ(toldBy(true, [&] { EXPECT_FALSE(card.BOkClick()); }), incomplete);
    // A blank last row is dropped by OK.
    q.setValue(QStringLiteral("SlipNo"), QStringLiteral("S2"));
    q.append();
    q.post();
    EXPECT_TRUE(card.BOkClick());
    EXPECT_EQ(q.recordCount(), 2);
    // The second row's rate came with its type after its amount was left: no surcharge yet.
    EXPECT_NEAR(double(card.TotalCardAmount), 38.30 + 10, 1e-9);
    card.BDelLineClick();
    EXPECT_EQ(q.recordCount(), 1);
    card.BClearClick();
    EXPECT_EQ(q.recordCount(), 0);
    EXPECT_EQ(double(card.TotalCardAmount), 0.0);
}

TEST_P(PosPayment, DepositedSlipsCannotBeChanged)
{
    pos::TFrPos& screen = billWith({{water, 1, 100}});
    typeCardRow(screen, QStringLiteral("VISA"), QStringLiteral("4111"), QStringLiteral("S1"), 60);
    pos::TFrCreditCardInfo& card = screen.cardInfo();
    EXPECT_FALSE(card.currentRowReadOnly());
    card.QCreditCard().setValue(QStringLiteral("Deposit"), QStringLiteral("Y"));
    EXPECT_TRUE(card.currentRowReadOnly());
    // The type and amounts of a deposited slip are locked, its card and slip numbers are not.
    for (const char* cell : {"cardcode", "CardRcpt", "CardRate", "CardCharge", "CardNo", "SlipNo"}) {
        const bool locked = QByteArray(cell) != "CardNo" && QByteArray(cell) != "SlipNo";
        EXPECT_EQ(card.cellReadOnly(0, QString::fromLatin1(cell)), locked) << cell;
    }
    // Leaving the type cell of a deposited slip keeps its type and rate.
    card.QCreditCard().setValue(QStringLiteral("cardcode"), QStringLiteral("CASHC"));
    card.cellExit(QStringLiteral("cardcode"));
    EXPECT_DOUBLE_EQ(card.QCreditCard().field(QStringLiteral("CardRate")).asFloat(), 2);
    // A row not deposited locks nothing.
    typeCardRow(screen, QStringLiteral("VISA"), QStringLiteral("4222"), QStringLiteral("S2"), 10);
    EXPECT_FALSE(card.cellReadOnly(1, QStringLiteral("CardRcpt")));
}

TEST_P(PosPayment, ANewCardRowOpensPastTheLastOnlyOnceItHasItsType)
{
    pos::TFrPos& screen = billWith({{water, 1, 100}});
    pos::TFrCreditCardInfo& card = screen.cardInfo();
    card.prepareRows();
    ASSERT_EQ(card.QCreditCard().recordCount(), 1) << "a dialog opened on no rows starts a first one";
    EXPECT_FALSE(card.appendRow(QStringLiteral("CardNo")));
    card.QCreditCard().setValue(QStringLiteral("cardcode"), QStringLiteral("VISA"));
    card.cellExit(QStringLiteral("cardcode"));
    // With its type it opens the next: the window test presses Down in the amount.
    EXPECT_TRUE(card.appendRow(QStringLiteral("CardNo")));
    EXPECT_EQ(card.QCreditCard().recordCount(), 2);
}

TEST_P(PosPayment, CompletenessCheckNamesWhatIsMissing)
{
    using Line = SaleFixture::Line;
    struct
    {
        const char* name;
        std::vector<Line> lines;
        bool allowZeroPrice;
        const char* setup; // Config assignment or header change
        const char* message; // empty: complete
    } const cases[] = {
        {"no customer", {{water, 1, 100}}, true, "nocustomer", "สินค้า P001ท่านยังไม่ได้ป้อนรหัสลูกค้า"},
        {"transfer without bank", {{water, 1, 100}}, true, "bank", "สินค้า P001ท่านยังไม่ได้ป้อนรหัสธนาคารที่รับโอนจากลูกค้า"},
        {"only an empty row", {{0, 1, 100}}, true, "", "สินค้า ท่านยังไม่ได้ป้อนรายการสินค้า"},
        {"no warehouse", {{water, 1, 100, QVariant()}}, true, "", "สินค้า P001ไม่ได้ระบุ คลังสินค้า"},
        {"no unit", {{water, 1, 100}}, true, "nounit", "สินค้า P001ไม่ได้ระบุ หน่วยนับ"},
        {"lot not chosen", {{water, 1, 100}}, true, "lot", "สินค้า P001ไม่ได้ระบุ Lot No."},
        {"quantity below a half", {{water, 0.4, 100}}, true, "", "สินค้า P001ไม่ได้ระบุ จำนวน"},
        {"price 0.0005 refused", {{water, 1, 0.0005}}, false, "", "สินค้า P001ไม่อนุญาตให้ขายราคา 0"},
        {"price 0.001 passes", {{water, 1, 0.001}}, false, "", ""},
        {"price 0 with zero prices allowed", {{water, 1, 0}}, true, "", ""},
        {"serial missing", {{water, 1, 100, mainWh, QStringLiteral(" ")}}, true, "", "สินค้า P001ไม่ได้ระบุ Serial No."},
        {"one serial on two lines",
         {{water, 1, 100, mainWh, QStringLiteral("SN-1")}, {water, 1, 100, mainWh, QStringLiteral("sn-1")}},
         true,
         "",
         "สินค้า P001 Serial No. sn-1 ถูกป้อนซ้ำในบิลนี้"},
        {"two serials",
         {{water, 1, 100, mainWh, QStringLiteral("SN-1")}, {water, 1, 100, mainWh, QStringLiteral("SN-2")}},
         true,
         "",
         ""},
        {"department required", {{water, 1, 100}}, true, "RequireDepartment = 'Y'", "ท่านยังไม่ได้ป้อนแผนก"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString setup = QString::fromUtf8(c.setup);
        setConfig(setup.contains(QLatin1Char('=')) ? setup : QStringLiteral("RequireDepartment = 'N'"));
        pos::TFrPos& screen = billWith(c.lines, c.allowZeroPrice);
        screen.headerTexts().departmentCode.clear();
        if (setup == QLatin1String("nocustomer"))
            screen.QHd().setValue(QStringLiteral("Customer"), QVariant());
        if (setup == QLatin1String("bank"))
            screen.QHd().setValue(QStringLiteral("BankAmount"), 10.0);
        if (setup == QLatin1String("nounit"))
            screen.QDt().setValue(QStringLiteral("ProductUnits"), QVariant());
        if (setup == QLatin1String("lot"))
            screen.QDt().setValue(QStringLiteral("LotControl"), QStringLiteral("Y"));
        const bool complete = c.message[0] == '\0';
        bool checked = false;
        EXPECT_EQ(toldBy(!complete, [&] { checked = screen.CheckComplete(); }), QString::fromUtf8(c.message));
        EXPECT_EQ(checked, complete);
    }
}

KVR_INSTANTIATE_BACKENDS(PosPayment);

} // namespace
} // namespace kvr::test
