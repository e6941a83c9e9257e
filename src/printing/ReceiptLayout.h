#pragma once

#include "printing/ReceiptData.h"
#include "printing/ReceiptPrinter.h"

#include <vector>

namespace kvr::printing {

// The two 40-column text receipt layouts (ReceiptFormNo 1 and 2; any other number prints only
// what both share). A receipt is printed as lines, totals, and then the heading that starts the
// next receipt, after which the paper is cut: the heading of every receipt was printed at the
// end of the one before.

inline constexpr int kReceiptWidth = 40;
// The line a reprinted receipt carries above its totals.
inline constexpr const char* kCopyMark = "****** สำเนา ******";

// The company block and column titles; with `flush` the paper is cut and the output flushed.
void PrintReceiptHeading(ReceiptPrinter& printer, const ReceiptSettings& settings, bool flush);

void PrintReceiptLines(ReceiptPrinter& printer, const ReceiptSettings& settings, const std::vector<ReceiptLine>& lines);

void PrintReceiptTotals(ReceiptPrinter& printer, const ReceiptSettings& settings, const ReceiptHeader& header);

// "-=Tax Included=-" or "-=Tax Excluded=-".
QString TaxModeText(const QString& priceIE);

} // namespace kvr::printing
