#pragma once

namespace kvr::data {

// Registers the suite's server procedures (rights, numbering, logs, server time, serials).
void registerSuiteProcedures();

} // namespace kvr::data
