#pragma once

#include "PosFixture.h"
#include "SaleShop.h"

#include <functional>

namespace kvr::test {

// A sale ready to be paid: card types VISA (2 %) and CASHC (0 %), and bills whose lines carry
// what the line entry would have put there.
class SaleFixture : public PosFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    struct Line
    {
        int product;
        double quantity;
        double price;
        QVariant warehouse = pos_shop::mainWh;
        QString serial{}; // with UseSerial "Y" when not empty
    };
    // A new bill of the cash customer holding the lines, recalculated.
    pos::TFrPos& billWith(const std::vector<Line>& lines, bool allowZeroPrice = true);
    // A new bill of the cash customer, the cursor on its first, empty line; the last grid cell the
    // screen asked for is kept in gridField.
    pos::TFrPos& newCashBill(pos::PosMode mode = pos::PosMode::Goods);
    // The same on the screen's next bill, as the cashier rings up one sale after another.
    void ringUp(pos::TFrPos& screen, const std::vector<Line>& lines);
    // The payment edits as typed, followed by ReceiptChange.
    void pay(pos::TFrPos& screen, double cash, double coupon = 0, double bank = 0);
    // What saves have written: bills, their lines, card rows, sales logged and the goods series'
    // last number, as "bills=1 lines=2 cards=1 logged=1 lastNo=1".
    QString written();
    // Lets the program's queued work run (receipts taken by the printer being marked, a bill
    // opening after an outage) until the condition holds; false when it never did.
    bool waitFor(const std::function<bool()>& condition);

    QString gridField;
};

} // namespace kvr::test
