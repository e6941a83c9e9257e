#pragma once

#include "data/Connection.h"
#include "data/ServerName.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kvr::test {

// The backends the tests run on, named as the program names them.
using BackendKind = data::ServerSpec::Backend;

std::string backendName(const ::testing::TestParamInfo<BackendKind>& info);

// A working folder with a "Server.Dat" naming an empty server of the given kind: a folder of
// SQLite files, or the loopback PostgreSQL server the test run started (emptied first; tests
// that use it run one at a time).
class TestServer
{
public:
    static bool postgresAvailable();
    explicit TestServer(BackendKind kind);
    ~TestServer();

    BackendKind kind() const { return m_kind; }
    QString workingDirectory() const { return m_workDir.path(); }
    QString serverName() const { return m_serverName; }
    data::ServerSpec spec() const { return data::ServerSpec::parse(m_serverName, m_workDir.path()); }
    void writeServerDat(const QString& firstLine) const;
    // Removes every database of the server.
    void dropAll() const;
    void createDatabase(const QString& name) const;
    // A connection to one database of the server, not yet opened.
    std::unique_ptr<data::Connection> connection(const QString& databaseName) const;

private:
    BackendKind m_kind;
    QTemporaryDir m_workDir;
    QString m_serverName;
};

// Runs the same tests on both backends; skipped on PostgreSQL only outside the test run
// (KVR_TEST_PG unset), never silently inside it.
class BackendTest : public ::testing::TestWithParam<BackendKind>
{
protected:
    void SetUp() override;
    void TearDown() override { server.reset(); }
    std::unique_ptr<TestServer> server;
};

#define KVR_INSTANTIATE_BACKENDS(Suite)                                                                                \
    INSTANTIATE_TEST_SUITE_P(Backends, Suite,                                                                          \
                             ::testing::Values(::kvr::test::BackendKind::Sqlite, ::kvr::test::BackendKind::Postgres),  \
                             ::kvr::test::backendName)

} // namespace kvr::test
