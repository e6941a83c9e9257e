#pragma once

#include "printing/docprint/DocPrintSettings.h"

#include <QStringList>

namespace kvr::printing {

// The six values the external print program receives, in this order.
struct ExternalPrintCall
{
    QString companyCode; // the third command-line parameter of the program
    QString templateName; // SystemForm.FrfName as stored
    QString userCode; // trimmed
    QString documentNo; // trimmed
    bool toPrinter = false; // 1 print, 0 preview
    int constantOne = 1;

    QStringList arguments() const;
};

// Layouts of the external format are printed by a program of their own, named in KVR.INI
// (DocumentPrint / ExternalCommand), instead of a library inside this one. A print waits for the
// program to end, up to CommandTimeout seconds; a preview is left running for the user to close.
class ExternalPrintCommand
{
public:
    explicit ExternalPrintCommand(const DocPrintSettings& settings);

    bool isConfigured() const { return !m_settings.externalCommand.isEmpty(); }
    // The message for a workstation without the program.
    static QString notConfiguredMessage(const QString& templateName);
    // Raises std::runtime_error when the program cannot be started, fails or takes too long.
    void run(const ExternalPrintCall& call);

private:
    const DocPrintSettings& m_settings;
};

} // namespace kvr::printing
