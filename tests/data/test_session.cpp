#include "data/DbError.h"
#include "support/RaisedMessage.h"
#include "support/SessionFixture.h"
#include "support/SessionSeed.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>
#include <thread>

using namespace kvr::data;
using kvr::test::queryRows;
using kvr::test::raisedMessage;

namespace {

using SessionTest = kvr::test::SessionFixture;

// The rights a session grants by name, then its save question.
QString grantsOf(const SessionContext& s)
{
    const std::pair<bool, const char*> rights[] = {
        {s.ACCESS_R, "access"},
        {s.ADD_R, "add"},
        {s.MODIFY_R, "modify"},
        {s.DELETE_R, "delete"},
        {s.ThaiLanguage, "thai"},
        {s.EditSalePrice, "edit-price"},
        {s.CanModifyCusSale, "modify-customer"},
    };
    QString text;
    for (const auto& [granted, name] : rights)
        text += granted ? QString::fromLatin1(name) + QLatin1Char(' ') : QString();
    return text + QStringLiteral("| ") + s.SaveQuestion;
}

} // namespace

TEST_P(SessionTest, rights_are_granted_only_by_an_exact_capital_y)
{
    const std::pair<int, const char*> cases[] = {
        {2, "access add modify delete modify-customer | Save Data ?"},
        {3, "| Save Data ?"}, // 'y', 'n', '' and null; null language
        {99, "| Save Data ?"}, // no such user
        {1, "access add delete thai edit-price | จัดเก็บข้อมูล ?"}, // last: the session read below is this one's
    };
    for (const auto& [user, grants] : cases) {
        SCOPED_TRACE(user);
        config->CheckRight(101, user);
        EXPECT_EQ(grantsOf(config->session()), QString::fromUtf8(grants));
    }
    EXPECT_EQ(config->session().MenuCaption, QStringLiteral("ขายหน้าร้าน"));
    EXPECT_EQ(config->session().UserCode, QStringLiteral("U1"));
    EXPECT_EQ(config->session().ExitQuestion, QStringLiteral("ออกจากโปรแกรม ?"));
    config->CheckRight(555, 1);
    EXPECT_FALSE(config->session().ACCESS_R);
}

TEST(SessionFlags, only_the_exact_text_y_sets_a_flag)
{
    // CHAR(1) columns drop a trailing blank on some servers, so 'Y ' is checked here, not stored.
    for (const char* text : {"y", "Y ", " Y", "YES", "N", "", "1"})
        EXPECT_FALSE(isFlagSet(QString::fromLatin1(text))) << text;
    EXPECT_TRUE(isFlagSet(QStringLiteral("Y")));
}

TEST_P(SessionTest, company_is_looked_up_upper_cased_and_an_unknown_one_is_named_in_the_message)
{
    config->GetCompanyConfig(QStringLiteral("shop"));
    const SessionContext& s = config->session();
    EXPECT_EQ(s.CompanyDbName, QStringLiteral("SHOP"));
    EXPECT_EQ(s.CompanyId, 7);
    EXPECT_EQ(s.CompanyNameThai, QStringLiteral("ร้านสมชายพาณิชย์"));
    EXPECT_EQ(s.Pos1_PriceType, 3);
    EXPECT_FALSE(s.QdwSite);
    ASSERT_FALSE(config->QCompany().isEmpty());
    EXPECT_EQ(config->QCompany().field(QStringLiteral("TAXNO")).asString(), QStringLiteral("0105551234567"));

    EXPECT_EQ(raisedMessage<CompanyNotFound>([&] { config->GetCompanyConfig(QStringLiteral("qdwNorth")); }),
              QStringLiteral("Not Found Database : QDWNORTH"));
    EXPECT_TRUE(config->session().QdwSite);
    EXPECT_THROW(config->GetCompanyConfig(QStringLiteral("myqdw")), CompanyNotFound);
    EXPECT_FALSE(config->session().QdwSite);
}

TEST_P(SessionTest, configuration_script_runs_twice_without_changing_anything)
{
    Connection& cfg = config->DmCfg();
    Query(cfg,
          QStringLiteral("INSERT INTO Menu (Id, Caption, Command, Version) VALUES (102, 'a', 'X.EXE', NULL), "
                         "(103, 'b', NULL, NULL), (104, 'c', 'Y.EXE', 5)"))
        .execSql();
    const QString versions = QStringLiteral("SELECT Id, Version FROM Menu ORDER BY Id");
    // A second program start on the same database runs the script again.
    TDMConfig second(server->workingDirectory());
    second.DmCfg().open();
    const QStringList once = queryRows(cfg, versions);
    EXPECT_EQ(once,
              (QStringList{QStringLiteral("101/3"), QStringLiteral("102/3"), QStringLiteral("103/"),
                           QStringLiteral("104/5")}));
    TDMConfig third(server->workingDirectory());
    third.DmCfg().open();
    EXPECT_EQ(queryRows(cfg, versions), once);
}

TEST_P(SessionTest, the_mtw_configuration_database_wins_when_both_exist)
{
    server->createDatabase(QStringLiteral("KVR_CONFIG_MTW"));
    TDMConfig other(server->workingDirectory());
    other.DmCfg().open();
    EXPECT_EQ(other.DmCfg().databaseName(), QStringLiteral("KVR_CONFIG_MTW"));
}

