#pragma once

#include <QString>

namespace kvr::data {
class Connection;
}

namespace kvr::search {

// Deletes a cancelled document of the table (PosHd, SoHd ...) with its lines and other rows, in
// one transaction. False when the row is no longer a cancelled document: nothing is deleted then.
// A table name that is not a plain identifier raises.
bool purgeCancelledDocument(data::Connection& connection, const QString& table, int id);

} // namespace kvr::search
