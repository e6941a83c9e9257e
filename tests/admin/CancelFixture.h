#pragma once

#include "AdminFixture.h"

namespace kvr::test {

// A saved bill as the sale screen leaves it; `extra` writes what the cancellation must refuse.
struct CancelBillSpec
{
    QString number{}; // typed digits; stored right-aligned to the series' 8 characters
    double total = 0;
    QString posType = QStringLiteral("P");
    bool withCustomer = true;
    Columns extra{};
};

// A shop with saved bills to cancel: the POS-P series of 2026 numbered with 8 characters, a
// salesman, a customer, machine POS01 at the front counter and its shift 2 of 14 March 2026.
class CancelFixture : public ScreenFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;

    // A bill of the shift with the salesman; its id.
    int bill(const CancelBillSpec& spec);

    QString text(int billId, const char* column);
    // Usage-log rows of cancellations of the bill.
    int cancellationLogs(int billId);

    int salesman = 0;
    int customer = 0;
    int shift = 0;
    ScriptedSearchRunner runner;
};

} // namespace kvr::test
