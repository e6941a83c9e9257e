#include "app/FullTaxScreen.h"

#include "admin/TFrPosFullTranView.h"
#include "printing/views/DocPrintRunner.h"
#include "search/SearchDialogView.h"

#include <memory>

namespace kvr::app {

namespace {

// What the window keeps alive with it. The search dialogs and the print form open over the
// window, which exists only after the screen: they are made once the window is there.
class FullTaxParts : public QObject, public search::SearchRunner, public printing::DocumentPrint
{
public:
    FullTaxParts(DataModules& modules, const admin::FullTaxVariant& variant)
        : m_modules(modules)
        , form(modules.prompter, modules.dm, *this, *this, variant)
    { }

    void setWindow(QWidget* window)
    {
        m_searches = std::make_unique<search::DialogSearchRunner>(window);
        m_print = std::make_unique<printing::DocPrintRunner>(m_modules.prompter, m_modules.dm, window);
    }
    bool run(search::SearchScreen& search) override { return m_searches->run(search); }
    bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) override
    {
        return m_print->printDocument(documentNo, documentYear, printCode);
    }

private:
    DataModules& m_modules;
    std::unique_ptr<search::DialogSearchRunner> m_searches;
    std::unique_ptr<printing::DocPrintRunner> m_print;

public:
    admin::TFrPosFullTran form;
};

} // namespace

std::vector<QWidget*> OpenFullTaxInvoice(DataModules& modules, const admin::FullTaxVariant& variant)
{
    auto parts = std::make_unique<FullTaxParts>(modules, variant);
    auto* view = new admin::TFrPosFullTranView(parts->form);
    parts->setWindow(view);
    parts.release()->setParent(view);
    return {view};
}

} // namespace kvr::app
