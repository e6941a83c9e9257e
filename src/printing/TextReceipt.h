#pragma once

#include "printing/ReceiptData.h"

#include <QByteArray>
#include <QString>

namespace kvr::printing {

// How the sale screen wants one saved bill printed.
struct ReceiptJob
{
    QString printerCode; // the machine's PrinterCode
    bool draft = false;
    bool printLines = true; // false when the lines were printed as they were entered (Pos1_PrintLine)
};

// The bytes of one receipt (lines, totals, the next receipt's heading with the paper cut), for
// the machine's spool: printed from there by its worker, so that the sale never waits for the
// printer.
QByteArray RenderTextReceipt(const ReceiptSettings& settings, const Receipt& receipt, const ReceiptJob& job);

} // namespace kvr::printing
