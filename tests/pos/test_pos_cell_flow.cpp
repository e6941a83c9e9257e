// The line grid's cell flow driven by plain calls, as the window's grid reports its events.
#include "SaleFixture.h"

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosCellFlow : public SaleFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        SaleFixture::buildShop(shop);
        shop.price(water, 11, 0, 10);
    }
    // A new bill of the cash customer, with what the flow asks of the grid recorded.
    pos::TFrPos& newBill()
    {
        pos::TFrPos& s = newCashBill();
        QObject::connect(&s.cellFlow(), &pos::LineCellFlow::checksWaiting, [this] { ++checksWaiting; });
        QObject::connect(&s.cellFlow(), &pos::LineCellFlow::editingToFinish, [this] { ++editorsFinished; });
        return s;
    }
    // The cashier types into a cell of the current line and the editor closes.
    static void type(pos::TFrPos& s, const char* field, const QString& text)
    {
        s.QDt().edit();
        s.QDt().setValue(QString::fromLatin1(field), text);
        s.cellFlow().editCell(QString::fromLatin1(field));
    }
    static int productAt(pos::TFrPos& s, int row)
    {
        return s.QDt().fieldAt(row, QStringLiteral("Product")).asInteger();
    }

    int checksWaiting = 0;
    int editorsFinished = 0;
};

TEST_P(PosCellFlow, ACellIsCheckedOnceTheGridHasSettledAndOnlyOnItsOwnLine)
{
    pos::TFrPos& s = newBill();
    pos::LineCellFlow& flow = s.cellFlow();
    type(s, "ProductCode", QStringLiteral("P001"));
    flow.exitCell(QStringLiteral("ProductCode"));
    EXPECT_EQ(checksWaiting, 1) << "one call for the checks that wait together";
    EXPECT_EQ(productAt(s, 0), 0) << "nothing is checked while the grid is still in the cell";
    flow.runWaitingChecks();
    EXPECT_FALSE(flow.hasWaitingChecks());
    EXPECT_EQ(productAt(s, 0), water);
    EXPECT_DOUBLE_EQ(s.QHd().field(QStringLiteral("Total")).asFloat(), 10) << "the bill was recomputed";

    // A line that is no longer current (a new bill, a scan that opened the next line) drops the
    // checks that were waiting for it.
    s.QDt().append();
    type(s, "ProductCode", QStringLiteral("P002"));
    s.QDt().setRecNo(0);
    flow.runWaitingChecks();
    EXPECT_EQ(productAt(s, 1), 0);
    EXPECT_FALSE(flow.hasWaitingChecks());
}

TEST_P(PosCellFlow, SavingTakesTheCellBeingTypedAndOnlyAProductCodeTypedAgainIsEnteredAgain)
{
    pos::TFrPos& s = newBill();
    pos::LineCellFlow& flow = s.cellFlow();
    type(s, "ProductCode", QStringLiteral("P001"));
    const int before = editorsFinished;
    flow.finishTyping();
    EXPECT_EQ(editorsFinished, before + 1);
    EXPECT_EQ(productAt(s, 0), water) << "the checks waiting ran";

    flow.retypeCell(QStringLiteral("Quantity"));
    EXPECT_FALSE(flow.hasWaitingChecks());
    s.QDt().setValue(QStringLiteral("ProductCode"), QStringLiteral("P002"));
    flow.retypeCell(QStringLiteral("productcode"));
    flow.runWaitingChecks();
    EXPECT_EQ(productAt(s, 0), rice);
}

TEST_P(PosCellFlow, CellsThatNeedAProductSendTheCashierBackToTheCode)
{
    pos::TFrPos& s = newBill();
    pos::LineCellFlow& flow = s.cellFlow();
    const struct
    {
        const char* field;
        bool byCashier;
        bool backToCode;
    } cases[] = {
        {"WhCode", true, true},    {"LotNoCode", true, true}, {"UnitName", true, true}, {"Serial", true, true},
        {"Quantity", true, false}, {"Discount", true, false}, {"WhCode", false, false}, // the grid following a new bill
                                                                                        // moves nowhere
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.field) + (c.byCashier ? " by the cashier" : " by the grid"));
        gridField.clear();
        flow.enterCell(QString::fromLatin1(c.field), c.byCashier);
        EXPECT_EQ(gridField, c.backToCode ? QStringLiteral("ProductCode") : QString());
    }
    // With a product on the line the cells are its own.
    type(s, "ProductCode", QStringLiteral("P001"));
    flow.runWaitingChecks();
    gridField.clear();
    flow.enterCell(QStringLiteral("WhCode"), true);
    EXPECT_TRUE(gridField.isEmpty());
}

TEST_P(PosCellFlow, PastTheLastLineANewOneOpensOnceTheLineHasAProduct)
{
    pos::TFrPos& s = newBill();
    pos::LineCellFlow& flow = s.cellFlow();
    flow.reachEnd();
    EXPECT_EQ(s.QDt().recordCount(), 1) << "an empty line gets no other after it";
    type(s, "ProductCode", QStringLiteral("P001"));
    gridField.clear();
    flow.reachEnd();
    EXPECT_EQ(productAt(s, 0), water) << "the line's waiting checks ran first";
    ASSERT_EQ(s.QDt().recordCount(), 2);
    EXPECT_EQ(s.QDt().recNo(), 1);
    EXPECT_EQ(gridField, QStringLiteral("ProductCode"));
}

TEST_P(PosCellFlow, KeysOfTheGrid)
{
    pos::TFrPos& s = newBill();
    pos::LineCellFlow& flow = s.cellFlow();
    QStringList searched;
    s.setProductSearch([&searched](const QString& posType, QStringList&) {
        searched << posType;
        return false;
    });
    // F5 opens the search of the column, where it has one.
    EXPECT_TRUE(flow.pressKey(Qt::Key_F5, QStringLiteral("ProductCode"), true));
    EXPECT_EQ(searched, QStringList{QStringLiteral("P")});
    EXPECT_FALSE(flow.pressKey(Qt::Key_F5, QStringLiteral("Total"), true));
    // A key typed into the product code opens its editor: the customer is there.
    EXPECT_FALSE(flow.pressKey(Qt::Key_A, QStringLiteral("ProductCode"), true));
    // Moving off the line takes the cell being typed in and recomputes first; other keys do not.
    const int before = editorsFinished;
    EXPECT_FALSE(flow.pressKey(Qt::Key_Down, QStringLiteral("Quantity"), false));
    EXPECT_FALSE(flow.pressKey(QKeyCombination(Qt::ControlModifier, Qt::Key_Down), QStringLiteral("Quantity"), false));
    EXPECT_FALSE(flow.pressKey(Qt::Key_Right, QStringLiteral("Quantity"), false));
    EXPECT_EQ(editorsFinished, before + 1);

    // Without a customer the first key into the product code is refused, and the cursor goes to
    // the customer.
    s.QHd().setValue(QStringLiteral("Customer"), QVariant());
    EXPECT_EQ(toldBy(true, [&] { EXPECT_TRUE(flow.pressKey(Qt::Key_A, QStringLiteral("ProductCode"), true)); }),
              QStringLiteral("ยังไม่ได้ป้อนรหัสลูกค้า"));
    EXPECT_EQ(s.focus(), pos::PosFocus::Customer);
    EXPECT_FALSE(flow.pressKey(Qt::Key_A, QStringLiteral("ProductCode"), false)) << "an open editor types on";
}

KVR_INSTANTIATE_BACKENDS(PosCellFlow);

} // namespace
} // namespace kvr::test
