#pragma once

#include "support/TestServer.h"

namespace kvr::test {

// A configuration database and an empty company database "SHOP" on the server, with:
// users 1 (Thai, every right on menu 101), 2 (English, every right), 3 (rights written 'y', 'n',
// '' and null, which grant nothing); menu 101; company 7 "SHOP" with its configuration.
void seedSession(const TestServer& server);

// The messages of a configuration database's error log, oldest first.
QStringList errorLog(data::Connection& configuration);

} // namespace kvr::test
