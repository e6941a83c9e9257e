#include "printing/docprint/TFrDocPrintFormGLAuto.h"

#include "ui/base/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace kvr::printing {

namespace {

const char* const kVoucherTypes[] = {"ARRCPT",   "PRERCPT", "MISCRCPT", "RCPTVEN", "A-RCPT",  "APPAID",  "PREPAID",
                                     "MISCPAID", "A-PAID",  "MR",       "PC",      "PR",      "VCN",     "VDN",
                                     "ACLUPAID", "A-PURC",  "IV",       "SR",      "POS",     "CCN",     "CDN",
                                     "ACLURCPT", "A-SALE",  "BANKCASH", "BANKTR",  "RCCHQDP", "RCCHQCL", "RCCHQRD",
                                     "PDCHQDP",  "PDCHQRD", "A-BANK"};

bool isVoucherType(const QString& code)
{
    for (const char* type : kVoucherTypes) {
        if (code == QLatin1String(type))
            return true;
    }
    return false;
}

} // namespace

TFrDocPrintFormGLAuto::TFrDocPrintFormGLAuto(ui::Prompter& prompter, data::TDM& dm, PrintDevices& devices,
                                             const DocPrintSettings& settings, QObject* parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_settings(settings)
    , m_printer(dm, devices)
{ }

QString TFrDocPrintFormGLAuto::voucherType(const QString& printCode)
{
    const QString code = printCode.trimmed().toUpper();
    if (isVoucherType(code))
        return code;
    const QString head = code.section(u'-', 0, 0);
    return isVoucherType(head) ? head : QString();
}

void TFrDocPrintFormGLAuto::printVoucher(LayoutPrinter::Mode mode)
{
    const QString path = QDir(m_settings.workingDirectory).filePath(QLatin1String(kLayoutFile));
    if (!QFileInfo(path).isFile()) {
        m_prompter.warning(QString::fromUtf8(kNoLayout));
        return;
    }
    LayoutDocument document{m_documentNo, m_documentYear, m_printCode, {}, 0};
    document.extraVariables.insert(QStringLiteral("VoucherType"), voucherType(m_printCode));
    // The voucher's own preview offers printing: it has no list of layouts to go back to.
    if (!m_printer.run(path, document, mode, true))
        return;
    m_printed = true;
    // One layout: once printed there is nothing more to choose.
    if (mode == LayoutPrinter::Mode::Print)
        emit closeRequested();
}

} // namespace kvr::printing