TEST_P(SessionTest, company_connection_uses_the_trimmed_code_and_loads_config_and_currencies)
{
    int order = 0;
    const auto currency = [&](const char* code, const char* name) {
        return shop->insert("Misc",
                            {{"GroupCode", "CURRENCY"}, {"Code", code}, {"Description", name}, {"OrderNo", ++order}});
    };
    const int baht = currency("THB", "บาท");
    const int dollar = currency("USD", "ดอลลาร์");
    const int euro = currency("EUR", "ยูโร");
    shop->misc("CITY", "BKK", "กรุงเทพ");
    shop->config({{"RunYear", 2026}, {"MainCurrencyId", baht}});
    const QDateTime today = QDate::currentDate().startOfDay();
    const auto rate = [&](int currency, const QDateTime& day, double rate) {
        shop->insert("CurrencyEx", {{"Currency", currency}, {"ExchangeDate", day}, {"SaleRate", rate}});
    };
    rate(dollar, today.addDays(-1), 35.5);
    rate(dollar, today.addDays(-9), 34.0);
    rate(euro, today.addSecs(10 * 3600), 38.25); // later today still counts
    rate(euro, today.addDays(1), 99.0); // tomorrow's does not yet

    TDM company(*config, server->workingDirectory());
    company.setCompanyCode(QStringLiteral("  shop "));
    bool splashClosed = false;
    company.setAfterConnect([&] { splashClosed = true; });
    company.DMdata().open();
    EXPECT_EQ(company.companyDatabaseName(), QStringLiteral("shop"));
    EXPECT_TRUE(splashClosed);
    EXPECT_EQ(company.MainCurrencyId(), baht);
    EXPECT_EQ(company.MainCurrencyName(), QStringLiteral("บาท"));
    EXPECT_EQ(company.QConfig().field(QStringLiteral("MainCurrencyCode")).asString(), QStringLiteral("THB"));

    Query& currencies = company.QMiscCurrency();
    QStringList seen;
    for (currencies.first(); !currencies.eof(); currencies.next())
        seen << currencies.field(QStringLiteral("Code")).asString() + QLatin1Char('=') +
                (currencies.field(QStringLiteral("SaleRate")).isNull()
                     ? QStringLiteral("-")
                     : QString::number(currencies.field(QStringLiteral("SaleRate")).asFloat()));
    // Each currency keeps its own latest rate: a newer EUR row does not blank the USD one.
    EXPECT_EQ(seen, (QStringList{QStringLiteral("THB=-"), QStringLiteral("USD=35.5"), QStringLiteral("EUR=38.25")}));
}

TEST_P(SessionTest, a_failed_connection_raises_and_the_next_statement_tries_again)
{
    TDM dm(*config, server->workingDirectory());
    dm.setCompanyCode(QStringLiteral("LATER"));
    EXPECT_THROW(dm.DMdata().open(), DbError);
    EXPECT_FALSE(dm.DMdata().isOpen());
    server->createDatabase(QStringLiteral("LATER"));
    EXPECT_NO_THROW(dm.DMdata().open());
    EXPECT_TRUE(dm.DMdata().isOpen());
}

TEST_P(SessionTest, a_server_name_of_another_kind_fails_with_the_name_in_the_message)
{
    server->writeServerDat(QStringLiteral("SHOPSRV01"));
    TDMConfig other(server->workingDirectory());
    const QString message = raisedMessage<DbError>([&] { other.CheckRight(101, 1); });
    EXPECT_TRUE(message.contains(QStringLiteral("\"SHOPSRV01\""))) << message.toStdString();
}

// The first morning, another counter holds the write lock of a new database while this one
// switches it to WAL: SQLite refuses that switch at once, without its busy wait, and the
// counter ended at "database is locked". It must wait its turn instead.
TEST(SqliteSession, a_new_database_another_counter_is_writing_opens_once_the_counter_is_done)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("NEW.db"));

    std::promise<bool> locked;
    std::thread other([&] {
        const QString name = QStringLiteral("other counter");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(file);
            QSqlQuery q(db);
            locked.set_value(db.open() && q.exec(QStringLiteral("BEGIN IMMEDIATE")));
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            q.exec(QStringLiteral("COMMIT"));
        }
        QSqlDatabase::removeDatabase(name);
    });
    const bool otherHoldsTheLock = locked.get_future().get();

    Connection connection(QStringLiteral("NEWDB"));
    connection.setTarget(ServerSpec::parse(QStringLiteral("sqlite:") + dir.path(), dir.path()), QStringLiteral("NEW"),
                         Login{});
    const QString failure = raisedMessage<DbError>([&] { connection.open(); });
    other.join();
    ASSERT_TRUE(otherHoldsTheLock);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    QSqlQuery mode(connection.database());
    ASSERT_TRUE(mode.exec(QStringLiteral("PRAGMA journal_mode")) && mode.next());
    EXPECT_EQ(mode.value(0).toString(), QStringLiteral("wal"));
}

KVR_INSTANTIATE_BACKENDS(SessionTest);
