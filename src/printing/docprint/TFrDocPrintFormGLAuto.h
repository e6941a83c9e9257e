#pragma once

#include "printing/docprint/DocPrintSettings.h"
#include "printing/docprint/LayoutPrinter.h"

#include <QObject>

namespace kvr::ui {
class Prompter;
}

namespace kvr::printing {

// The accounting voucher of a document, offered after the print form when the company
// generates its ledger entries itself (Config.AutoGenGL = "Y"). It prints the one layout
// "Form_GLAuto.frf" of the working folder, which receives DocNo, DocYear, PrintCode and the
// voucher type the print code stands for (VoucherType).
class TFrDocPrintFormGLAuto : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* kLayoutFile = "Form_GLAuto.frf";
    static constexpr const char* kNoLayout = "ไม่พบฟอร์ม บันทึกบัญชี";

    TFrDocPrintFormGLAuto(ui::Prompter& prompter, data::TDM& dm, PrintDevices& devices,
                          const DocPrintSettings& settings, QObject* parent = nullptr);

    static QString caption() { return QStringLiteral("พิมพ์ใบบันทึกรายการบัญชี"); }
    // The voucher type of a print code: the code itself when it is one of the suite's voucher
    // types, else its part before the first '-' when that is one ("POS-P" -> "POS"), else empty.
    static QString voucherType(const QString& printCode);

    void setDocumentNo(const QString& number) { m_documentNo = number; }
    void setDocumentYear(int year) { m_documentYear = year; }
    void setPrintCode(const QString& code) { m_printCode = code; }
    const QString& documentNo() const { return m_documentNo; }
    int documentYear() const { return m_documentYear; }
    const QString& printCode() const { return m_printCode; }
    bool printed() const { return m_printed; }

    void FormShow() { m_printed = false; }
    // Display (mode 1) and Print (mode 2).
    void BtDisplayClick() { printVoucher(LayoutPrinter::Mode::Display); }
    void BtPrintClick() { printVoucher(LayoutPrinter::Mode::Print); }
    void Cancel() { emit closeRequested(); }

signals:
    void closeRequested();

private:
    void printVoucher(LayoutPrinter::Mode mode);

    ui::Prompter& m_prompter;
    const DocPrintSettings& m_settings;
    LayoutPrinter m_printer;
    QString m_documentNo;
    int m_documentYear = 0;
    QString m_printCode;
    bool m_printed = false;
};

} // namespace kvr::printing
