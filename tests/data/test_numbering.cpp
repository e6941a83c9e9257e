#include "data/CachedDataset.h"
#include "data/DbError.h"
#include "support/RaisedMessage.h"
#include "support/SessionFixture.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace kvr::data;

namespace {

class NumberingTest : public kvr::test::SessionFixture
{
protected:
    void buildShop(kvr::test::ShopBuilder& shop) override
    {
        shop.config({{"RunYear", 2026}});
        const int goods = shop.numbering("POS-P", 2026, 10, true, "P26");
        services = shop.numbering("POS-S", 2026, 8, false, "S26");
        shop.numbering("POS-X1", 2025, 6, true, "X");
        // POS-M draws from the numbering of POS-P.
        shop.insert("DocNoConvert", {{"Code", "POS-M"}, {"DocYear", 2026}, {"DocumentNo", goods}});
    }
    void SetUp() override
    {
        SessionFixture::SetUp();
        if (dm)
            dm->setMessageHandler([this](const QString& m) { messages << m; });
    }

    void exec(const char* sql) { Query(dm->DMdata(), QString::fromUtf8(sql)).execSql(); }

    int services = 0;
    QStringList messages;
};

} // namespace

TEST_P(NumberingTest, document_length_and_automatic_flag_by_type_code)
{
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-P")), 10);
    EXPECT_TRUE(dm->AutoNumbering());
    // Found only through the shared numbering: the flag of the previous call stays.
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-M")), 10);
    EXPECT_TRUE(dm->AutoNumbering());
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-S")), 8);
    EXPECT_FALSE(dm->AutoNumbering());
    // Numbered only for another year than the running one.
    dm->GetDocumentLength(QStringLiteral("POS-P"));
    EXPECT_EQ(dm->GetDocumentLength(QStringLiteral("POS-X1")), 0);
    EXPECT_FALSE(dm->AutoNumbering());
    EXPECT_EQ(messages, QStringList{QStringLiteral("ไม่พบรหัสเอกสาร POS-X1\nปี 2026")});
}

TEST_P(NumberingTest, drawn_numbers_fill_the_length_right_aligned_and_shared_types_share_the_counter)
{
    EXPECT_EQ(dm->DrawDocumentNo(QStringLiteral("POS-P"), QDate(2026, 3, 1)), QStringLiteral("P260000001"));
    EXPECT_EQ(dm->DrawDocumentNo(QStringLiteral("POS-M"), QDate(2026, 3, 1)), QStringLiteral("P260000002"));
    shop->update("DocumentNo", services, {{"DocumentLength", 12}});
    EXPECT_EQ(dm->DrawDocumentNo(QStringLiteral("POS-S"), QDate(2026, 1, 5)), QStringLiteral("S26000000001"));
    // A prefix that leaves no room still gives a number, padded to the length on the left.
    shop->update("DocumentNo", services, {{"DocumentLength", 6}, {"Prefix", "X"}});
    EXPECT_EQ(dm->DrawDocumentNo(QStringLiteral("POS-S"), QDate(2026, 1, 5)), QStringLiteral("X00002"));
    EXPECT_THROW(dm->DrawDocumentNo(QStringLiteral("NOPE"), QDate(2026, 3, 1)), DbError);
}

TEST_P(NumberingTest, posting_a_new_header_draws_its_number_logs_it_and_returns_its_id)
{
    CachedDataset hd(dm->DMdata(), QStringLiteral("SELECT * FROM PosHd WHERE PosNo = :GetNo"));
    hd.insertSql() = {
        QStringLiteral("INSERT INTO PosHd (PosNo, PosType, PosDate) VALUES (:PosNo, :PosType, :PosDate)")};
    hd.open();
    hd.append();
    hd.setValue(QStringLiteral("PosType"), QStringLiteral("P"));
    hd.setValue(QStringLiteral("PosDate"), QDateTime(QDate(2026, 3, 1), QTime(10, 0)));
    hd.post();

    dm->StartTransaction();
    const int id = dm->PostWithNewNumber(hd, QDate(2026, 3, 1), QStringLiteral("POS-P"), QStringLiteral("PosNo"),
                                         QStringLiteral("GetNo"));
    dm->Commit();
    hd.commitUpdates();
    EXPECT_GT(id, 0);

    const QString usageLog =
        QStringLiteral("SELECT UserId, MenuId, FunctionListId, DocumentId, Remark FROM UserLog ORDER BY Id");
    EXPECT_EQ(rows(usageLog), QStringList{QStringLiteral("1/101/1/0/P260000001")});

    // Posting the unchanged header again logs a change with its id and number.
    hd.setParam(QStringLiteral("GetNo"), QStringLiteral("P260000001"));
    hd.open();
    dm->StartTransaction();
    EXPECT_EQ(dm->PostWithNewNumber(hd, QDate(2026, 3, 1), QStringLiteral("POS-P"), QStringLiteral("PosNo"),
                                    QStringLiteral("GetNo")),
              id);
    dm->Commit();
    EXPECT_EQ(rows(usageLog),
              (QStringList{QStringLiteral("1/101/1/0/P260000001"), QStringLiteral("1/101/2/%1/P260000001").arg(id)}));
}

