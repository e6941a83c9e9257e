#pragma once

#include <QString>

namespace kvr::report {
struct PreparedReport;
}

namespace kvr::printing {

// What is being printed: names PDF files and print jobs.
struct PrintJob
{
    QString documentNo;
    int documentYear = 0;
    QString layoutFile;
};

// Where the print form sends prepared pages: a page printer with its preview and set-up, or PDF
// files in a folder. The screen class knows only this.
class PrintDevices
{
public:
    virtual ~PrintDevices() = default;
    // Every page, one copy. Raises when the pages cannot be printed.
    virtual void print(const report::PreparedReport& report, const PrintJob& job) = 0;
    // Shows the pages; printing from there is offered only when `mayPrint`. True when the user
    // printed from the preview.
    virtual bool preview(const report::PreparedReport& report, const PrintJob& job, bool mayPrint) = 0;
    // The printer and its settings for the prints that follow; false when nothing changed.
    virtual bool setupPrinter() = 0;
};

} // namespace kvr::printing
