#include "printing/views/DocPrintRunner.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "printing/docprint/TFrDocPrintFormGLAuto.h"
#include "printing/views/PrinterDevices.h"
#include "printing/views/TFrDocPrintFormGLAutoView.h"
#include "printing/views/TFrDocPrintFormView.h"

#include <QGuiApplication>

namespace kvr::printing {

bool DocPrintRunner::hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

DocPrintRunner::DocPrintRunner(ui::Prompter& prompter, data::TDM& dm, QWidget* parent)
    : DocPrintRunner(prompter, dm, DocPrintSettings::read(dm.config().workingDirectory(), hasDisplay()), parent)
{ }

DocPrintRunner::DocPrintRunner(ui::Prompter& prompter, data::TDM& dm, const DocPrintSettings& settings, QWidget* parent)
    : m_prompter(prompter)
    , m_dm(dm)
    , m_settings(settings)
    , m_parent(parent)
    , m_devices(std::make_unique<PrinterDevices>(m_settings, prompter, parent))
{ }

DocPrintRunner::~DocPrintRunner() = default;

bool DocPrintRunner::printDocument(const QString& documentNo, int documentYear, const QString& printCode)
{
    if (!m_form) {
        m_form = std::make_unique<TFrDocPrintForm>(m_prompter, m_dm, *m_devices, m_settings);
        m_view = std::make_unique<TFrDocPrintFormView>(*m_form, m_parent);
    }
    m_form->setDocumentNo(documentNo);
    m_form->setDocumentYear(documentYear);
    m_form->setPrintCode(printCode);
    m_view->run();
    const bool printed = m_form->printed();
    if (m_form->voucherFollows())
        runVoucher(documentNo, documentYear, printCode);
    return printed;
}

void DocPrintRunner::runVoucher(const QString& documentNo, int documentYear, const QString& printCode)
{
    if (!m_voucher) {
        m_voucher = std::make_unique<TFrDocPrintFormGLAuto>(m_prompter, m_dm, *m_devices, m_settings);
        m_voucherView =
            std::make_unique<TFrDocPrintFormGLAutoView>(*m_voucher, m_dm.config().session().ThaiLanguage, m_parent);
    }
    m_voucher->setDocumentNo(documentNo);
    m_voucher->setDocumentYear(documentYear);
    m_voucher->setPrintCode(printCode);
    m_voucherView->run();
}

} // namespace kvr::printing
