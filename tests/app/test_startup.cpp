#include "app/StartupParams.h"
#include "data/dialect/Dialect.h"
#include "support/Files.h"
#include "support/SessionSeed.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <tuple>

using kvr::test::BackendTest;
using kvr::test::writeFile;

namespace {

struct ProgramRun
{
    int exitCode = -1;
    QString err;
};

// Starts the real program the way the suite's menu program does, in the given working folder.
std::unique_ptr<QProcess> startProgram(const QString& workDir, const QStringList& args)
{
    auto p = std::make_unique<QProcess>();
    p->setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(env);
    p->start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/src/app/kvrpos"), args);
    return p;
}

ProgramRun runProgram(const QString& workDir, const QStringList& args)
{
    const auto p = startProgram(workDir, args);
    EXPECT_TRUE(p->waitForFinished(60000)) << "the program waited for someone";
    ProgramRun run;
    run.exitCode = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
    run.err = QString::fromLocal8Bit(p->readAllStandardError());
    return run;
}

// The six parameters of a start: menu item, user, company, an unused one, program number, date.
QStringList params(const char* menu, const char* user, const char* company, const char* program,
                   const char* date = "07/12/2026")
{
    return {QString::fromUtf8(menu),    QString::fromUtf8(user),    QString::fromUtf8(company),
            QStringLiteral("anything"), QString::fromUtf8(program), QString::fromUtf8(date)};
}

class StartupTest : public BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (!IsSkipped())
            kvr::test::seedSession(*server);
    }
};

} // namespace

TEST(StartupParams, six_positional_parameters_with_a_day_first_date)
{
    QString error;
    const auto p = kvr::app::StartupParams::parse({QStringLiteral("101"), QStringLiteral("1"), QStringLiteral(" demo "),
                                                   QString(), QStringLiteral("22"), QStringLiteral("31/12/2025")},
                                                  &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(std::tuple(p.menuId, p.userId, p.companyCode, p.programNo, p.workDate),
              std::tuple(101, 1, QStringLiteral(" demo "), 22, QDate(2025, 12, 31)));

    kvr::app::StartupParams::parse(params("x", "1", "DEMO", "1"), &error);
    EXPECT_TRUE(error.contains(QStringLiteral("'x' is not a valid integer"))) << error.toStdString();
}

// Before any database is reached: the server named in Server.Dat would fail loudly if tried.
TEST(Startup, a_start_that_cannot_go_on_ends_before_connecting_with_its_message_and_code)
{
    struct Case
    {
        const char* label;
        const char* serverDat; // none when empty
        QStringList args;
        int exitCode;
        const char* message; // standard error stays empty when empty
    };
    const Case cases[] = {
        {"no parameters", "sqlite:nowhere", {}, 0, ""},
        {"too few parameters", "sqlite:nowhere", {"101", "1"}, 2, "Expected 6 parameters"},
        {"month first", "sqlite:nowhere", params("101", "1", "SHOP", "1", "12/31/2025"), 2,
         "'12/31/2025' is not a valid date"},
        {"no Server.Dat: the default server, which is not supported", "", params("101", "1", "SHOP", "1"), 1,
         "\"KVR\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QTemporaryDir dir;
        if (*c.serverDat) {
            ASSERT_TRUE(
                writeFile(QDir(dir.path()).filePath(QStringLiteral("Server.Dat")), QByteArray(c.serverDat) + "\r\n"));
        }
        const ProgramRun run = runProgram(dir.path(), c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        if (*c.message)
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        else
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(QDir(dir.path()).filePath(QStringLiteral("nowhere"))));
    }
}

TEST_P(StartupTest, outcomes_of_a_start_by_user_company_and_program_number)
{
    // What is started, its exit code and a message standard error holds.
    const std::tuple<const char*, QStringList, int, const char*> cases[] = {
        {"user without access", params("101", "3", "SHOP", "1"), 0, "User 3 has no access to menu item 101"},
        {"unknown company, lower case", params("101", "1", "nope", "1"), 0, "Not Found Database : NOPE"},
        {"program number 0", params("101", "1", "shop", "0"), 0, "Program number 0 opens no function"},
    };
    for (const auto& [label, args, exitCode, message] : cases) {
        SCOPED_TRACE(label);
        const ProgramRun run = runProgram(server->workingDirectory(), args);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(message))) << run.err.toStdString();
    }
}

