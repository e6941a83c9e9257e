// The line grid of the sale screen's window typed into as a cashier does, offscreen.
#include "PosFixture.h"

#include "pos/TFrPosView.h"
#include "ui/base/Application.h"
#include "ui/base/DataGrid.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

class PosViewLines : public kvr::test::PosFixture
{
protected:
    void SetUp() override
    {
        PosFixture::SetUp();
        if (IsSkipped())
            return;
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(server->workingDirectory());
        exec(QStringLiteral("UPDATE ProductUnits SET BarCode = '8850002000010' WHERE Id = 21"));
        exec(QStringLiteral("INSERT INTO ProductPrice (Product, ProductUnits, PriceType, Price) VALUES (1, 11, 0, 10), "
                            "(2, 21, 0, 185), (4, 41, 0, 2)"));
    }
    void show(kvr::pos::PosMode mode = kvr::pos::PosMode::Goods)
    {
        kvr::pos::TFrPos& form = screen(mode);
        form.setShiftDialog([] { return true; });
        view = std::make_unique<kvr::pos::TFrPosView>(form);
        view->show();
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
        settle();
        form.QHd().edit();
        form.QHd().setValue(QStringLiteral("Customer"), kvr::test::pos_shop::cashCustomer);
        ASSERT_TRUE(form.PosPageEnter());
        settle();
        ASSERT_EQ(QApplication::focusWidget(), view->grid());
    }
    // Keys go where the focus is, as from a keyboard or a scanner.
    void typeLine(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
    void TearDown() override
    {
        if (view && view->isVisible()) {
            prompter.answerConfirm(true);
            view->close();
        }
        view.reset();
        if (!m_previousDir.isEmpty())
            QDir::setCurrent(m_previousDir);
        PosFixture::TearDown();
    }

    std::unique_ptr<kvr::pos::TFrPosView> view;

private:
    QString m_previousDir;
};

TEST_P(PosViewLines, ThreeScansInTheGridGiveThreeLinesAndTheCursorWaitsOnTheFourth)
{
    setConfig(QStringLiteral("PosUseBarCode = 'Y'"));
    show();
    kvr::data::CachedDataset& dt = view->pos().QDt();
    const QString scans[] = {QStringLiteral("8850001000011"), QStringLiteral("8850004000018"),
                             QStringLiteral("8850002000010")};
    for (const QString& scan : scans) {
        SCOPED_TRACE(scan.toStdString());
        typeLine(scan);
        EXPECT_EQ(view->grid()->selectedField().toUpper(), QStringLiteral("PRODUCTCODE"));
    }
    ASSERT_EQ(dt.recordCount(), 4);
    EXPECT_EQ(view->grid()->currentRow(), 3);
    const int products[] = {1, 4, 2};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(dt.fieldAt(row, QStringLiteral("Product")).asInteger(), products[row]) << row;
        EXPECT_DOUBLE_EQ(dt.fieldAt(row, QStringLiteral("Quantity")).asFloat(), 1) << row;
    }
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("197"));
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
    EXPECT_EQ(view->totalLabel()->text().trimmed(), QStringLiteral("30"));
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
    const auto key = [](Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        settle();
    };
    typeLine(QStringLiteral("p001"));
    // Down on the last line opens the next, in its product code.
    key(Qt::Key_Down);
    ASSERT_EQ(dt.recordCount(), 2);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.selectedField().toUpper(), QStringLiteral("PRODUCTCODE"));

    // A product out of stock is refused as soon as it is typed, at quantity 1.
    prompter.expectInformation();
    typeLine(QStringLiteral("p004"));
    EXPECT_TRUE(prompter.asked().back().text.startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    EXPECT_TRUE(dt.fieldAt(1, QStringLiteral("Quantity")).isNull());

    // 9 bottles of 5 typed on the first line and left with Down, without Enter: refused all the same.
    grid.setCurrentIndex(model.index(0, model.columnOf(QStringLiteral("Quantity"))));
    settle();
    prompter.expectInformation();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    key(Qt::Key_Down);
    EXPECT_TRUE(prompter.asked().back().text.startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย")));
    EXPECT_NE(dt.fieldAt(0, QStringLiteral("Quantity")).asFloat(), 9.0);
    EXPECT_EQ(grid.currentRow(), 1);

    // Enter in the last cell of the last line opens the next line too.
    int last = model.columnCount() - 1;
    while (last > 0 && grid.isColumnHidden(last))
        --last;
    grid.setCurrentIndex(model.index(1, last));
    settle();
    key(Qt::Key_Return);
    EXPECT_EQ(dt.recordCount(), 3);
    EXPECT_EQ(grid.currentRow(), 2);
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
