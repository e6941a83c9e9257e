#pragma once

#include "support/DemoSession.h"

#include "admin/TFrPosShiftNoView.h"
#include "pos/TFrPosView.h"
#include "products/TDmService.h"

#include <QStringList>
#include <memory>

namespace kvr::test {

// The demo shop as kvrpos-demo creates it, on both backends, and the sale screen of program 1
// opened on it as the start-up opens it: the shift dialog first, taken by keys (machine POS01,
// a new shift of today). Receipts go to a file of the working folder, the drawers are off.
class CounterFixture : public DemoSessionFixture
{
protected:
    void prepareServer() override;
    void SetUp() override;
    void TearDown() override;

    // The sale window and its shift dialog as the start-up creates them, not shown yet; their
    // questions go through `asker` (the scripted prompter unless a test wants the real boxes).
    void createSaleScreen(ui::Prompter* asker = nullptr);
    // The sale screen created and shown, its shift taken; the window is active after.
    void openSaleScreen(ui::Prompter* asker = nullptr);
    // Enter in the empty bill number, the walk-in customer typed, then the cursor in the first
    // line's product code, as the cashier gets there: a bill ready for its scans.
    void startBill();
    // Types a code and the scanner's Enter where the focus is; waits until the line count is
    // `lines` with the cursor in the product code of the last line.
    bool scan(const QString& code, int lines);
    // The cell of that line and column, clicked as the cashier would; the grid has the keys after.
    void clickCell(int row, const char* field);
    // Barcodes of different goods that sell at a price, need no lot or serial and may go below
    // zero stock (so no stock message interrupts the scans).
    QStringList scannableBarcodes(int count);

    // Bills saved in the shift this test opened.
    int savedBills();

    pos::TFrPos& pos() { return view->pos(); }
    // Lines added to the working folder's KVR.INI before the screen opens; false when it cannot be.
    bool addToIni(const QByteArray& lines);

    std::unique_ptr<products::TDmService> service;
    std::unique_ptr<pos::TFrPosView> view;
    std::unique_ptr<admin::TFrPosShiftNoView> shift;

private:
    bool m_realBoxes = false;
};

} // namespace kvr::test
