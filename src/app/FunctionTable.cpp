#include "app/FunctionTable.h"

namespace kvr::app {

FunctionTable FunctionTable::standard()
{
    FunctionTable table;
    // Each screen registers its program numbers here as it is built.
    return table;
}

const FunctionFactory* FunctionTable::find(int programNo) const
{
    const auto it = m_functions.find(programNo);
    return it == m_functions.end() ? nullptr : &it->second;
}

} // namespace kvr::app
