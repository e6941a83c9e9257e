// The line grid of the sale screen's window typed into as a cashier does, offscreen.
#include "PosFixture.h"

#include "pos/TFrPosView.h"
#include "support/WindowWait.h"
#include "ui/base/Application.h"
#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using kvr::test::waitUntil;

namespace {

class PosViewLines : public kvr::test::PosFixture
{
protected:
    void SetUp() override
    {
        PosFixture::SetUp();
        if (IsSkipped())
            return;
        exec(QStringLiteral("UPDATE ProductUnits SET BarCode = '8850002000010' WHERE Id = 21"));
        exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (1, 11, 0, 10), "
                            "(2, 21, 0, 185), (4, 41, 0, 2)"));
    }
    // The window on a new bill of the cash customer, the cursor in the line grid.
    void show(kvr::pos::PosMode mode = kvr::pos::PosMode::Goods)
    {
        kvr::pos::TFrPos& form = screen(mode);
        form.setShiftDialog([] { return true; });
        view = std::make_unique<kvr::pos::TFrPosView>(form);
        view->show();
        ASSERT_TRUE(kvr::test::waitForActiveWindow(view.get()));
        form.QHd().edit();
        form.QHd().setValue(QStringLiteral("Customer"), kvr::test::pos_shop::cashCustomer);
        ASSERT_TRUE(form.PosPageEnter());
        ASSERT_TRUE(kvr::test::waitForFocusIn(view->grid()));
    }
    // Keys go where the focus is, as from a keyboard or a scanner; Enter ends the line typed,
    // and the checks of the cells left have run once it returns.
    void typeLine(const QString& text)
    {
        kvr::test::typeText(text);
        pressKey(Qt::Key_Return);
    }
    void pressKey(Qt::Key key)
    {
        kvr::test::pressKey(key);
        ASSERT_TRUE(waitUntil([this] { return !view->pos().cellFlow().hasWaitingChecks(); }));
    }
    // The grid's cursor on that row and column, once the moves the screen asked for are done.
    bool cursorAt(int row, const QString& field)
    {
        return waitUntil([&] {
            return view->grid()->currentRow() == row &&
                view->grid()->selectedField().compare(field, Qt::CaseInsensitive) == 0;
        });
    }
    void TearDown() override
    {
        if (view && view->isVisible()) {
            prompter.answerConfirm(true);
            view->close();
        }
        view.reset();
        PosFixture::TearDown();
    }

    std::unique_ptr<kvr::pos::TFrPosView> view;
};

TEST_P(PosViewLines, ThreeScansInTheGridGiveThreeLinesAndTheCursorWaitsOnTheFourth)
{
    setConfig(QStringLiteral("PosUseBarCode = 'Y'"));
    show();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    const QString scans[] = {QStringLiteral("8850001000011"), QStringLiteral("8850004000018"),
                             QStringLiteral("8850002000010")};
    int row = 0;
    for (const QString& scan : scans) {
        SCOPED_TRACE(scan.toStdString());
        typeLine(scan);
        EXPECT_TRUE(cursorAt(++row, QStringLiteral("ProductCode")));
    }
    ASSERT_EQ(dt.recordCount(), 4);
    const int products[] = {1, 4, 2};
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(dt.fieldAt(line, QStringLiteral("Product")).asInteger(), products[line]) << line;
        EXPECT_DOUBLE_EQ(dt.fieldAt(line, QStringLiteral("Quantity")).asFloat(), 1) << line;
    }
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("197.00"));
}

