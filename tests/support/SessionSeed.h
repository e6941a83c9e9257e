#pragma once

#include "support/ShopBuilder.h"
#include "support/TestServer.h"

namespace kvr::test {

// A configuration database and an empty company database "SHOP" on the server, with:
// users 1 (Thai, every right on menu 101), 2 (English, every right), 3 (rights written 'y', 'n',
// '' and null, which grant nothing); menu 101; company 7 "SHOP" with its configuration.
void seedSession(const TestServer& server);

// The rows of a statement, each as the texts of its columns joined by '/': a whole table in one
// comparison, and a failure shows every row.
QStringList queryRows(data::Connection& connection, const QString& sql, const Columns& params = {});

// The messages of a configuration database's error log, oldest first.
QStringList errorLog(data::Connection& configuration);

} // namespace kvr::test
