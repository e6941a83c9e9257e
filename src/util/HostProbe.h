#pragma once

#include <QString>
#include <chrono>

namespace kvr::util {

// Whether a TCP connection to host:port can be made within the time given: the head office is
// "reachable" when its database port answers. Needs no privileges, unlike an ICMP echo; a refused
// connection, an unknown host or the time running out all answer false.
bool CanConnect(const QString& host, quint16 port, std::chrono::milliseconds timeout);

} // namespace kvr::util
