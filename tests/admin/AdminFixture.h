#pragma once

#include "data/Connection.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchRunner.h"
#include "search/SearchScreen.h"
#include "support/ScriptedPrompter.h"
#include "support/TestServer.h"

#include <QStringList>
#include <QVariant>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace kvr::test {

// Runs the search dialogs through their screen classes, as the user would: the script decides
// what to search and which row to choose. Without a script every dialog is cancelled.
class ChoosingRunner : public search::SearchRunner
{
public:
    bool run(search::SearchScreen& search) override
    {
        captions << search.caption();
        return script && script(search);
    }
    // Opens the dialog, searches with the location typed and keeps the rows listed; chooses the
    // row with that code, or cancels when it is empty or not listed.
    bool searchLocation(search::SearchScreen& search, const QString& location, const QString& code);

    std::function<bool(search::SearchScreen&)> script;
    QStringList captions;
    QStringList listed; // MachineCode of each row of the last search, in order
};

// A shop on either backend with what the shift dialog and the machine register read: coins and
// notes, four machines (in use, blocked, never flagged, back office), a salesman, warehouse and
// department. Machine ids are 1..4 in that order.
class AdminFixture : public BackendTest
{
public:
    using Params = std::initializer_list<std::pair<const char*, QVariant>>;

protected:
    void SetUp() override;
    void TearDown() override;

    // Statements of this session, on the program's own company connection.
    int exec(const QString& sql, Params params = {});
    QVariant scalar(const QString& sql, Params params = {});
    // Statements of another counter: a second connection to the same database.
    int execElsewhere(const QString& sql, Params params = {});

    void setLockPosDate(bool locked);
    // A shift written as another counter would have left it, with one float row per count
    // (coin id, pieces); its id.
    int insertShift(const QDate& date, int machineId, int shiftNo, const QString& closed,
                    std::initializer_list<std::pair<int, int>> counts);

    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    std::unique_ptr<data::Connection> other;
    ScriptedPrompter prompter;
    ChoosingRunner runner;
};

} // namespace kvr::test
