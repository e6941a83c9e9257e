#include "printing/TextReceipt.h"

#include "printing/ReceiptLayout.h"

#include <QBuffer>

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

QByteArray RenderTextReceipt(const ReceiptSettings& settings, const Receipt& receipt, const ReceiptJob& job)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ReceiptPrinter printer;
    printer.OpenReceiptPrinter(buffer, job.printerCode, job.draft);
    if (job.printLines)
        PrintReceiptLines(printer, settings, receipt.lines);
    PrintReceiptTotals(printer, settings, receipt.header);
    PrintReceiptHeading(printer, settings, true);
    printer.CloseReceiptPrinter();
    return bytes;
}

} // namespace kvr::printing
