#include "data/AnswerWatchdog.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "support/TestServer.h"

#include <array>
#include <csignal>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace kvr::data;
using namespace std::chrono_literals;

namespace {

// Both ends of a local stream socket, closed at the end of the test.
struct SocketPair
{
    std::array<int, 2> fd{-1, -1};
    SocketPair() { EXPECT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fd.data()), 0); }
    ~SocketPair()
    {
        for (int d : fd)
            if (d >= 0)
                ::close(d);
    }
    // True when a byte written at one end arrives at the other.
    bool carries() const
    {
        const char out = 'x';
        char in = 0;
        return ::write(fd[0], &out, 1) == 1 && ::read(fd[1], &in, 1) == 1 && in == out;
    }
};

// The end of a stream whose peer was shut down reads as ended (0). A peer never cut fails the
// test after a generous while instead of holding it.
bool readsEnd(int descriptor)
{
    pollfd readable{descriptor, POLLIN, 0};
    if (::poll(&readable, 1, 30000) != 1)
        return false;
    char byte = 0;
    return ::read(descriptor, &byte, 1) == 0;
}

} // namespace

TEST(AnswerWatchdog, cuts_only_waits_still_armed_past_their_deadline_and_never_a_reused_descriptor)
{
    AnswerWatchdog watchdog;
    // Past its deadline: a read blocked on the peer wakes with the stream ended.
    SocketPair late;
    const auto cut = watchdog.arm(late.fd[0], AnswerWatchdog::Clock::now() + 50ms);
    EXPECT_TRUE(readsEnd(late.fd[1]));
    EXPECT_TRUE(watchdog.disarm(cut));

    // Disarmed in time: the socket is never touched afterwards, whatever its deadline was.
    SocketPair answered;
    const auto ticket = watchdog.arm(answered.fd[0], AnswerWatchdog::Clock::now() + 100ms);
    EXPECT_FALSE(watchdog.disarm(ticket));
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(answered.carries());

    // The driver closed its descriptor while the wait was armed, and the number went to another
    // socket: the cut reaches the old connection only.
    SocketPair old;
    const int number = old.fd[0];
    const auto stale = watchdog.arm(number, AnswerWatchdog::Clock::now() + 100ms);
    ::close(number);
    old.fd[0] = -1;
    SocketPair reused;
    EXPECT_TRUE(readsEnd(old.fd[1]));
    EXPECT_TRUE(watchdog.disarm(stale));
    EXPECT_TRUE(reused.carries()) << "descriptor " << number << " reused as " << reused.fd[0];
    EXPECT_EQ(watchdog.armedCount(), 0U);
}

namespace {

// What one save on the counter's connection ended with; no message when it was saved.
struct SaveOutcome
{
    DbFailure kind = DbFailure::Other;
    QString message;
};

// Two sales rows in one transaction; `between` runs after the first one.
SaveOutcome saveSale(Connection& counter, int id, const std::function<void()>& between = {})
{
    SaveOutcome outcome;
    try {
        Transaction transaction(counter);
        Query insert(counter, QStringLiteral("INSERT INTO Sale (Id, Amount) VALUES (:Id, :Amount)"));
        for (int row = 0; row < 2; ++row) {
            insert.setParam(QStringLiteral("Id"), id * 10 + row);
            insert.setParam(QStringLiteral("Amount"), 125.5);
            insert.execSql();
            if (row == 0 && between)
                between();
        }
        transaction.commit();
    } catch (const DbError& error) {
        outcome.kind = error.kind();
        outcome.message = error.message();
    }
    return outcome;
}

struct FrozenRun
{
    bool returned = false;
    SaveOutcome frozen;
    SaveOutcome later;
    int rowsStored = -1;
};

// A save on a server whose process is stopped, before the save begins or between two of its
// statements; then, with the server resumed, another save on the same connection.
FrozenRun saveOnStoppedServer(bool stopInsideTheSave)
{
    kvr::test::TestServer server(kvr::test::BackendKind::Postgres);
    server.createDatabase(QStringLiteral("SHOP"));
    ServerSpec spec = server.spec();
    spec.saveTimeout = 1;

    // The counter runs on a thread of its own (a Qt connection stays on the thread that made it),
    // so that a save that never returns cannot keep the server stopped: the test resumes it.
    std::promise<qint64> backendPid;
    std::promise<void> stopped;
    std::promise<SaveOutcome> frozenSave;
    std::promise<void> resumed;
    std::promise<std::pair<SaveOutcome, int>> laterSave;
    std::thread counterThread([&] {
        Connection counter(QStringLiteral("DMDATA"));
        counter.setTarget(spec, QStringLiteral("SHOP"), Login());
        counter.execDirect(QStringLiteral("CREATE TABLE Sale (Id INTEGER PRIMARY KEY, Amount NUMERIC(19, 4))"));
        Query pid(counter, QStringLiteral("SELECT pg_backend_pid() AS Pid"));
        pid.open();
        const qint64 backend = pid.field(QStringLiteral("Pid")).asInteger();
        auto stop = [&] {
            backendPid.set_value(backend);
            stopped.get_future().wait();
        };
        if (!stopInsideTheSave)
            stop();
        frozenSave.set_value(stopInsideTheSave ? saveSale(counter, 1, stop) : saveSale(counter, 1));
        resumed.get_future().wait();
        const SaveOutcome later = saveSale(counter, 2);
        Query stored(counter, QStringLiteral("SELECT COUNT(*) AS N FROM Sale"));
        stored.open();
        laterSave.set_value({later, stored.field(QStringLiteral("N")).asInteger()});
    });
    const pid_t backend = pid_t(backendPid.get_future().get());
    EXPECT_GT(backend, 0);
    EXPECT_EQ(::kill(backend, SIGSTOP), 0);
    stopped.set_value();

    // The limit is the save time-out and a margin; many times that only guards the test run.
    FrozenRun run;
    auto frozen = frozenSave.get_future();
    run.returned = frozen.wait_for(120s) == std::future_status::ready;
    ::kill(backend, SIGCONT);
    resumed.set_value();
    auto later = laterSave.get_future();
    counterThread.join();
    run.frozen = frozen.get();
    std::tie(run.later, run.rowsStored) = later.get();
    return run;
}

} // namespace

// A server process stopped outright (SIGSTOP) never fires its statement time-out and its kernel
// still acknowledges everything: without a limit of the client's own the save waited for as long
// as the server stood still.
TEST(FrozenServer, a_save_on_a_stopped_server_fails_with_its_cause_and_the_next_save_reconnects)
{
    if (!kvr::test::TestServer::postgresAvailable())
        GTEST_SKIP() << "needs the PostgreSQL test server";
    for (const bool inside : {false, true}) {
        SCOPED_TRACE(inside ? "stopped between two statements of the save" : "stopped before the save");
        const FrozenRun run = saveOnStoppedServer(inside);
        ASSERT_TRUE(run.returned) << "the save on the stopped server did not return";
        EXPECT_EQ(run.frozen.kind, DbFailure::ConnectionLost);
        EXPECT_TRUE(
            run.frozen.message.contains(QStringLiteral("did not answer within 6 s; nothing of this save was stored")))
            << run.frozen.message.toStdString();
        EXPECT_TRUE(run.later.message.isEmpty()) << run.later.message.toStdString();
        EXPECT_EQ(run.rowsStored, 2) << "only the save after the server answered again is stored";
    }
    EXPECT_EQ(AnswerWatchdog::instance().armedCount(), 0U);
}
