#include "printing/views/PrinterDevices.h"

#include "printing/report/PagePainter.h"
#include "printing/views/ReportPreviewDialog.h"
#include "ui/base/Prompter.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <stdexcept>

namespace kvr::printing {

PrinterDevices::PrinterDevices(const DocPrintSettings& settings, ui::Prompter& prompter, QWidget* parent)
    : m_settings(settings)
    , m_prompter(prompter)
    , m_parent(parent)
    , m_printer(QPrinter::HighResolution)
    , m_pdf(settings.pdfFolder)
{ }

void PrinterDevices::print(const report::PreparedReport& report, const PrintJob& job)
{
    if (m_settings.pdfOutput) {
        m_pdf.write(report, job);
        return;
    }
    QPageLayout layout = report.pageLayout;
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    m_printer.setFullPage(true);
    m_printer.setPageLayout(layout);
    m_printer.setDocName(report.title);
    m_printer.setCopyCount(1);
    m_printer.setPrintRange(QPrinter::AllPages);
    if (!report::PagePainter::paintAll(m_printer, report))
        throw std::runtime_error(
            QStringLiteral("The printer %1 cannot print %2").arg(m_printer.printerName(), report.title).toStdString());
}

bool PrinterDevices::preview(const report::PreparedReport& report, const PrintJob& job, bool mayPrint)
{
    ReportPreviewDialog dialog(
        report, m_printer, mayPrint,
        [this] {
            QPageSetupDialog setup(&m_printer, m_openPreview);
            setup.exec();
        },
        m_parent);
    m_openPreview = &dialog;
    dialog.exec();
    m_openPreview = nullptr;
    if (!dialog.printRequested())
        return false;
    print(report, job);
    return true;
}

bool PrinterDevices::setupPrinter()
{
    if (m_settings.pdfOutput) {
        m_prompter.information(QStringLiteral("เอกสารจะถูกพิมพ์เป็นไฟล์ PDF ที่ %1\nDocuments are written as PDF files to "
                                              "%1 (KVR.INI [DocumentPrint] Output=pdf, or no display).")
                                   .arg(m_settings.pdfFolder));
        return false;
    }
    QPrintDialog dialog(&m_printer, m_parent);
    dialog.setObjectName(QStringLiteral("printerDialog"));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kvr::printing
