#pragma once

#include <QString>

namespace kvr::printing {

// The workstation's settings of the document print form, from "KVR.INI" in the working folder:
//
//   [DocumentPrint]
//   ; the program that prints layouts whose file name contains "fr3"
//   ExternalCommand=/opt/forms/printform
//   ; pdf or printer (the default); without a display documents always go to PDF files
//   Output=pdf
//   ; where PDF files go, relative to the working folder (default "pdf")
//   PdfFolder=printed
//   ; seconds a print by the external program may take (default 120)
//   CommandTimeout=120
struct DocPrintSettings
{
    static constexpr const char* kSection = "DocumentPrint";

    QString workingDirectory;
    QString externalCommand;
    bool pdfOutput = false;
    QString pdfFolder;
    int commandTimeoutSeconds = 120;

    static DocPrintSettings read(const QString& workingDirectory, bool hasDisplay);
};

} // namespace kvr::printing
