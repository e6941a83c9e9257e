// The sale window of the demo shop with the program's real message boxes: a stray Enter, the
// cashier's or the scanner's, never throws a bill away nor closes a message before it is read.
#include "CounterFixture.h"
#include "SaleWindow.h"

#include "data/Query.h"
#include "pos/PosColumns.h"
#include "pos/ScanBurstGuard.h"
#include "support/ModalDialogs.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kvr::test {
namespace {

class CounterBoxes : public CounterFixture
{
protected:
    // True once a key pressed now counts as the cashier's own, not as the end of a scan.
    bool keysDeliberate() const
    {
        const auto* guard = view->findChild<pos::ScanBurstGuard*>();
        return !guard || guard->takesDeliberateKeys();
    }
    QString lineCode(int row) { return pos().QDt().fieldAt(row, pos::dt::ProductCode).asString().trimmed(); }

    ui::DialogPrompter boxes;
};

TEST_P(CounterBoxes, EnterInTheQuestionsOfNewAndExitKeepsTheBill)
{
    openSaleScreen(&boxes);
    startBill();
    const QStringList codes = scannableBarcodes(2);
    ASSERT_TRUE(scan(codes[0], 2));
    ASSERT_TRUE(scan(codes[1], 3));
    const double total = pos().bill().headerValue(QStringLiteral("Total"));

    for (const auto& [key, question] : {std::pair{Qt::Key_F3, QStringLiteral("ต้องการเริ่มบิลใหม่โดยไม่จัดเก็บ ?")},
                                        std::pair{Qt::Key_Escape, QStringLiteral("ออกจากโปรแกรม ?")}}) {
        SCOPED_TRACE(key == Qt::Key_F3 ? "F3" : "Escape");
        if (key == Qt::Key_Escape) {
            // Escape leaves the screen from the header; in the grid it only ends a cell's editing.
            QLineEdit* remark = view->headerEdit(pos::PosFocus::Remark);
            QTest::mouseClick(remark, Qt::LeftButton);
            ASSERT_TRUE(waitForFocusIn(remark));
        }
        // The key answered by the cashier's Enter, not a scanner's: after the box has been seen.
        QString asked;
        whenModalOpens([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            asked = message->text();
            ASSERT_TRUE(waitUntil([&] { return keysDeliberate(); }));
            pressKey(Qt::Key_Return);
        });
        pressKey(key);
        ASSERT_TRUE(waitUntil([&] { return !asked.isEmpty() && !QApplication::activeModalWidget(); }))
            << "no question came, or it stayed open";
        EXPECT_TRUE(asked.endsWith(question)) << asked.toStdString();
        ASSERT_TRUE(view->isVisible()) << "the window closed on Enter";
        ASSERT_TRUE(waitForActiveWindow(view.get())) << "the sale window did not get the keys back";
        EXPECT_EQ(pos().QDt().recordCount(), 3) << "the bill lost its lines";
        EXPECT_EQ(QStringList({lineCode(0), lineCode(1)}), codes);
        EXPECT_DOUBLE_EQ(pos().bill().headerValue(QStringLiteral("Total")), total);
    }
    // The bill goes on: the next scan lands on its empty line.
    clickCell(2, "ProductCode");
    ASSERT_TRUE(scan(codes[0], 4));
}

// The scanner's next code arrives while the stock message is open: its keys and its Enter do not
// close the message; the cashier's own Enter does, and the code held meanwhile becomes the next
// line, as the message said it would.
TEST_P(CounterBoxes, AScanDuringTheStockMessageNeitherClosesItNorGetsLost)
{
    openSaleScreen(&boxes);
    startBill();
    const QStringList codes = scannableBarcodes(2);
    // The first may not be sold below zero and has nothing left in stock.
    const QString empty = codes[0];
    const int product =
        scalar(QStringLiteral("SELECT Product FROM ProductUnits WHERE BarCode = '%1'").arg(empty)).toInt();
    data::Query(dm->DMdata(), QStringLiteral("UPDATE Product SET Negative = 'N' WHERE Id = %1").arg(product)).execSql();
    data::Query(dm->DMdata(), QStringLiteral("DELETE FROM ProductOnHand WHERE Product = %1").arg(product)).execSql();

    // What the message showed; shared with the action, which may outlive a failed test.
    struct Seen
    {
        QString told;
        QString held;
        bool stillOpen = false;
    };
    const auto seen = std::make_shared<Seen>();
    whenDialogOpens<QMessageBox>([this, seen, next = codes[1]](QMessageBox* message) {
        seen->told = message->text();
        // The next scan, at the scanner's pace.
        typeText(next);
        pressKey(Qt::Key_Return);
        seen->stillOpen = message->isVisible();
        seen->held = message->informativeText();
        // The cashier reads, then presses Enter.
        ASSERT_TRUE(waitUntil([this] { return keysDeliberate(); }));
        pressKey(Qt::Key_Return);
    });
    typeText(empty);
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !seen->told.isEmpty() && !QApplication::activeModalWidget(); }));
    ASSERT_TRUE(waitForActiveWindow(view.get()));
    const auto& [told, held, stillOpen] = *seen;
    EXPECT_TRUE(told.startsWith(QStringLiteral("จำนวนสินค้าไม่พอขาย"))) << told.toStdString();
    EXPECT_TRUE(stillOpen) << "the scanner's Enter closed the message unread";
    EXPECT_TRUE(held.contains(codes[1])) << "the message does not say where the scan went: " << held.toStdString();

    // The sold-out line stays with its quantity set back; the held scan is the next line and the
    // cursor waits on a new empty line for the scan after.
    ASSERT_TRUE(waitUntil([&] { return cursorOnNewLine(*view, 3); })) << "lines: " << pos().QDt().recordCount();
    EXPECT_EQ(QStringList({lineCode(0), lineCode(1)}), QStringList({empty, codes[1]}));
    EXPECT_GT(pos().QDt().fieldAt(1, pos::dt::Total).asFloat(), 0);
    ASSERT_TRUE(scan(codes[1], 4)) << "the scan after the message";
}

KVR_INSTANTIATE_BACKENDS(CounterBoxes);

} // namespace
} // namespace kvr::test