KVR_INSTANTIATE_BACKENDS(StartupTest);

// The sale screen's start once waited for ever, headless, behind an error nobody could read.
TEST_P(StartupTest, a_company_database_that_cannot_be_opened_ends_the_start_with_its_message)
{
    const kvr::data::ServerSpec spec = server->spec();
    const auto dialect = kvr::data::Dialect::forBackend(spec.backend);
    const kvr::data::Login login;
    // What is done to the database, named.
    std::vector<std::pair<const char*, std::function<void()>>> cases;
    if (GetParam() == kvr::test::BackendKind::Sqlite)
        cases.push_back({"truncated", [&] {
                             // What is left of a copy broken off after its first kilobyte.
                             QFile file(dialect->physicalName(spec, QStringLiteral("SHOP")));
                             ASSERT_GT(file.size(), 4096);
                             ASSERT_TRUE(file.resize(1024));
                         }});
    cases.push_back(
        {"dropped", [&] { dialect->dropDatabase(spec, QStringLiteral("SHOP"), login.user, login.password); }});
    for (const auto& [label, damage] : cases) {
        SCOPED_TRACE(label);
        damage();
        // The company database is opened before any program's window: the sale screen stands for all.
        const ProgramRun run = runProgram(server->workingDirectory(), params("101", "1", "SHOP", "1"));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("\"SHOP\""))) << run.err.toStdString();
    }
}

// Counters switched on together the first morning, on a configuration database nobody has
// opened yet: each must start, none may end at "database is locked".
TEST(Startup, counters_starting_together_on_a_new_sqlite_configuration_database_all_start)
{
    constexpr int kRounds = 12;
    constexpr int kCounters = 3;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        QTemporaryDir dir;
        const QDir work(dir.path());
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("Server.Dat")), "sqlite:db\n"));
        // A new database is an empty file until its first connection creates the tables.
        ASSERT_TRUE(writeFile(work.filePath(QStringLiteral("db/KVR_CONFIG.db")), {}));

        std::vector<std::unique_ptr<QProcess>> counters;
        for (int i = 0; i < kCounters; ++i)
            counters.push_back(startProgram(dir.path(), params("101", "1", "SHOP", "1")));
        for (auto& p : counters) {
            ASSERT_TRUE(p->waitForFinished(60000));
            const QString err = QString::fromLocal8Bit(p->readAllStandardError());
            // The new database names no company yet: a start that got through ends looking for it.
            EXPECT_EQ(p->exitCode(), 0) << err.toStdString();
            EXPECT_TRUE(err.contains(QStringLiteral("Not Found Database : SHOP"))) << err.toStdString();
            EXPECT_FALSE(err.contains(QStringLiteral("locked"))) << err.toStdString();
        }
    }
}

// A KVR.INI that is a named pipe held the start at its first read, waiting for a writer.
TEST_P(StartupTest, a_kvr_ini_that_is_not_a_regular_file_is_ignored_with_a_message)
{
    const QString ini = QDir(server->workingDirectory()).filePath(QStringLiteral("KVR.INI"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    const ProgramRun run = runProgram(server->workingDirectory(), params("101", "3", "SHOP", "1"));
    EXPECT_EQ(run.exitCode, 0);
    // Said once, and the start went on to the user's rights.
    EXPECT_EQ(run.err.count(QStringLiteral("KVR.INI is not a regular file and is ignored")), 1)
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("User 3 has no access"))) << run.err.toStdString();
}
