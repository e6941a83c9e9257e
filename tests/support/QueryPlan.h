#pragma once

#include <QStringList>

namespace kvr::data {
class Connection;
class Query;
} // namespace kvr::data

namespace kvr::test {

// The plan the backend chooses for a statement with the values its parameters had at its last
// run, one line per step: SQLite's EXPLAIN QUERY PLAN, or on PostgreSQL the EXPLAIN of a
// server-side prepared statement, so that the plan is the one those values get.
QStringList queryPlan(data::Connection& connection, const data::Query& statement);

} // namespace kvr::test
