#pragma once

#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/PdfFolder.h"
#include "printing/docprint/PrintDevices.h"

#include <QPrinter>

class QWidget;

namespace kvr::ui {
class Prompter;
}

namespace kvr::printing {

class ReportPreviewDialog;

// The workstation's page printer through the system's print service (Qt's printer), its set-up
// dialog and the preview window. With PDF output (no display, or KVR.INI) prints become PDF
// files in the configured folder instead, and the preview prints there too.
class PrinterDevices : public PrintDevices
{
public:
    PrinterDevices(const DocPrintSettings& settings, ui::Prompter& prompter, QWidget* parent = nullptr);

    void print(const report::PreparedReport& report, const PrintJob& job) override;
    bool preview(const report::PreparedReport& report, const PrintJob& job, bool mayPrint) override;
    bool setupPrinter() override;

    QPrinter& printer() { return m_printer; }
    const PdfFolder& pdfFolder() const { return m_pdf; }
    // The preview while it is open (tests and screenshots look at it).
    ReportPreviewDialog* openPreview() const { return m_openPreview; }

private:
    const DocPrintSettings& m_settings;
    ui::Prompter& m_prompter;
    QWidget* m_parent;
    QPrinter m_printer;
    PdfFolder m_pdf;
    ReportPreviewDialog* m_openPreview = nullptr;
};

} // namespace kvr::printing
