#include "app/FunctionTable.h"

#include "admin/TFrCancelPos.h"
#include "admin/TFrCancelPosView.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "app/FullTaxScreen.h"
#include "app/SaleScreen.h"
#include "search/SearchDialogView.h"

namespace kvr::app {

FunctionTable FunctionTable::standard()
{
    FunctionTable table;
    // Each screen registers its program numbers here as it is built.
    table.add(2, [](DataModules& modules) -> std::vector<QWidget*> {
        // The register's search dialogs open over the application, one at a time, for the whole run.
        static search::DialogSearchRunner runner;
        auto* form = new admin::TFrPosMachineNo(modules.prompter, modules.dm, runner);
        auto* view = new admin::TFrPosMachineNoView(*form);
        form->setParent(view);
        return {view};
    });
    table.add(3, [](DataModules& modules) -> std::vector<QWidget*> {
        static search::DialogSearchRunner runner;
        auto* form = new admin::TFrCancelPos(modules.prompter, modules.dm, runner);
        auto* view = new admin::TFrCancelPosView(*form);
        form->setParent(view);
        return {view};
    });
    for (const int programNo : {1, 11, 21, 22}) {
        const pos::PosScreenKind kind = *pos::screenForProgram(programNo);
        table.add(programNo, [kind](DataModules& modules) { return OpenSaleScreen(modules, kind); });
    }
    table.add(4, [](DataModules& modules) { return OpenFullTaxInvoice(modules, admin::FullTaxVariant::posBills()); });
    table.add(5, [](DataModules& modules) { return OpenFullTaxInvoice(modules, admin::FullTaxVariant::posHeader()); });
    return table;
}

const FunctionFactory* FunctionTable::find(int programNo) const
{
    const auto it = m_functions.find(programNo);
    return it == m_functions.end() ? nullptr : &it->second;
}

} // namespace kvr::app
