#include "app/FunctionTable.h"

#include "admin/TFrCancelPos.h"
#include "admin/TFrCancelPosView.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "app/FullTaxScreen.h"
#include "app/SaleScreen.h"
#include "search/SearchDialogView.h"

namespace kvr::app {

namespace {

// A screen whose window owns it, with its search dialogs opening over the application, one at a
// time, for the whole run.
template <typename Screen, typename View>
std::vector<QWidget*> openScreen(DataModules& modules)
{
    static search::DialogSearchRunner runner;
    auto* form = new Screen(modules.prompter, modules.dm, runner);
    auto* view = new View(*form);
    form->setParent(view);
    return {view};
}

} // namespace

const FunctionTable& FunctionTable::standard()
{
    static const FunctionTable table = [] {
        FunctionTable built;
        // Each screen registers its program numbers here as it is built.
        built.add(2, openScreen<admin::TFrPosMachineNo, admin::TFrPosMachineNoView>);
        built.add(3, openScreen<admin::TFrCancelPos, admin::TFrCancelPosView>);
        for (const int programNo : {1, 11, 21, 22}) {
            const pos::PosScreenKind kind = *pos::screenForProgram(programNo);
            built.add(programNo, [kind](DataModules& modules) { return OpenSaleScreen(modules, kind); });
        }
        built.add(4,
                  [](DataModules& modules) { return OpenFullTaxInvoice(modules, admin::FullTaxVariant::posBills()); });
        built.add(5,
                  [](DataModules& modules) { return OpenFullTaxInvoice(modules, admin::FullTaxVariant::posHeader()); });
        return built;
    }();
    return table;
}

const FunctionFactory* FunctionTable::find(int programNo) const
{
    const auto it = m_functions.find(programNo);
    return it == m_functions.end() ? nullptr : &it->second;
}

} // namespace kvr::app
