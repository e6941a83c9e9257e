#pragma once

#include "printing/report/Layout.h"

#include <QString>

namespace kvr::report {

// Reads a layout file of our own text format (see docs/layout-format.md). Anything else (an
// old binary layout carried over from another installation, a file cut short, a mistake on a
// line) raises ReportError with the file's name and, where there is one, the line.
class LayoutReader
{
public:
    // The first line of every layout file.
    static constexpr const char* kSignature = "kvr-layout 1";

    static Layout readFile(const QString& path);
    // `fileName` names the text in messages and anchors relative picture files.
    static Layout readText(const QString& text, const QString& fileName);
};

} // namespace kvr::report