TEST_P(NumberingTest, a_header_that_cannot_be_read_back_stops_the_save_instead_of_orphaning_lines)
{
    // The key parameter named does not select the header: the re-read finds nothing.
    CachedDataset hd(dm->DMdata(), QStringLiteral("SELECT * FROM PosHd WHERE PosNo = :GetNo AND PosType = 'Z'"));
    hd.insertSql() = {QStringLiteral("INSERT INTO PosHd (PosNo, PosType) VALUES (:PosNo, :PosType)")};
    hd.open();
    hd.append();
    hd.setValue(QStringLiteral("PosType"), QStringLiteral("P"));
    {
        Transaction t(dm->DMdata());
        EXPECT_EQ(kvr::test::raisedMessage<DbError>([&] {
                      dm->PostWithGivenNumber(hd, QStringLiteral("  B1"), QStringLiteral("PosNo"),
                                              QStringLiteral("GetNo"));
                  }),
                  QStringLiteral("Impossible Error IvNo !!!! The saved document   B1 cannot be read back"));
    }
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM PosHd")), 0);
    EXPECT_TRUE(hd.updatesPending());
}

TEST_P(NumberingTest, accounting_periods_lock_dates_and_the_running_year_bounds_them)
{
    exec(
        "INSERT INTO accountperiod (accountyear, Start1, Stop1, Lock1, Start2, Stop2, Lock2) VALUES "
        "(2025, '2025-01-01 00:00:00', '2025-01-31 00:00:00', 'Y', '2025-02-01 00:00:00', '2026-02-28 00:00:00', 'Y'), "
        "(2026, '2026-01-01 00:00:00', '2026-01-31 00:00:00', 'y', '2026-02-01 00:00:00', '2026-02-28 00:00:00', 'Y')");
    dm->QchkPeriod().open(); // the periods are read once per run; this run began before they existed
    const QString locked = QStringLiteral("รอบบัญชีนี้ถูกผ่านรายการบัญชีไปแล้ว ไม่สามารถเพิ่มเติม หรือ แก้ไขได้");
    const std::pair<QDateTime, bool> cases[] = {
        {QDateTime(QDate(2025, 1, 31), QTime(23, 59)), false}, // last day of a locked period, late in the day
        {QDateTime(QDate(2026, 1, 15), QTime(9, 0)), true}, // covered by both years: the newer, 'y', decides
        {QDateTime(QDate(2026, 2, 28), QTime(18, 0)), false},
        {QDateTime(QDate(2027, 5, 1), QTime(9, 0)), true}, // in no period
    };
    for (const auto& [date, open] : cases) {
        SCOPED_TRACE(date.toString().toStdString());
        messages.clear();
        EXPECT_EQ(dm->IsPeriodOpen(date), open);
        EXPECT_EQ(messages, open ? QStringList() : QStringList{locked});
    }
    setConfig({{"RunYear", 2024}});
    EXPECT_TRUE(dm->IsWithinRunYear(QDate(2025, 12, 31)));
    EXPECT_FALSE(dm->IsWithinRunYear(QDate(2026, 1, 1)));
}

TEST_P(NumberingTest, server_time_and_last_identity_come_from_the_company_connection)
{
    EXPECT_LT(std::abs(dm->ServerNow().secsTo(QDateTime::currentDateTime())), 120);
    exec("INSERT INTO Warehouse (Code, Name) VALUES ('W9', 'คลังเก้า')");
    EXPECT_EQ(dm->LastIdentity(), scalar(QStringLiteral("SELECT Id FROM Warehouse WHERE Code = 'W9'")).toInt());
}

TEST_P(NumberingTest, four_counters_drawing_at_once_commit_distinct_numbers_without_gaps)
{
    constexpr int kCounters = 4;
    constexpr int kDraws = 500;
    constexpr int kRollbackEvery = 5;
    std::vector<std::unique_ptr<QProcess>> counters;
    for (int i = 0; i < kCounters; ++i) {
        auto p = std::make_unique<QProcess>();
        p->start(qEnvironmentVariable("KVR_BINARY_DIR") + QStringLiteral("/tests/data/numbering_drawer"),
                 {server->workingDirectory(), QStringLiteral("SHOP"), QStringLiteral("POS-P"), QStringLiteral("2026"),
                  QString::number(kDraws), QString::number(kRollbackEvery)});
        counters.push_back(std::move(p));
    }
    QList<int> numbers;
    for (auto& p : counters) {
        ASSERT_TRUE(p->waitForFinished(300000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QString& line :
             QString::fromUtf8(p->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            numbers << line.mid(3).toInt();
    }
    std::sort(numbers.begin(), numbers.end());
    const int expected = kCounters * (kDraws - kDraws / kRollbackEvery);
    ASSERT_EQ(numbers.size(), expected);
    for (int i = 0; i < expected; ++i)
        ASSERT_EQ(numbers[i], i + 1) << "numbers must be distinct and without gaps";
}

KVR_INSTANTIATE_BACKENDS(NumberingTest);
