// The line grid of the sale screen's window typed into as a cashier does, offscreen.
#include "PosViewFixture.h"

namespace {

using namespace kvr::test::pos_shop;

using PosViewLines = kvr::test::PosViewFixture;

TEST_P(PosViewLines, TypedLinesAreAddedFromTheKeyboardAndCheckedWhenTheCursorLeavesThem)
{
    exec(QStringLiteral("UPDATE Product SET Negative = 'N' WHERE Id IN (1, 4)"));
    // The machine's warehouse, which the bill and its lines take.
    insertRows("ProductOnHand (Product, ProductUnits, Warehouse, BalanceYear, Quantity)",
               {{water, 11, backWh, 2026, 5}});
    showBill();
    kvr::ui::DataGrid& grid = *view->grid();
    const kvr::ui::DatasetTableModel& model = grid.gridModel();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    typeLine(QStringLiteral("p001"));
    // Down on the last line opens the next, in its product code.
    pressKeyChecked(Qt::Key_Down);
    ASSERT_EQ(dt.recordCount(), 2);
    EXPECT_TRUE(cursorAt(1, QStringLiteral("ProductCode")));

    // A product out of stock is refused as soon as it is typed, at quantity 1.
    EXPECT_TRUE(toldBy(true, [&] { typeLine(QStringLiteral("p004")); }).startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    // Nothing of it can be sold: 0, shown, rather than an emptied cell.
    EXPECT_EQ(dt.fieldAt(1, QStringLiteral("Quantity")).asString(), QStringLiteral("0"));

    // 9 bottles of 5 typed on the first line and left with Down, without Enter: refused all the same.
    grid.setCurrentIndex(model.index(0, model.columnOf(QStringLiteral("Quantity"))));
    ASSERT_TRUE(cursorAt(0, QStringLiteral("Quantity")));
    kvr::test::typeText(QStringLiteral("9"));
    EXPECT_TRUE(toldBy(true, [&] { pressKeyChecked(Qt::Key_Down); }).startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    EXPECT_NE(dt.fieldAt(0, QStringLiteral("Quantity")).asFloat(), 9.0);
    EXPECT_EQ(grid.currentRow(), 1);

    // Enter in the last cell of the last line opens the next line too.
    int last = model.columnCount() - 1;
    while (last > 0 && grid.isColumnHidden(last))
        --last;
    grid.setCurrentIndex(model.index(1, last));
    ASSERT_TRUE(kvr::test::waitUntil([&] { return grid.currentIndex() == model.index(1, last); }));
    pressKeyChecked(Qt::Key_Return);
    EXPECT_EQ(dt.recordCount(), 3);
    EXPECT_TRUE(cursorAt(2, QStringLiteral("ProductCode")));
}

TEST_P(PosViewLines, ServiceCodeTypedAgainIsPricedAgain)
{
    exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (3, 31, 0, 300)"));
    showBill(kvr::pos::PosMode::Service);
    kvr::ui::DataGrid& grid = *view->grid();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    typeLine(QStringLiteral("s001"));
    EXPECT_DOUBLE_EQ(dt.field(QStringLiteral("Price")).asFloat(), 300);
    dt.edit();
    dt.setValue(QStringLiteral("Price"), 250.0);
    ASSERT_TRUE(grid.setSelectedField(QStringLiteral("ProductCode")));
    typeLine(QStringLiteral("s001"));
    EXPECT_DOUBLE_EQ(dt.field(QStringLiteral("Price")).asFloat(), 300);
}

KVR_INSTANTIATE_BACKENDS(PosViewLines);

} // namespace
