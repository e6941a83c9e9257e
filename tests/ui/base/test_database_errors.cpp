#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "support/SessionSeed.h"
#include "support/TestServer.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/ExceptionHandler.h"
#include "ui/base/TFrShowError.h"
#include "util/QStringPrinter.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace kvr;
using data::DbError;
using data::DbFailure;

namespace {

// Failures each backend really raises, from statements it refuses, reach the cashier through the
// program's error handler: the real error dialog shows the Thai explanation above the message,
// and the message lands in the error log.
class DatabaseErrors : public test::BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        test::seedSession(*server);
        config = std::make_unique<data::TDMConfig>(server->workingDirectory());
        config->CheckRight(101, 1);
        dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
        dm->setCompanyCode(QStringLiteral("SHOP"));
        other = server->connection(QStringLiteral("SHOP"));
    }
    void TearDown() override
    {
        other.reset();
        dm.reset();
        config.reset();
        BackendTest::TearDown();
    }

    void exec(const QString& sql) { data::Query(dm->DMdata(), sql).execSql(); }
    // Tables of the test's own, with the constraints to break.
    void create(const QString& ddl) { dm->DMdata().execDirect(ddl); }

    // The error the statement raises; a statement that does not fail fails the test.
    DbError raised(const std::function<void()>& statement)
    {
        try {
            statement();
        } catch (const DbError& error) {
            return error;
        }
        ADD_FAILURE() << "the statement did not fail";
        return DbError(QString());
    }
    DbError raisedBy(const QString& sql)
    {
        return raised([&] { exec(sql); });
    }

    // What the real error dialog shows for the error; "Don't Send" closes it.
    QString shownInTheErrorDialog(const DbError& error)
    {
        ui::DialogPrompter prompter;
        ui::ExceptionHandler handler(*config, prompter);
        QString shown;
        test::whenModalOpens([&shown](QWidget* modal) {
            if (auto* dialog = qobject_cast<ui::TFrShowError*>(modal)) {
                shown = dialog->errorBox()->toPlainText();
                QTest::mouseClick(dialog->dontSendButton(), Qt::LeftButton);
            }
        });
        handler.handle(std::make_exception_ptr(error));
        return shown;
    }

    QStringList errorLog()
    {
        data::Query q(config->DmCfg(), QStringLiteral("SELECT ErrorMsg FROM ErrorLog ORDER BY Id"));
        q.open();
        QStringList messages;
        for (; !q.eof(); q.next())
            messages << q.field(QStringLiteral("ErrorMsg")).asString();
        return messages;
    }

    // Shown with its explanation and logged as raised.
    void expectExplained(const DbError& error, const QString& explanation)
    {
        const qsizetype logged = errorLog().size();
        EXPECT_EQ(shownInTheErrorDialog(error),
                  explanation + QLatin1Char('\n') + error.message().toUpper() + QLatin1Char('\n'));
        const QStringList log = errorLog();
        ASSERT_EQ(log.size(), logged + 1);
        EXPECT_EQ(log.last(), error.message());
    }

    std::unique_ptr<data::TDMConfig> config;
    std::unique_ptr<data::TDM> dm;
    std::unique_ptr<data::Connection> other;
};

