#pragma once

#include "data/TDMConfig.h"
#include "support/ScriptedPrompter.h"
#include "support/TestServer.h"
#include "ui/base/ExceptionHandler.h"

#include <gtest/gtest.h>

namespace kvr::test {

// The program's error handler on a configuration database of its own (SQLite), its dialogs
// answered by a script.
class ErrorHandlerFixture : public ::testing::Test
{
protected:
    void SetUp() override { server.createDatabase(QStringLiteral("KVR_CONFIG")); }

    TestServer server{BackendKind::Sqlite};
    data::TDMConfig config{server.workingDirectory()};
    ScriptedPrompter prompter;
    ui::ExceptionHandler handler{config, prompter};
};

} // namespace kvr::test
