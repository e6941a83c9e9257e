#pragma once

#include <QString>

namespace kvr::data {
class Connection;
}

namespace kvr::demo {

struct DemoShop;

// Full tax invoices on the receipts the bills phase wrote, so that programs 4 and 5 have every
// case to show: an invoice to a company's branch, one combined end-of-day number shared by two
// receipts, an invoice on a bill kept in PosHeader to a buyer typed in at the counter, and a
// cancelled PosHeader bill. Numbers are drawn from the POS-X1 and POS-X2 series as the screen
// draws them.
QString fillFullTaxInvoices(data::Connection& company, const DemoShop& shop);

} // namespace kvr::demo
