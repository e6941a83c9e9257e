#pragma once

#include <QString>

namespace kvr::util {

// Who and where the program runs, for the error log and the error report.

// The host name without its domain; empty when it cannot be read.
QString ComputerName();

// The login name of the user running the program, upper-cased; "UNKNOWN" when it cannot be read.
QString LoginUserName();

// The IPv4 address of the first active network interface other than loopback, dotted; empty
// when there is none. Interfaces are read directly because resolving the host name often only
// gives a loopback address that tells a reader nothing.
QString LocalIPAddress();

} // namespace kvr::util
