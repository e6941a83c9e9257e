#include "printing/TextReceipt.h"

#include "printing/ReceiptLayout.h"

namespace kvr::printing {

std::optional<PrinterError> PrintTextReceipt(ReceiptPrinter& printer, const ReceiptSettings& settings,
                                             const Receipt& receipt, const ReceiptJob& job)
{
    std::optional<PrinterError> failure;
    try {
        printer.OpenReceiptPrinter(job.target, job.printerCode, job.draft, job.retry);
        if (job.printLines)
            PrintReceiptLines(printer, settings, receipt.lines);
        PrintReceiptTotals(printer, settings, receipt.header);
        PrintReceiptHeading(printer, settings, true);
    } catch (const PrinterError& error) {
        failure = error;
    }
    try {
        printer.CloseReceiptPrinter();
    } catch (const PrinterError& error) {
        if (!failure)
            failure = error;
    }
    return failure;
}

} // namespace kvr::printing
