#include "CounterFixture.h"
#include "SaleWindow.h"

#include "app/SaleScreen.h"
#include "data/Query.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace kvr::test {

namespace {

// A shift number no demo shift has: the cashier opens a new shift today.
constexpr const char* kShiftNo = "77";

} // namespace

void CounterFixture::prepareServer()
{
    DemoSessionFixture::prepareServer();
    if (HasFatalFailure())
        return;
    // Receipts go to a file, as a shop maps its printer; the demo's ports stay untouched.
    const QString receipts = QDir(server->workingDirectory()).filePath(QStringLiteral("receipts.prn"));
    ASSERT_TRUE(addToIni("[ReceiptPrinter]\nDevice=" + receipts.toUtf8() + "\n"));
}

void CounterFixture::SetUp()
{
    DemoSessionFixture::SetUp();
    if (IsSkipped() || HasFatalFailure())
        return;
    data::Query(dm->DMdata(), QStringLiteral("UPDATE PosMachineNo SET CashDrawer = ''")).execSql();
    service = std::make_unique<products::TDmService>(*dm);
}

void CounterFixture::TearDown()
{
    // Yes to the exit question, scripted or clicked in the real box, as the cashier ends the day.
    if (view && view->isVisible()) {
        if (m_realBoxes) {
            whenModalOpens([](QWidget* box) {
                QTest::mouseClick(static_cast<QMessageBox*>(box)->button(QMessageBox::Yes), Qt::LeftButton);
            });
        } else {
            prompter.answerConfirm(true);
        }
        view->close();
        EXPECT_TRUE(waitUntil([&] { return !view->isVisible(); }));
    }
    // As the program does: the shift dialog goes first, since the sale window owns its screen.
    shift.reset();
    view.reset();
    service.reset();
    DemoSessionFixture::TearDown();
}

bool CounterFixture::addToIni(const QByteArray& lines)
{
    QFile ini(QDir(server->workingDirectory()).filePath(QStringLiteral("KVR.INI")));
    return ini.open(QIODevice::Append) && ini.write(lines) == lines.size();
}

void CounterFixture::createSaleScreen(ui::Prompter* asker)
{
    m_realBoxes = asker != nullptr;
    app::DataModules modules{*dm, *config, *product, *service, asker ? *asker : prompter};
    const std::vector<QWidget*> windows = app::OpenSaleScreen(modules, {pos::PosMode::Goods, true});
    view.reset(qobject_cast<pos::TFrPosView*>(windows.at(0)));
    shift.reset(qobject_cast<admin::TFrPosShiftNoView*>(windows.at(1)));
    ASSERT_TRUE(view && shift);
}

void CounterFixture::openSaleScreen(ui::Prompter* asker)
{
    createSaleScreen(asker);
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(openWithShift(*view, *shift, QStringLiteral("pos01"), QString::fromLatin1(kShiftNo)));
}

void CounterFixture::startBill()
{
    QLineEdit* number = view->headerEdit(pos::PosFocus::PosNo);
    ASSERT_TRUE(waitForFocusIn(number)) << "a new bill starts at its number";
    pressKey(Qt::Key_Return);
    QLineEdit* customer = view->headerEdit(pos::PosFocus::Customer);
    ASSERT_TRUE(waitForFocusIn(customer));
    typeText(QStringLiteral("cash"));
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return pos().bill().headerId(QStringLiteral("Customer")) > 0; }));
    QTest::mouseClick(view->grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(waitForFocusIn(view->grid()));
    ASSERT_TRUE(waitUntil([&] { return view->grid()->selectedField() == QStringLiteral("ProductCode"); }));
}

bool CounterFixture::scan(const QString& code, int lines)
{
    typeText(code);
    pressKey(Qt::Key_Return);
    return waitUntil([&] { return cursorOnNewLine(*view, lines); });
}

void CounterFixture::clickCell(int row, const char* field)
{
    ui::DataGrid& grid = *view->grid();
    const QModelIndex at = grid.gridModel().index(row, grid.gridModel().columnOf(QString::fromLatin1(field)));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(at).center());
    ASSERT_TRUE(waitUntil([&] { return grid.currentIndex() == at && !pos().cellFlow().hasWaitingChecks(); }));
    ASSERT_TRUE(waitForFocusIn(&grid));
}

QStringList CounterFixture::scannableBarcodes(int count)
{
    // Of each product, its first unit that qualifies.
    const QStringList codes =
        rows(QStringLiteral("SELECT TRIM(BarCode) FROM ProductUnits WHERE Id IN (SELECT MIN(U.Id) FROM ProductUnits U "
                            "INNER JOIN Product P ON P.Id = U.Product WHERE U.BarCode IS NOT NULL AND U.BarCode <> '' "
                            "AND P.Blocked = 'N' AND P.ProductType = 'P' AND P.UseSerial = 'N' AND P.LotControl = 'N' "
                            "AND P.Negative <> 'N' AND EXISTS (SELECT 1 FROM ProductPrice R WHERE R.ProductUnits = "
                            "U.Id AND R.Price > 0) GROUP BY U.Product) ORDER BY Id"))
            .mid(0, count);
    EXPECT_EQ(codes.size(), count) << "the demo shop has too few scannable goods";
    return codes;
}

int CounterFixture::savedBills()
{
    return count(QStringLiteral("SELECT COUNT(*) FROM PosHd H INNER JOIN PosShiftNo S ON S.Id = H.PosShiftNo "
                                "WHERE S.ShiftNo = %1")
                     .arg(QString::fromLatin1(kShiftNo)));
}

} // namespace kvr::test
