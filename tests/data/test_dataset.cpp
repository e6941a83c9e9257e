#include "data/CachedDataset.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SchemaScript.h"
#include "support/TestServer.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace kvr::data;
using kvr::test::BackendTest;

namespace {

class DatasetTest : public BackendTest
{
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped())
            return;
        server->createDatabase(QStringLiteral("SHOP"));
        db = server->connection(QStringLiteral("SHOP"));
        for (const QString& sql : db->dialect().databaseSetup())
            db->execDirect(sql);
        SchemaScript::fromText(QStringLiteral("CREATE TABLE IF NOT EXISTS Bill (Id %IDENTITY%, BillNo %CODE(20)%, "
                                              "Amount DECIMAL(19,4), BillDate %DATETIME%, Remark VARCHAR(100))\n/\n"))
            .run(*db);
        for (const char* no : {"B001", "B002", "B003"}) {
            Query insert(*db, QStringLiteral("INSERT INTO Bill (BillNo, Amount, BillDate) VALUES (:No, :Amount, :D)"));
            insert.setParam(QStringLiteral("No"), QString::fromLatin1(no));
            insert.setParam(QStringLiteral("Amount"), 100.25);
            insert.setParam(QStringLiteral("D"), QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
            insert.execSql();
        }
    }

    // A dataset over the bills with its three update statements, as document screens set them up;
    // opened unless the test adds to it first.
    std::unique_ptr<CachedDataset> bills(bool opened = true)
    {
        auto ds = std::make_unique<CachedDataset>(*db,
                                                  QStringLiteral("SELECT Id, BillNo, Amount, BillDate, Remark "
                                                                 "FROM Bill ORDER BY BillNo"));
        ds->insertSql() = {QStringLiteral("INSERT INTO Bill (BillNo, Amount, BillDate, Remark)"),
                           QStringLiteral("VALUES (:BillNo, :Amount, :BillDate, :Remark)")};
        ds->modifySql() = {QStringLiteral("UPDATE Bill SET BillNo = :BillNo, Amount = :Amount, Remark = :Remark"),
                           QStringLiteral("WHERE Id = :OLD_Id")};
        ds->deleteSql() = {QStringLiteral("DELETE FROM Bill WHERE Id = :OLD_Id")};
        if (opened)
            ds->open();
        return ds;
    }

    QStringList storedBills()
    {
        Query q(*db, QStringLiteral("SELECT BillNo, Amount, Remark FROM Bill ORDER BY BillNo"));
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.field(QStringLiteral("BillNo")).asString() + QLatin1Char('=') +
                    QString::number(q.field(QStringLiteral("Amount")).asFloat(), 'f', 4) + QLatin1Char('/') +
                    q.field(QStringLiteral("Remark")).asString();
        return out;
    }

    // A new bill typed in and posted.
    static void appendBill(CachedDataset& ds, const QString& billNo, double amount)
    {
        ds.append();
        ds.setValue(QStringLiteral("BillNo"), billNo);
        ds.setValue(QStringLiteral("Amount"), amount);
        ds.post();
    }

    // Saves the pending changes in one transaction, as the document screens do.
    void save(CachedDataset& ds)
    {
        Transaction transaction(*db);
        ds.applyUpdates();
        transaction.commit();
        ds.commitUpdates();
    }

    int count() { return int(storedBills().size()); }
    double amountOf(const char* billNo)
    {
        Query q(*db, QStringLiteral("SELECT Amount FROM Bill WHERE BillNo = :No"));
        q.setParam(QStringLiteral("No"), QString::fromLatin1(billNo));
        q.open();
        return q.field(QStringLiteral("Amount")).asFloat();
    }

    std::unique_ptr<Connection> db;
};

} // namespace

TEST_P(DatasetTest, reads_rows_by_field_name_with_exact_amounts_and_dates)
{
    auto ds = bills();
    ASSERT_EQ(ds->recordCount(), 3);
    EXPECT_EQ(ds->field(QStringLiteral("billno")).asString(), QStringLiteral("B001"));
    EXPECT_DOUBLE_EQ(ds->field(QStringLiteral("AMOUNT")).asFloat(), 100.25);
    EXPECT_EQ(ds->field(QStringLiteral("BillDate")).asDateTime(), QDateTime(QDate(2026, 12, 7), QTime(9, 30)));
    EXPECT_TRUE(ds->field(QStringLiteral("Remark")).isNull());
    EXPECT_EQ(ds->field(QStringLiteral("Remark")).asString(), QString());
    EXPECT_THROW(ds->field(QStringLiteral("NoSuchField")), DbError);
    // Codes compare without regard to case, as on the suite's server.
    EXPECT_DOUBLE_EQ(amountOf("b002"), 100.25);
}

