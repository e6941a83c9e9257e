#pragma once

#include "admin/TFrPosFullTran.h"
#include "app/FunctionTable.h"

namespace kvr::app {

// The full tax invoice of a variant as the start-up table opens it (programs 4 and 5): its window,
// with the search dialogs and the document print form it opens over the application.
std::vector<QWidget*> OpenFullTaxInvoice(DataModules& modules, const admin::FullTaxVariant& variant);

} // namespace kvr::app
