#pragma once

#include <QString>
#include <vector>

namespace kvr::data {
class TDM;
}

namespace kvr::printing {

// One print layout of a print code, a row of SystemForm.
struct SystemFormRow
{
    int id = 0; // tells the layout in the print log
    int orderNo = 0;
    QString formCode;
    QString description; // FormDesc
    QString fileName; // FrfName, as stored
    QString procedure; // SpName
    QString docCode;
    QString docParaName;
    QString showPrintPreview;

    // Layouts of the external print program are told by their file name.
    bool isExternal() const { return fileName.contains(QLatin1String("fr3"), Qt::CaseInsensitive); }
    bool previewMayPrint() const { return showPrintPreview == QLatin1String("Y"); }
};

// What the document print form reads and runs on the company database.
class SystemFormStore
{
public:
    explicit SystemFormStore(data::TDM& dm);

    // Adds SystemForm.ShowPrintPreview where it is missing and sets it to 'N' where it is empty.
    void ensureShowPrintPreview();
    // The layouts whose FormCode is the print code (both trimmed), by FormOrderNo.
    std::vector<SystemFormRow> layoutsFor(const QString& printCode);
    // The procedure a layout names, run before printing with the engine.
    void runPrintProcedure(const QString& name, const QString& documentNo, int documentYear, const QString& docCode);
    // Config.AutoGenGL = "Y": the accounting voucher follows the print.
    bool autoGenGL();

private:
    data::TDM& m_dm;
};

} // namespace kvr::printing
