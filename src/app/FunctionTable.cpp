#include "app/FunctionTable.h"

#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"

namespace kvr::app {

FunctionTable FunctionTable::standard()
{
    FunctionTable table;
    // Each screen registers its program numbers here as it is built.
    table.add(2, [](DataModules& modules) -> std::vector<QWidget*> {
        auto* form = new admin::TFrPosMachineNo(modules.prompter, modules.dm);
        auto* view = new admin::TFrPosMachineNoView(*form);
        form->setParent(view);
        return {view};
    });
    return table;
}

const FunctionFactory* FunctionTable::find(int programNo) const
{
    const auto it = m_functions.find(programNo);
    return it == m_functions.end() ? nullptr : &it->second;
}

} // namespace kvr::app