TEST_P(PosViewLines, TypedCodeAndQuantityFillTheLineAndTheTotal)
{
    show();
    typeLine(QStringLiteral("p001"));
    kvr::data::CachedDataset& dt = view->pos().QDt();
    EXPECT_EQ(dt.field(QStringLiteral("Product")).asInteger(), 1);
    EXPECT_EQ(dt.field(QStringLiteral("UnitName")).asString(), QStringLiteral("ขวด"));
    // Enter went on to the next cell that can be typed in: the quantity, past name and warehouse.
    ASSERT_TRUE(view->grid()->setSelectedField(QStringLiteral("Quantity")));
    typeLine(QStringLiteral("3"));
    EXPECT_DOUBLE_EQ(dt.fieldAt(0, QStringLiteral("Quantity")).asFloat(), 3);
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("30.00"));
}

TEST_P(PosViewLines, TypedLinesAreAddedFromTheKeyboardAndCheckedWhenTheCursorLeavesThem)
{
    exec(QStringLiteral("UPDATE Product SET Negative = 'N' WHERE Id IN (1, 4)"));
    // The machine's warehouse, which the bill and its lines take.
    exec(QStringLiteral("INSERT INTO ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity) "
                        "VALUES (1, 11, %1, 2026, 5)")
             .arg(kvr::test::pos_shop::backWh));
    show();
    kvr::ui::DataGrid& grid = *view->grid();
    const kvr::ui::DatasetTableModel& model = grid.gridModel();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    typeLine(QStringLiteral("p001"));
    // Down on the last line opens the next, in its product code.
    pressKey(Qt::Key_Down);
    ASSERT_EQ(dt.recordCount(), 2);
    EXPECT_TRUE(cursorAt(1, QStringLiteral("ProductCode")));

    // A product out of stock is refused as soon as it is typed, at quantity 1.
    prompter.expectInformation();
    typeLine(QStringLiteral("p004"));
    ASSERT_FALSE(prompter.asked().empty());
    EXPECT_TRUE(prompter.asked().back().text.startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    // Nothing of it can be sold: 0, shown, rather than an emptied cell.
    EXPECT_EQ(dt.fieldAt(1, QStringLiteral("Quantity")).asString(), QStringLiteral("0"));

    // 9 bottles of 5 typed on the first line and left with Down, without Enter: refused all the same.
    grid.setCurrentIndex(model.index(0, model.columnOf(QStringLiteral("Quantity"))));
    ASSERT_TRUE(cursorAt(0, QStringLiteral("Quantity")));
    prompter.expectInformation();
    kvr::test::typeText(QStringLiteral("9"));
    pressKey(Qt::Key_Down);
    EXPECT_TRUE(prompter.asked().back().text.startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    EXPECT_NE(dt.fieldAt(0, QStringLiteral("Quantity")).asFloat(), 9.0);
    EXPECT_EQ(grid.currentRow(), 1);

    // Enter in the last cell of the last line opens the next line too.
    int last = model.columnCount() - 1;
    while (last > 0 && grid.isColumnHidden(last))
        --last;
    grid.setCurrentIndex(model.index(1, last));
    ASSERT_TRUE(waitUntil([&] { return grid.currentIndex() == model.index(1, last); }));
    pressKey(Qt::Key_Return);
    EXPECT_EQ(dt.recordCount(), 3);
    EXPECT_TRUE(cursorAt(2, QStringLiteral("ProductCode")));
}

TEST_P(PosViewLines, ServiceCodeTypedAgainIsPricedAgain)
{
    exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (3, 31, 0, 300)"));
    show(kvr::pos::PosMode::Service);
    kvr::ui::DataGrid& grid = *view->grid();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    typeLine(QStringLiteral("s001"));
    ASSERT_EQ(dt.field(QStringLiteral("Product")).asInteger(), 3);
    EXPECT_DOUBLE_EQ(dt.field(QStringLiteral("Price")).asFloat(), 300);
    dt.edit();
    dt.setValue(QStringLiteral("Price"), 250.0);
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("ProductCode")));
    typeLine(QStringLiteral("s001"));
    EXPECT_DOUBLE_EQ(dt.field(QStringLiteral("Price")).asFloat(), 300);
}

KVR_INSTANTIATE_BACKENDS(PosViewLines);

} // namespace