TEST_P(DatabaseErrors, a_missing_value_is_explained_by_the_column_it_was_missing_from)
{
    // A coin without its face value, in the company's own table.
    const DbError coin = raisedBy(QStringLiteral("INSERT INTO Coin (Description) VALUES ('เหรียญ 5 บาท')"));
    EXPECT_EQ(coin.kind(), DbFailure::NotNull);
    EXPECT_EQ(coin.column().toUpper(), QStringLiteral("FRACTION"));
    expectExplained(coin, QStringLiteral("ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"));

    // Every column the system explains, each left out in turn.
    create(QStringLiteral("CREATE TABLE MissingValues (Transportation INTEGER NOT NULL, Price DECIMAL(19,4) NOT NULL, "
                          "Warehouse INTEGER NOT NULL, Customer INTEGER NOT NULL, Vendor INTEGER NOT NULL, "
                          "Fraction DECIMAL(19,4) NOT NULL, Salesman INTEGER NOT NULL, Remark VARCHAR(20) NOT NULL)"));
    const std::pair<const char*, const char*> columns[] = {
        {"Transportation", "ไม่ได้ป้อนข้อมูลการขนส่ง"}, {"Price", "กำหนดราคาไม่ครบถ้วน"},
        {"Warehouse", "ไม่ได้ป้อนข้อมูลคลัง"},          {"Customer", "ไม่ได้ป้อนข้อมูลลูกค้า"},
        {"Vendor", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"},           {"Fraction", "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"},
        {"Salesman", "ไม่ได้ป้อนข้อมูลพนักงานขาย"},     {"Remark", ""}, // no text of the system for this one
    };
    for (const auto& [missing, explanation] : columns) {
        SCOPED_TRACE(missing);
        QStringList names;
        QStringList values;
        for (const auto& [column, unused] : columns) {
            if (qstrcmp(column, missing) != 0) {
                names << QLatin1String(column);
                values << (qstrcmp(column, "Remark") == 0 ? QStringLiteral("'x'") : QStringLiteral("1"));
            }
        }
        const DbError error = raisedBy(QStringLiteral("INSERT INTO MissingValues (%1) VALUES (%2)")
                                           .arg(names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
        EXPECT_EQ(error.kind(), DbFailure::NotNull);
        EXPECT_EQ(error.column().toUpper(), QString::fromLatin1(missing).toUpper());
        expectExplained(error, QString::fromUtf8(explanation));
    }
}

TEST_P(DatabaseErrors, a_duplicate_key_is_explained)
{
    exec(QStringLiteral("INSERT INTO Warehouse (Code, Name) VALUES ('MAIN', 'คลังหน้าร้าน')"));
    const DbError error = raisedBy(QStringLiteral("INSERT INTO Warehouse (Code, Name) VALUES ('MAIN', 'ซ้ำ')"));
    EXPECT_EQ(error.kind(), DbFailure::Duplicate);
    expectExplained(error, QStringLiteral("ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"));
}

TEST_P(DatabaseErrors, deleting_a_row_others_refer_to_is_explained_and_a_reference_to_nothing_is_not)
{
    create(QStringLiteral("CREATE TABLE TestParent (Id INTEGER PRIMARY KEY)"));
    create(QStringLiteral("CREATE TABLE TestChild (Parent INTEGER REFERENCES TestParent (Id))"));
    exec(QStringLiteral("INSERT INTO TestParent (Id) VALUES (1)"));
    exec(QStringLiteral("INSERT INTO TestChild (Parent) VALUES (1)"));

    const DbError referenced = raisedBy(QStringLiteral("DELETE FROM TestParent WHERE Id = 1"));
    EXPECT_EQ(referenced.kind(), DbFailure::StillReferenced);
    expectExplained(referenced, QStringLiteral("ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"));

    const DbError dangling = raisedBy(QStringLiteral("INSERT INTO TestChild (Parent) VALUES (2)"));
    EXPECT_EQ(dangling.kind(), DbFailure::MissingReference);
    expectExplained(dangling, QString());
}

TEST_P(DatabaseErrors, a_lock_another_counter_holds_too_long_is_explained_as_a_time_out)
{
    exec(QStringLiteral("INSERT INTO Warehouse (Code, Name) VALUES ('MAIN', 'คลังหน้าร้าน')"));
    // This counter waits a moment only, not the program's quarter of a minute (SQLite) or ten
    // minutes (PostgreSQL).
    const bool sqlite = GetParam() == test::BackendKind::Sqlite;
    dm->DMdata().execDirect(sqlite ? QStringLiteral("PRAGMA busy_timeout = 200")
                                   : QStringLiteral("SET lock_timeout = '200ms'"));
    other->startTransaction();
    data::Query hold(*other, QStringLiteral("UPDATE Warehouse SET Name = 'กำลังแก้' WHERE Code = 'MAIN'"));
    hold.execSql();

    const DbError error = raisedBy(QStringLiteral("UPDATE Warehouse SET Name = 'ชั้น 2' WHERE Code = 'MAIN'"));
    other->rollback();
    EXPECT_EQ(error.kind(), DbFailure::TimedOut);
    expectExplained(error, QStringLiteral("เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"));
}

TEST_P(DatabaseErrors, a_lost_connection_is_explained_and_the_next_statement_connects_again)
{
    if (GetParam() == test::BackendKind::Sqlite)
        GTEST_SKIP() << "an SQLite database is a file of this computer: there is no server connection to lose";
    data::Query pid(dm->DMdata(), QStringLiteral("SELECT pg_backend_pid() AS Pid"));
    pid.open();
    data::Query end(*other, QStringLiteral("SELECT pg_terminate_backend(:Pid) AS Ended"));
    end.setParam(QStringLiteral("Pid"), pid.field(QStringLiteral("Pid")).asInteger());
    end.open();
    ASSERT_TRUE(end.field(QStringLiteral("Ended")).value().toBool());

    const DbError error = raisedBy(QStringLiteral("UPDATE Config SET RunYear = 2026"));
    EXPECT_EQ(error.kind(), DbFailure::ConnectionLost);
    expectExplained(error, QStringLiteral("ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"));
    EXPECT_NO_THROW(exec(QStringLiteral("UPDATE Config SET RunYear = 2026")));
}

KVR_INSTANTIATE_BACKENDS(DatabaseErrors);

} // namespace
