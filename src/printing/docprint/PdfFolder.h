#pragma once

#include "printing/docprint/PrintDevices.h"

namespace kvr::printing {

// Documents written as PDF files into one folder, named by document, year and layout
// ("PP6900012_2026_pos-bill-a5.pdf"); a later print of the same gets "-2", "-3", ... so that
// nothing printed before is overwritten.
class PdfFolder
{
public:
    explicit PdfFolder(const QString& folder);

    const QString& folder() const { return m_folder; }
    // The path the next file of this job gets.
    QString nextPath(const PrintJob& job, const QString& suffix = {}) const;
    // Raises when the folder or the file cannot be written; the path written.
    QString write(const report::PreparedReport& report, const PrintJob& job, const QString& suffix = {}) const;

private:
    QString m_folder;
};

// Print devices of a workstation without a display, or a test: prints and previews become PDF
// files (previews named with "-preview"); there is no printer to set up.
class PdfFolderDevices : public PrintDevices
{
public:
    explicit PdfFolderDevices(const QString& folder);

    void print(const report::PreparedReport& report, const PrintJob& job) override;
    bool preview(const report::PreparedReport& report, const PrintJob& job, bool mayPrint) override;
    bool setupPrinter() override { return false; }

    const PdfFolder& pdfFolder() const { return m_folder; }
    // The file the last print or preview went to.
    const QString& lastFile() const { return m_lastFile; }

private:
    PdfFolder m_folder;
    QString m_lastFile;
};

} // namespace kvr::printing
