#pragma once

#include "printing/PrinterError.h"
#include "printing/PrinterTarget.h"
#include "printing/ReceiptData.h"
#include "printing/ReceiptPrinter.h"

#include <optional>

namespace kvr::printing {

// How the sale screen wants one saved bill printed.
struct ReceiptJob
{
    PrinterTarget target; // PrinterTarget::resolve(working folder, machine code, printer name)
    QString printerCode; // the machine's PrinterCode
    bool draft = false;
    bool printLines = true; // false when the lines were printed as they were entered (Pos1_PrintLine)
    OpenRetry retry;
};

// Prints one receipt: open, lines, totals, the next receipt's heading with the paper cut, close.
// The bill is saved before this runs, so a printer failure is returned, not raised: the caller
// shows it through the error dialog and leaves the bill unmarked as printed. The output is
// closed in every case.
std::optional<PrinterError> PrintTextReceipt(ReceiptPrinter& printer, const ReceiptSettings& settings,
                                             const Receipt& receipt, const ReceiptJob& job);

// The bytes of the same receipt, for the machine's spool: printed from there by its worker, so
// that the sale never waits for the printer.
QByteArray RenderTextReceipt(const ReceiptSettings& settings, const Receipt& receipt, const ReceiptJob& job);

} // namespace kvr::printing
