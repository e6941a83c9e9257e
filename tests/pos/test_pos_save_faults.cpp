// Saves that meet a full disk or a server going away: the cashier reads the real cause, the bill
// stays on screen to be saved again, and a bill saved just before the outage is said to be saved.
#include "SaleFixture.h"

#include "support/WindowWait.h"
#include "ui/base/ExceptionHandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <thread>

namespace kvr::test {
namespace {

// What the error dialog shows for an error, through the program's own handler.
QString shownInErrorDialog(ScriptedPrompter& prompter, data::TDMConfig& config, std::exception_ptr error)
{
    ui::ExceptionHandler handler(config, prompter);
    prompter.answerErrorDialog(ui::ErrorDialogAnswer::DontSend);
    handler.handle(error);
    return prompter.asked().empty() ? QString() : prompter.asked().back().text;
}

std::exception_ptr failureOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

class SaveFaults : public SaleFixture
{
protected:
    pos::TFrPos& paidBill()
    {
        pos::TFrPos& screen = billWith({{pos_shop::water, 1, 60}, {pos_shop::water, 2, 20}});
        pay(screen, 100);
        return screen;
    }
    // The bill left on screen saves once the cause is gone, and the series has no gap. How the
    // screen keeps a bill whose save failed is the save test's, with a failure of its own making.
    void expectSavedOnTheNextTry(pos::TFrPos& screen)
    {
        prompter.answerConfirm(true);
        screen.AcSaveExecute();
        EXPECT_EQ(written(), QStringLiteral("bills=1 lines=2 cards=0 logged=1 lastNo=1"));
    }
};

// The SQLite folder on a small file system of its own, filled up before the save.
class SaveOnFullDisk : public SaveFaults
{
protected:
    void prepareServer() override
    {
        m_folder = QDir(server->workingDirectory()).filePath(QStringLiteral("db"));
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_folder).constData(), "tmpfs", 0, "size=8m") == 0;
        const int mountError = errno;
        // The shop is written either way, so that the session opens on it even when skipped.
        SaveFaults::prepareServer();
        if (!m_mounted)
            GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(mountError)
                         << "): the full-disk save is not tried";
    }
    void TearDown() override
    {
        // The databases close before their file system goes, and it goes before its folder.
        pos.reset();
        product.reset();
        dm.reset();
        config.reset();
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
        SaveFaults::TearDown();
    }
    void fillDisk()
    {
        QFile filler(fillerPath());
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    QString fillerPath() const { return QDir(m_folder).filePath(QStringLiteral("filler")); }

    QString m_folder;
    bool m_mounted = false;
};

TEST_P(SaveOnFullDisk, CashierReadsThatTheDiskIsFullAndTheBillSavesOnceThereIsRoom)
{
    pos::TFrPos& screen = paidBill();
    fillDisk();
    prompter.answerConfirm(true);
    const std::exception_ptr failure = failureOf([&] { screen.AcSaveExecute(); });
    ASSERT_TRUE(failure) << "the save went through on a full disk";
    const QString shown = shownInErrorDialog(prompter, *config, failure);
    EXPECT_TRUE(shown.contains(QStringLiteral("DISK IS FULL"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("ROLLBACK"))) << shown.toStdString();

    ASSERT_TRUE(QFile::remove(fillerPath()));
    expectSavedOnTheNextTry(screen);
}

INSTANTIATE_TEST_SUITE_P(Backends, SaveOnFullDisk, ::testing::Values(BackendKind::Sqlite), backendName);

// A PostgreSQL server of the test's own, which it stops and starts again.
class SaveWhileServerStops : public SaveFaults
{
protected:
    static void SetUpTestSuite()
    {
        s_bin = QString::fromLocal8Bit(qgetenv("KVR_SOURCE_DIR")) + QStringLiteral("/scripts/pgtest");
        s_dir = QStringLiteral("/tmp/kvrpos-outage-%1").arg(QCoreApplication::applicationPid());
        QProcess start;
        start.start(QStringLiteral("bash"), {s_bin, QStringLiteral("start"), s_dir, QStringLiteral("55470")});
        start.waitForFinished(120000);
        QFile address(s_dir + QStringLiteral("/address"));
        if (start.exitCode() == 0 && address.open(QIODevice::ReadOnly))
            s_address = QString::fromUtf8(address.readAll()).trimmed();
        else
            s_startError = QString::fromLocal8Bit(start.readAllStandardError());
    }
    static void TearDownTestSuite()
    {
        stopServer();
        QDir(s_dir).removeRecursively();
    }
    void SetUp() override
    {
        if (s_address.isEmpty())
            GTEST_SKIP() << "no PostgreSQL server of the test's own: " << s_startError.toStdString();
        m_previous = qgetenv("KVR_TEST_PG");
        qputenv("KVR_TEST_PG", s_address.toUtf8());
        SaveFaults::SetUp();
    }
    void TearDown() override
    {
        startServer();
        SaveFaults::TearDown();
        if (m_previous.isEmpty())
            qunsetenv("KVR_TEST_PG");
        else
            qputenv("KVR_TEST_PG", m_previous);
    }
    static void stopServer()
    {
        QProcess::execute(QStringLiteral("bash"), {s_bin, QStringLiteral("stop"), s_dir, QStringLiteral("55470")});
    }
    // Started again on its data as it was (the start command would make a new one).
    static void startServer()
    {
        const QString port = s_address.section(QLatin1Char(':'), 1);
        const QString pgCtl = QStringLiteral("$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)/pg_ctl");
        QProcess::execute(QStringLiteral("bash"),
                          {QStringLiteral("-c"),
                           QStringLiteral("runuser -u postgres -- %1 -D %2/data -l %2/server.log -w -t 60 -o "
                                          "'-p %3 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off' start "
                                          ">/dev/null 2>&1 || true")
                               .arg(pgCtl, s_dir, port)});
    }
    // Stops the server once a statement of the save waits in the planted trigger.
    static std::thread stopWhenStalled()
    {
        return std::thread([] {
            const QString name = QUuid::createUuid().toString();
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
                db.setHostName(s_address.section(QLatin1Char(':'), 0, 0));
                db.setPort(s_address.section(QLatin1Char(':'), 1).toInt());
                db.setDatabaseName(QStringLiteral("postgres"));
                db.setUserName(QStringLiteral("kvr"));
                db.setPassword(QStringLiteral("velvetox"));
                if (db.open()) {
                    QSqlQuery q(db);
                    for (int i = 0; i < 600; ++i) {
                        if (q.exec(
                                QStringLiteral("SELECT Count(*) FROM pg_stat_activity WHERE wait_event = 'PgSleep'")) &&
                            q.next() && q.value(0).toInt() > 0)
                            break;
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    }
                }
            }
            QSqlDatabase::removeDatabase(name);
            stopServer();
        });
    }

    static QString s_bin, s_dir, s_address, s_startError;
    QByteArray m_previous;
};

QString SaveWhileServerStops::s_bin, SaveWhileServerStops::s_dir, SaveWhileServerStops::s_address,
    SaveWhileServerStops::s_startError;

TEST_P(SaveWhileServerStops, CashierReadsWhatTheServerSaidNotTheRollback)
{
    // The second line of the bill waits inside the save until the server is stopped.
    dm->DMdata().execDirect(QStringLiteral("CREATE FUNCTION test_stall() RETURNS trigger AS $$ BEGIN "
                                           "IF NEW.PosRecNo = 2 THEN PERFORM pg_sleep(60); END IF; RETURN NEW; "
                                           "END $$ LANGUAGE plpgsql"));
    dm->DMdata().execDirect(
        QStringLiteral("CREATE TRIGGER test_stall BEFORE INSERT ON PosDt FOR EACH ROW EXECUTE FUNCTION test_stall()"));
    pos::TFrPos& screen = paidBill();
    prompter.answerConfirm(true);
    std::thread stopper = stopWhenStalled();
    const std::exception_ptr failure = failureOf([&] { screen.AcSaveExecute(); });
    stopper.join();
    ASSERT_TRUE(failure) << "the save went through while the server stopped";
    const QString shown = shownInErrorDialog(prompter, *config, failure);
    // The statement the server dropped, with its reason, not the rollback that followed.
    EXPECT_TRUE(shown.contains(QStringLiteral("INSERT INTO POSDT"), Qt::CaseInsensitive)) << shown.toStdString();
    EXPECT_FALSE(shown.trimmed().endsWith(QStringLiteral("ROLLBACK"))) << shown.toStdString();

    startServer();
    dm->DMdata().execDirect(QStringLiteral("DROP TRIGGER test_stall ON PosDt"));
    expectSavedOnTheNextTry(screen);
}

TEST_P(SaveWhileServerStops, OutageRightAfterTheCommitSaysTheBillIsSavedAndOpensTheNextOneLater)
{
    // A recalled bill printed before: after its commit the save says so, and the server stops
    // while the message is open.
    insertBill(waterBill(QStringLiteral("     101"), 1, 100));
    setConfig(QStringLiteral("Pos1_PrintType = 'T', PrintOldDocument = 'N'"));
    pos::TFrPos& screen = recall(this->screen(), QStringLiteral("101"));
    pay(screen, 150);
    prompter.answerConfirm(true);
    prompter.expectInformation([] { stopServer(); });
    prompter.answerErrorDialog(ui::ErrorDialogAnswer::DontSend);
    EXPECT_FALSE(failureOf([&] { screen.AcSaveExecute(); })) << "an error for a bill that was saved";
    const auto dialogs = prompter.asked(ScriptedPrompter::Kind::ErrorDialog);
    ASSERT_EQ(dialogs.size(), 1u);
    const QString saved =
        config->session().ThaiLanguage ? QStringLiteral("บันทึกบิลเลขที่ 101") : QStringLiteral("Bill 101 was saved");
    EXPECT_TRUE(dialogs.back().text.contains(saved)) << dialogs.back().text.toStdString();
    EXPECT_TRUE(dialogs.back().text.contains(QStringLiteral("terminating connection"))) << "and why";

    // The next bill opens by itself once the server answers again.
    startServer();
    ASSERT_TRUE(waitUntil([&] { return screen.bill().hasHeaderRow() && screen.isNewBill(); }));
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) AS N FROM PosHd WHERE Cash = 150")), 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, SaveWhileServerStops, ::testing::Values(BackendKind::Postgres), backendName);

} // namespace
} // namespace kvr::test