TEST_P(DatasetTest, amounts_are_stored_with_four_decimals_rounded_half_away_from_zero)
{
    Query insert(*db, QStringLiteral("INSERT INTO Bill (BillNo, Amount) VALUES (:No, :Amount)"));
    const std::tuple<const char*, double, double> cases[] = {
        {"R1", 1.00005, 1.0001}, {"R2", -2.34565, -2.3457}, {"R3", 0.1 + 0.2, 0.3}};
    for (const auto& [no, value, stored] : cases) {
        insert.setParam(QStringLiteral("No"), QString::fromLatin1(no));
        insert.setParam(QStringLiteral("Amount"), value);
        insert.execSql();
        EXPECT_EQ(QString::number(amountOf(no), 'f', 4), QString::number(stored, 'f', 4)) << value;
    }
}

TEST_P(DatasetTest, rollback_keeps_changes_pending_so_the_user_can_save_again)
{
    auto ds = bills();
    appendBill(*ds, QStringLiteral("B001"), 5.0); // clashes with the unique index below
    ds->first();
    ds->setValue(QStringLiteral("Amount"), 7.75);
    ds->post();
    db->execDirect(QStringLiteral("CREATE UNIQUE INDEX IX_Bill_No ON Bill (BillNo)"));

    {
        Transaction t(*db);
        EXPECT_THROW(ds->applyUpdates(), DbError);
    } // rolled back
    EXPECT_FALSE(db->inTransaction());
    EXPECT_TRUE(ds->updatesPending());
    EXPECT_EQ(storedBills().first(), QStringLiteral("B001=100.2500/"));

    // The user corrects the number and saves again: both changes land once.
    ds->setRecNo(ds->recordCount() - 1);
    ds->setValue(QStringLiteral("BillNo"), QStringLiteral("B009"));
    ds->post();
    save(*ds);
    EXPECT_EQ(storedBills(),
              (QStringList{QStringLiteral("B001=7.7500/"), QStringLiteral("B002=100.2500/"),
                           QStringLiteral("B003=100.2500/"), QStringLiteral("B009=5.0000/")}));
}

TEST_P(DatasetTest, an_edit_of_a_row_someone_else_deleted_is_refused_not_lost)
{
    auto ds = bills();
    ds->setValue(QStringLiteral("Remark"), QStringLiteral("late"));
    ds->post();
    Query(*db, QStringLiteral("DELETE FROM Bill WHERE BillNo = 'B001'")).execSql();
    Transaction t(*db);
    EXPECT_THROW(ds->applyUpdates(), DbError);
    EXPECT_TRUE(ds->updatesPending());
}

TEST_P(DatasetTest, cancel_undoes_the_current_edit_and_cancel_updates_restores_the_reading)
{
    auto ds = bills();
    ds->edit();
    ds->setValue(QStringLiteral("Remark"), QStringLiteral("x"));
    ds->cancel();
    EXPECT_FALSE(ds->updatesPending());
    ds->append();
    ds->cancel();
    EXPECT_EQ(ds->recordCount(), 3);

    ds->remove();
    ds->setValue(QStringLiteral("Amount"), 1.0);
    ds->post();
    ds->cancelUpdates();
    EXPECT_FALSE(ds->updatesPending());
    EXPECT_EQ(ds->recordCount(), 3);
}

// A grid moves the cursor while a row is being typed; what is done next must hit the row the
// cursor is on, never the one it left.
TEST_P(DatasetTest, moving_to_another_row_keeps_the_row_left_and_acts_on_the_new_one)
{
    auto ds = bills();
    ds->append();
    ds->setValue(QStringLiteral("BillNo"), QStringLiteral("B004"));
    ds->setRecNo(0);
    ds->remove();
    ASSERT_EQ(ds->recordCount(), 3);

    ds->setRecNo(1);
    ds->setValue(QStringLiteral("Remark"), QStringLiteral("typed"));
    ds->setRecNo(0);
    ds->cancel(); // nothing is being edited on this row
    EXPECT_EQ(ds->fieldAt(0, QStringLiteral("BillNo")).asString(), QStringLiteral("B002"));

    save(*ds);
    EXPECT_FALSE(ds->updatesPending());
    EXPECT_EQ(storedBills(),
              QStringList({QStringLiteral("B002=100.2500/"), QStringLiteral("B003=100.2500/typed"),
                           QStringLiteral("B004=0.0000/")}));
}

TEST_P(DatasetTest, calculated_fields_follow_the_row)
{
    auto ds = bills(false);
    ds->addCalculatedField(QStringLiteral("WithVat"));
    ds->setCalcFieldsHandler([](CachedDataset& d) {
        d.setValue(QStringLiteral("WithVat"), d.field(QStringLiteral("Amount")).asFloat() * 1.07);
    });
    ds->open();
    EXPECT_NEAR(ds->field(QStringLiteral("WithVat")).asFloat(), 107.2675, 1e-9);
    EXPECT_FALSE(ds->updatesPending());
    ds->setValue(QStringLiteral("Amount"), 200.0);
    ds->post();
    EXPECT_NEAR(ds->field(QStringLiteral("WithVat")).asFloat(), 214.0, 1e-9);
}

