#pragma once

#include "printing/ReceiptData.h"

#include <vector>

namespace kvr::data {
class Query;
}

namespace kvr::printing {

// Receipt data read from the program's queries. Missing columns raise DbError, as any field read.

// NameThai and TaxNo of the company query (TDMConfig::QCompany), opened first when it is closed.
ReceiptCompany ReadReceiptCompany(data::Query& company);

// The current row of the sale screen's header query: PosNo, Price_IE, NoTaxAmt, TaxAmt,
// TaxTotal, Total, TaxRate, DiscountAmt, Cash, CardAmount, Coupon, BankAmount, Change and
// PosPrintDateTime.
ReceiptHeader ReadReceiptHeader(const data::Query& header);

// Every row of the sale screen's line query, first to last: ProductCode, BarCode, PosName,
// UnitName, Quantity, Price, DiscountAmt, Total. The query's current row does not move.
std::vector<ReceiptLine> ReadReceiptLines(const data::Query& lines);

} // namespace kvr::printing
