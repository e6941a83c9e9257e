#include "data/CachedDataset.h"
#include "data/DbError.h"
#include "data/ErrorLogText.h"
#include "data/Query.h"
#include "support/Files.h"
#include "support/SessionFixture.h"
#include "support/SessionSeed.h"

#include <QDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace kvr::data;

namespace {

class TextLimitsTest : public kvr::test::SessionFixture
{
protected:
    // Runs a statement on the session's company connection; the kind of failure, Other if none.
    DbFailure failureOf(const QString& sql, const kvr::test::Columns& params, QString* message = nullptr)
    {
        Query q(dm->DMdata(), sql);
        for (const auto& [name, value] : params)
            q.setParam(name, value);
        try {
            q.execSql();
        } catch (const DbError& e) {
            if (message)
                *message = e.message();
            return e.kind();
        }
        return DbFailure::Other;
    }

    const QString insertMisc =
        QStringLiteral("INSERT INTO Misc (GroupCode, Code, Description) VALUES (:GroupCode, :Code, :Description)");
};

QString repeated(const char* text, int times)
{
    return QString::fromUtf8(text).repeated(times);
}

} // namespace

// PostgreSQL refused these with raw errors (a NUL even cut the statement short); SQLite stored
// them whole. Both now refuse the same texts, by column, and keep what fits.
TEST_P(TextLimitsTest, texts_a_column_cannot_hold_are_refused_alike_on_both_backends)
{
    const int before = count(QStringLiteral("SELECT COUNT(*) FROM Misc"));
    // What the case is, the row inserted, the kind of refusal and what its message names.
    const std::tuple<const char*, kvr::test::Columns, DbFailure, const char*> cases[] = {
        {"description one character too long",
         {{"GroupCode", "REM_SALE"}, {"Code", "R1"}, {"Description", repeated("ก", 256)}},
         DbFailure::TextTooLong,
         "Misc.Description is 256 characters long; the column holds at most 255"},
        {"a code column, unbounded on PostgreSQL, still holds 20",
         {{"GroupCode", "REM_SALE"}, {"Code", repeated("9", 21)}, {"Description", "x"}},
         DbFailure::TextTooLong,
         "Misc.Code"},
        {"a NUL inside a text",
         {{"GroupCode", "REM_SALE"},
          {"Code", QStringLiteral("R") + QChar(0) + QStringLiteral("2")},
          {"Description", "x"}},
         DbFailure::UnstorableText,
         "Misc.Code contains a NUL"},
    };
    for (const auto& [label, params, failure, named] : cases) {
        SCOPED_TRACE(label);
        QString message;
        EXPECT_EQ(failureOf(insertMisc, params, &message), failure);
        EXPECT_TRUE(message.contains(QString::fromUtf8(named))) << message.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Misc")), before);

    // A NUL in a search value is refused before it reaches the server, not sent as a broken statement.
    EXPECT_EQ(
        failureOf(QStringLiteral("SELECT Id FROM Misc WHERE Code = :Code"), {{"Code", QStringLiteral("A") + QChar(0)}}),
        DbFailure::UnstorableText);

    // What fits is stored whole: Thai text at the limit, and characters outside the basic plane,
    // which the server counts as one each.
    for (const auto& [code, text] :
         {std::pair{"FULL", repeated("ข", 255)}, std::pair{"WIDE", repeated("\U0001F600", 255)}}) {
        EXPECT_EQ(failureOf(insertMisc, {{"GroupCode", "REM_SALE"}, {"Code", code}, {"Description", text}}),
                  DbFailure::Other);
        EXPECT_EQ(
            scalar(QStringLiteral("SELECT Description FROM Misc WHERE Code = :Code"), {{"Code", code}}).toString(),
            text);
    }
}

// The savers write through cached datasets, new rows several to a statement: a refused text
// leaves every change pending, so the cashier can shorten it and save again.
TEST_P(TextLimitsTest, a_refused_text_in_a_cached_save_keeps_the_change_for_another_try)
{
    shop->misc(QStringLiteral("REM_SALE"), QStringLiteral("R1"), QStringLiteral("เดิม"));
    CachedDataset misc(dm->DMdata(),
                       QStringLiteral("SELECT Id, GroupCode, Code, Description FROM Misc "
                                      "WHERE GroupCode = 'REM_SALE'"));
    misc.modifySql() = {QStringLiteral("update Misc set Code = :Code, Description = :Description"),
                        QStringLiteral("where Id = :OLD_Id")};
    misc.insertSql() = {QStringLiteral("insert into Misc (GroupCode, Code, Description)"),
                        QStringLiteral("values (:GroupCode, :Code, :Description)")};
    misc.open();
    const auto setDescription = [&](int row, const QString& text) {
        misc.setRecNo(row);
        misc.edit();
        misc.setValue(QStringLiteral("Description"), text);
        misc.post();
    };
    const auto refusedColumn = [&] {
        Transaction save(dm->DMdata());
        try {
            misc.applyUpdates();
        } catch (const DbError& e) {
            EXPECT_EQ(e.kind(), DbFailure::TextTooLong);
            return e.column();
        }
        return QStringLiteral("nothing refused");
    };
    setDescription(0, repeated("ค", 300));
    EXPECT_EQ(refusedColumn(), QStringLiteral("Misc.Description"));
    EXPECT_TRUE(misc.updatesPending());

    // The check holds for the second row of a multi-row insert as for the first.
    setDescription(0, QStringLiteral("ใหม่"));
    for (const char* code : {"R2", "R3"}) {
        misc.append();
        misc.setValue(QStringLiteral("GroupCode"), QStringLiteral("REM_SALE"));
        misc.setValue(QStringLiteral("Code"), QString::fromLatin1(code));
        misc.setValue(QStringLiteral("Description"), QStringLiteral("ใหม่ %1").arg(code));
        misc.post();
    }
    setDescription(2, repeated("ค", 256));
    EXPECT_EQ(refusedColumn(), QStringLiteral("Misc.Description"));

    setDescription(2, QStringLiteral("ใหม่ R3"));
    Transaction save(dm->DMdata());
    misc.applyUpdates();
    save.commit();
    misc.commitUpdates();
    EXPECT_EQ(rows(QStringLiteral("SELECT Code, Description FROM Misc WHERE GroupCode = 'REM_SALE' ORDER BY Code")),
              (QStringList{QStringLiteral("R1/ใหม่"), QStringLiteral("R2/ใหม่ R2"), QStringLiteral("R3/ใหม่ R3")}));
}

// The log's text is masked as ErrorLogText's cases show, and stored whatever it holds: PostgreSQL
// refuses a NUL in a text.
TEST_P(TextLimitsTest, the_error_log_keeps_no_card_number_and_takes_any_text)
{
    config->AddErrorLog(QStringLiteral("insert into CreditCardInfo failed for card 4111 1111 1111 1111") + QChar(0) +
                        QStringLiteral(" on bill PP6900012"));
    EXPECT_EQ(kvr::test::errorLog(config->DmCfg()),
              QStringList{
                  QStringLiteral("insert into CreditCardInfo failed for card ************1111\\0 on bill PP6900012")});
}

TEST(ErrorLogText, masks_runs_of_digits_that_are_card_numbers_and_nothing_else)
{
    const std::pair<const char*, const char*> cases[] = {
        {"card 4111111111111111.", "card ************1111."},
        {"card 4111 1111 1111 1111 2026", "card ************1111 2026"},
        {"5500-0000-0000-0004 and 378282246310005", "************0004 and ***********0005"},
        // A 19-digit card, and a run too long to be one.
        {"6011000990139424009 / 60110009901394240091", "***************4009 / 60110009901394240091"},
        // Without a valid check digit, or too short: other numbers stay as they are.
        {"0105551234560 4111111111111112 2026-12-07", "0105551234560 4111111111111112 2026-12-07"},
        {"", ""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(errorLogText(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

KVR_INSTANTIATE_BACKENDS(TextLimitsTest);

using SaveLimitTest = kvr::test::SessionFixture;

// A statement of a save waiting on the server (here for a row another counter holds) gives up
// after KVR.INI's SaveTimeout with a message that says so, and the transaction is rolled back.
TEST_P(SaveLimitTest, a_save_that_waits_on_the_server_ends_after_the_configured_time)
{
    if (GetParam() != kvr::test::BackendKind::Postgres)
        GTEST_SKIP() << "SQLite writers wait in BEGIN IMMEDIATE, bounded by its busy time-out";
    const int id = shop->misc(QStringLiteral("REM_SALE"), QStringLiteral("R1"), QStringLiteral("เดิม"));
    ASSERT_TRUE(kvr::test::writeFile(QDir(server->workingDirectory()).filePath(QStringLiteral("KVR.INI")),
                                     "[Database]\nSaveTimeout=1\n"));

    auto other = server->connection(QStringLiteral("SHOP"));
    Transaction holding(*other);
    Query hold(*other, QStringLiteral("UPDATE Misc SET Description = 'ที่อื่น' WHERE Id = :Id"));
    hold.setParam(QStringLiteral("Id"), id);
    hold.execSql();

    TDM counter(*config, server->workingDirectory());
    counter.setCompanyCode(QStringLiteral("SHOP"));
    try {
        Transaction save(counter.DMdata());
        Query update(counter.DMdata(), QStringLiteral("UPDATE Misc SET Description = :Description WHERE Id = :Id"));
        update.setParam(QStringLiteral("Description"), QStringLiteral("ใหม่"));
        update.setParam(QStringLiteral("Id"), id);
        update.execSql();
        FAIL() << "the save must not wait for the row without end";
    } catch (const DbError& e) {
        EXPECT_EQ(e.kind(), DbFailure::TimedOut);
        EXPECT_TRUE(e.message().contains(QStringLiteral("did not answer in time"))) << e.message().toStdString();
    }
    EXPECT_FALSE(counter.DMdata().inTransaction());
    // Outside a save the session's own, longer limit still applies.
    Query plain(counter.DMdata(), QStringLiteral("SELECT current_setting('statement_timeout') AS Limit_"));
    plain.open();
    EXPECT_EQ(plain.field(QStringLiteral("Limit_")).asString(), QStringLiteral("10min"));
}

KVR_INSTANTIATE_BACKENDS(SaveLimitTest);