// A new document is opened for rows to be typed into without a round trip, once the statement's
// columns are known; what is typed is saved like any other row.
TEST_P(DatasetTest, an_empty_opening_asks_the_server_only_for_the_columns_it_does_not_know)
{
    CachedDataset ds(*db, QStringLiteral("SELECT Id, BillNo, Amount, Remark FROM Bill WHERE BillNo = :No"));
    ds.insertSql() = {QStringLiteral("INSERT INTO Bill (BillNo, Amount) VALUES (:BillNo, :Amount)")};
    ds.addCalculatedField(QStringLiteral("Shown"));
    ds.setParam(QStringLiteral("No"), QStringLiteral("none yet"));
    qint64 run = db->statementsRun();
    ds.openEmpty();
    EXPECT_EQ(db->statementsRun() - run, 1) << "the first opening learns the columns";
    ds.setParam(QStringLiteral("No"), QStringLiteral("B002"));
    ds.open();
    ASSERT_EQ(ds.recordCount(), 1);

    run = db->statementsRun();
    ds.openEmpty();
    EXPECT_EQ(db->statementsRun(), run);
    EXPECT_TRUE(ds.isEmpty());
    for (const char* name : {"Id", "BillNo", "Amount", "Remark", "Shown"})
        EXPECT_TRUE(ds.hasField(QString::fromLatin1(name))) << name;
    appendBill(ds, QStringLiteral("B004"), 4.5);
    save(ds);
    EXPECT_EQ(count(), 4);
    EXPECT_DOUBLE_EQ(amountOf("B004"), 4.5);

    // Another text has other columns: it is asked again.
    ds.setSql(QStringLiteral("SELECT Id, BillNo FROM Bill WHERE BillNo = :No"));
    ds.openEmpty();
    EXPECT_FALSE(ds.hasField(QStringLiteral("Amount")));
}

// On a server every statement is a round trip: new rows go in multi-row statements, a changed row
// keeps its place between them, and a statement prepared once is not prepared again.
TEST_P(DatasetTest, new_rows_go_in_few_statements_prepared_once)
{
    const auto saveNew = [&](CachedDataset& ds, int first, int count) {
        for (int n = first; n < first + count; ++n)
            appendBill(ds, QStringLiteral("N%1").arg(n, 4, 10, QLatin1Char('0')), n / 100.0);
        const qint64 run = db->statementsRun();
        const qint64 prepared = db->statementsPrepared();
        save(ds);
        return std::pair{db->statementsRun() - run, db->statementsPrepared() - prepared};
    };
    auto ds = bills();
    ds->setValue(QStringLiteral("Remark"), QStringLiteral("first"));
    ds->post();
    // Four values a row, 500 rows a statement: 1,100 rows in three, after the one change.
    EXPECT_EQ(saveNew(*ds, 0, 1100).first, 4);
    EXPECT_EQ(count(), 1103);
    EXPECT_DOUBLE_EQ(amountOf("N0000"), 0.0);
    EXPECT_DOUBLE_EQ(amountOf("N0499"), 4.99);
    EXPECT_DOUBLE_EQ(amountOf("N0500"), 5.0);
    EXPECT_DOUBLE_EQ(amountOf("N1099"), 10.99);
    EXPECT_EQ(storedBills().first(), QStringLiteral("B001=100.2500/first"));

    auto again = bills();
    saveNew(*again, 2000, 20);
    const auto [run, prepared] = saveNew(*again, 3000, 20);
    EXPECT_EQ(run, 1) << "twenty rows, one statement";
    EXPECT_EQ(prepared, 0) << "the statement of the last save is kept";
    EXPECT_EQ(count(), 1143);

    // A statement that computes a value is run row by row, as written.
    auto computed = bills(false);
    computed->insertSql() = {QStringLiteral("INSERT INTO Bill (BillNo, Amount) VALUES (Lower(:BillNo), :Amount)")};
    computed->open();
    EXPECT_EQ(saveNew(*computed, 5000, 2).first, 2);
    EXPECT_DOUBLE_EQ(amountOf("n5001"), 50.01);
    EXPECT_EQ(count(), 1145);
}

TEST_P(DatasetTest, nested_transaction_guard_joins_the_outer_one)
{
    Transaction outer(*db);
    {
        Transaction inner(*db);
        Query(*db, QStringLiteral("DELETE FROM Bill")).execSql();
        inner.commit(); // joins: nothing committed yet
    }
    EXPECT_TRUE(db->inTransaction());
    db->rollback();
    EXPECT_EQ(storedBills().size(), 3);
}

KVR_INSTANTIATE_BACKENDS(DatasetTest);
