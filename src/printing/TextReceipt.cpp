#include "printing/TextReceipt.h"

#include "printing/ReceiptLayout.h"
#include "printing/ReceiptPrinter.h"

#include <QBuffer>

namespace kvr::printing {

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
