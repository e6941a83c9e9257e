#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "support/SessionFixture.h"
#include "support/SessionSeed.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/ExceptionHandler.h"
#include "util/Workstation.h"

#include <gtest/gtest.h>

using namespace kvr;
using data::DbError;
using data::DbFailure;
using kvr::ui::ErrorDialogAnswer;

namespace {

// Failures each backend really raises, from statements it refuses, reach the cashier through the
// program's error handler: the real error dialog shows the Thai explanation above the message, and
// the configuration database's log keeps them.
class DatabaseErrors : public test::SessionFixture
{
protected:
    void buildShop(test::ShopBuilder& shop) override { shop.warehouse("MAIN", "คลังหน้าร้าน"); }

    void exec(const QString& sql) { data::Query(dm->DMdata(), sql).execSql(); }

    // The error the statement raises; a statement that does not fail fails the test.
    DbError raisedBy(const QString& sql)
    {
        try {
            exec(sql);
        } catch (const DbError& error) {
            return error;
        }
        ADD_FAILURE() << "the statement did not fail";
        return DbError(QString());
    }

    // Shown by the real error dialog ("Don't Send" closes it) with its explanation.
    void expectExplained(const DbError& error, const QString& explanation)
    {
        ui::DialogPrompter prompter;
        ui::ExceptionHandler handler(*config, prompter);
        QString shown;
        test::whenErrorDialogOpens(shown);
        handler.handle(std::make_exception_ptr(error));
        EXPECT_EQ(shown, explanation + QLatin1Char('\n') + error.message().toUpper() + QLatin1Char('\n'));
    }
};

TEST_P(DatabaseErrors, a_missing_value_is_explained_by_the_column_it_was_missing_from)
{
    // A coin without its face value, in the company's own table.
    const DbError coin = raisedBy(QStringLiteral("INSERT INTO Coin (Description) VALUES ('เหรียญ 5 บาท')"));
    expectExplained(coin, QStringLiteral("ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"));
}

TEST_P(DatabaseErrors, a_duplicate_key_is_explained)
{
    const DbError error = raisedBy(QStringLiteral("INSERT INTO Warehouse (Code, Name) VALUES ('MAIN', 'ซ้ำ')"));
    expectExplained(error, QStringLiteral("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"));
}

TEST_P(DatabaseErrors, deleting_a_row_others_refer_to_is_explained_and_a_reference_to_nothing_is_not)
{
    dm->DMdata().execDirect(QStringLiteral("CREATE TABLE TestParent (Id INTEGER PRIMARY KEY)"));
    dm->DMdata().execDirect(QStringLiteral("CREATE TABLE TestChild (Parent INTEGER REFERENCES TestParent (Id))"));
    exec(QStringLiteral("INSERT INTO TestParent (Id) VALUES (1)"));
    exec(QStringLiteral("INSERT INTO TestChild (Parent) VALUES (1)"));

    const DbError referenced = raisedBy(QStringLiteral("DELETE FROM TestParent WHERE Id = 1"));
    expectExplained(referenced, QStringLiteral("ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"));

    const DbError dangling = raisedBy(QStringLiteral("INSERT INTO TestChild (Parent) VALUES (2)"));
    EXPECT_EQ(dangling.kind(), DbFailure::MissingReference);
    expectExplained(dangling, QString());
}

TEST_P(DatabaseErrors, a_lock_another_counter_holds_too_long_is_explained_as_a_time_out)
{
    // This counter waits a moment only, not the program's quarter of a minute (SQLite) or ten
    // minutes (PostgreSQL).
    const bool sqlite = GetParam() == test::BackendKind::Sqlite;
    dm->DMdata().execDirect(sqlite ? QStringLiteral("PRAGMA busy_timeout = 200")
                                   : QStringLiteral("SET lock_timeout = '200ms'"));
    data::Connection& other = shop->connection();
    other.startTransaction();
    data::Query hold(other, QStringLiteral("UPDATE Warehouse SET Name = 'กำลังแก้' WHERE Code = 'MAIN'"));
    hold.execSql();

    const DbError error = raisedBy(QStringLiteral("UPDATE Warehouse SET Name = 'ชั้น 2' WHERE Code = 'MAIN'"));
    other.rollback();
    expectExplained(error, QStringLiteral("เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"));
}

TEST_P(DatabaseErrors, a_lost_connection_is_explained_and_the_next_statement_connects_again)
{
    if (GetParam() == test::BackendKind::Sqlite)
        GTEST_SKIP() << "an SQLite database is a file of this computer: there is no server connection to lose";
    data::Query pid(dm->DMdata(), QStringLiteral("SELECT pg_backend_pid() AS Pid"));
    pid.open();
    data::Query end(shop->connection(), QStringLiteral("SELECT pg_terminate_backend(:Pid) AS Ended"));
    end.setParam(QStringLiteral("Pid"), pid.field(QStringLiteral("Pid")).asInteger());
    end.open();
    ASSERT_TRUE(end.field(QStringLiteral("Ended")).value().toBool());

    const DbError error = raisedBy(QStringLiteral("UPDATE Config SET RunYear = 2026"));
    expectExplained(error, QStringLiteral("ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"));
    EXPECT_NO_THROW(exec(QStringLiteral("UPDATE Config SET RunYear = 2026")));
}

// The log keeps each error as it was raised, with who met it where; the dialog shows it even once
// the log can no longer be written.
TEST_P(DatabaseErrors, each_error_is_logged_unchanged_with_workstation_user_and_menu_and_shown)
{
    const QStringList messages = {
        QStringLiteral("Cannot insert the value NULL into column 'Customer', table 'SHOP.dbo.PosHd'"),
        QStringLiteral("ราคาสินค้า 'A-01' ไม่ถูกต้อง;\n second line with 50% and \"quotes\""),
    };
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::DontSend);
    ui::ExceptionHandler handler(*config, prompter);
    handler.handle(std::make_exception_ptr(DbError(messages[0], {DbFailure::NotNull, QStringLiteral("Customer")})));
    handler.handle(std::make_exception_ptr(std::runtime_error(messages[1].toStdString())));

    const QString who = util::ComputerName() + QLatin1Char('/') + util::LoginUserName().toUpper() +
        QStringLiteral("/%1/%2/").arg(userId).arg(menuId);
    EXPECT_EQ(test::queryRows(config->DmCfg(),
                              QStringLiteral("SELECT CompName, LogName, UserId, MenuId, ErrorMsg "
                                             "FROM ErrorLog ORDER BY Id")),
              (QStringList{who + messages[0], who + messages[1]}));
}

TEST_P(DatabaseErrors, configuration_database_gone_still_shows_the_dialog)
{
    ui::ExceptionHandler handler(*config, prompter);
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend);
    handler.handleMessage(QStringLiteral("first"));

    // SQLite keeps an open file readable after it is deleted, so the session ends first there;
    // PostgreSQL drops the database under the open session.
    if (GetParam() == test::BackendKind::Sqlite)
        config->DmCfg().close();
    server->dropAll();
    prompter.answerErrorDialog(ErrorDialogAnswer::DontSend).answerErrorDialog(ErrorDialogAnswer::DontSend);
    handler.handle(std::make_exception_ptr(
        DbError(QStringLiteral("server closed the connection"), {DbFailure::ConnectionLost, {}})));
    handler.handleMessage(QStringLiteral("third"));

    const auto shown = prompter.asked(test::ScriptedPrompter::Kind::ErrorDialog);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].text, QStringLiteral("\nTHIRD\n"));
}

KVR_INSTANTIATE_BACKENDS(DatabaseErrors);

} // namespace
