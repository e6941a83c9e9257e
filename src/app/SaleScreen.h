#pragma once

#include "app/FunctionTable.h"
#include "pos/PosMode.h"

namespace kvr::app {

// The sale screen of a mode as the start-up table opens it: the screen's window first, then the
// shift dialog, which the screen runs modally when it is shown; cancelling it closes the screen
// without the exit question. The shift chosen becomes the screen's shift.
std::vector<QWidget*> OpenSaleScreen(DataModules& modules, pos::PosScreenKind kind);

} // namespace kvr::app
