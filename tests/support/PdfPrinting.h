#pragma once

#include "printing/views/DocPrintRunner.h"
#include "support/PdfText.h"

#include <QDir>
#include <memory>

namespace kvr::test {

// A session fixture with the print form's runner as it is without a display: printing to PDF
// files in the working folder. The runner goes before the session it prints from.
template <class Session>
class PdfPrinting : public Session
{
protected:
    void SetUp() override
    {
        Session::SetUp();
        if (this->IsSkipped() || this->HasFatalFailure())
            return;
        makeRunner(false);
    }
    void TearDown() override
    {
        runner.reset();
        Session::TearDown();
    }
    void makeRunner(bool printerOutput)
    {
        runner = std::make_unique<printing::DocPrintRunner>(
            this->prompter, *this->dm,
            printing::DocPrintSettings::read(this->server->workingDirectory(), printerOutput));
    }
    QDir printedFolder() const { return QDir(runner->settings().pdfFolder); }
    QStringList pdfFiles() const
    {
        return printedFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }
    QString printedText(const QString& file) const { return pdfText(printedFolder().filePath(file)); }

    std::unique_ptr<printing::DocPrintRunner> runner;
};

} // namespace kvr::test
