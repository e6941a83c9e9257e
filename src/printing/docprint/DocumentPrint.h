#pragma once

#include <QString>

namespace kvr::printing {

// How a screen prints a document through the print form, without knowing the form's window:
// the number, the year and the print code in, whether it was printed out. The sale screen's
// PrintThroughForm and the full tax invoice call this; the program passes DocPrintRunner.
class DocumentPrint
{
public:
    virtual ~DocumentPrint() = default;
    virtual bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) = 0;
};

} // namespace kvr::printing
