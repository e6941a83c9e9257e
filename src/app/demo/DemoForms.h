#pragma once

#include <QString>

namespace kvr::data {
class Connection;
}

namespace kvr::demo {

// The demo shop's page layouts: the files in the working folder (forms/ and the accounting
// voucher Form_GLAuto.frf) and their SystemForm rows: two layouts for the POS bills (POS-P) and
// the full tax invoices of both variants (POS-X1, POS-X2).
QString fillPrintForms(data::Connection& company, const QString& workingDirectory);

} // namespace kvr::demo
