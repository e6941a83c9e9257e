#pragma once

#include "printing/report/PreparedReport.h"

class QPainter;
class QPagedPaintDevice;

namespace kvr::report {

// Draws prepared pages on any paged device: a PDF file, a printer, the print preview.
class PagePainter
{
public:
    // One page, on a painter whose device shows the whole sheet (no margins of its own).
    static void paintPage(QPainter& painter, const PreparedReport& report, int page);
    // Every page, `copies` times, on a device already set to the report's page size; false when
    // the device cannot be painted on.
    static bool paintAll(QPagedPaintDevice& device, const PreparedReport& report, int copies = 1);
    // Writes the pages as a PDF file; raises ReportError when the file cannot be written.
    static void writePdf(const PreparedReport& report, const QString& path);
};

} // namespace kvr::report
