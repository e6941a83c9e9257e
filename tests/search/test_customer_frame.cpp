#include "SearchFixture.h"
#include "search/TFaGetCustomer.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvr;
using namespace kvr::search;
using kvr::test::BackendKind;
using kvr::test::SearchFixture;
using kvr::test::ShopBuilder;

namespace {

const QString kOfflineCaption = QStringLiteral("ค้าหา รายชื่อลูกค้า/สมาชิก (Offline)");
const QByteArray kPicture("\x89PNG\r\n\x00\x01\xff", 9);

// The shop of SearchFixture with a customer header open, and a head-office database "HEAD" on the
// same server whose customers refer to codes the shop partly does not know.
class CustomerFrameTest : public SearchFixture
{
protected:
    void buildShop(ShopBuilder& shop) override
    {
        SearchFixture::buildShop(shop);
        wholesale = group(shop, "WHOLE", "ขายส่ง");
        retail = group(shop, "RETAIL", "ขายปลีก");
    }
    void SetUp() override
    {
        SearchFixture::SetUp();
        if (IsSkipped())
            return;
        openBillHeader(QStringLiteral("Id, Customer"));
        frame = bound<TFaGetCustomer>("Customer");
    }
    void TearDown() override
    {
        frame.reset();
        head.reset();
        SearchFixture::TearDown();
    }

    static int group(ShopBuilder& shop, const char* code, const char* name)
    {
        return shop.insert(QStringLiteral("CustomerGroup"), {{"Code", code}, {"Name", name}});
    }
    // The head office's own codes, partly unknown to the shop, under ids of its own; tax codes
    // are one list for both.
    void seedHeadOffice()
    {
        server->createDatabase(QStringLiteral("HEAD"));
        head = std::make_unique<data::TDM>(*config, server->workingDirectory());
        head->setCompanyCode(QStringLiteral("HEAD"));
        ShopBuilder office(head->DMdata());
        const int headBangkok = office.misc("CITY", "BKK", "กรุงเทพมหานคร");
        const int khonKaen = office.misc("CITY", "KKN", "ขอนแก่น");
        const int headSomsak = office.salesman("S03", "Somsak", true, {{"SurName", "Rakdee"}});
        const int headOnly = office.salesman("H77", "สมหมาย", true, {{"SurName", "สำนักงานใหญ่"}});
        const int headRetail = group(office, "RETAIL", "ขายปลีก");
        const int vip = group(office, "VIP", "ลูกค้าพิเศษ");
        office.customer({.code = "H001",
                         .name = "ร้านขอนแก่นค้าส่ง",
                         .tax = vat7,
                         .salesman = headOnly,
                         .province = khonKaen,
                         .extra = {{"CustomerGroup", vip},
                                   {"HeadCode", "X1"},
                                   {"Vendor", 9},
                                   {"PhoneNo", "043222333"},
                                   {"CreditLimit", 10000.5},
                                   {"AddDate", QDateTime(QDate(2025, 11, 2), QTime(9, 15))},
                                   {"Picture", kPicture},
                                   {"BarCodeId", 77},
                                   {"Zone", "NE"}}});
        office.customer({.code = "C002",
                         .name = "บริษัท ดีมาก (มหาชน)",
                         .salesman = headSomsak,
                         .province = headBangkok,
                         .extra = {{"CustomerGroup", headRetail}, {"DiscRate1", 2.5}}});
    }
    QString headAddress() const
    {
        // SQLite: the folder of the shop's own files; PostgreSQL: the host alone takes the shop's port.
        return server->kind() == BackendKind::Sqlite ? QStringLiteral(".") : server->spec().host;
    }
    // F5 in the field; the script picks `code` after searching with the criteria.
    void searchAndChoose(const std::vector<std::pair<QString, QString>>& criteria, const QString& code)
    {
        runner.setScript(runner.choosing(criteria, code));
        frame->FieldEnter();
        ASSERT_TRUE(frame->FieldKeyDown(QKeyCombination(Qt::Key_F5)));
    }
    std::unique_ptr<data::Query> local(const QString& sql)
    {
        auto q = std::make_unique<data::Query>(dm->DMdata(), sql);
        q->open();
        return q;
    }

    std::unique_ptr<TFaGetCustomer> frame;
    std::unique_ptr<data::TDM> head;
    int wholesale = 0, retail = 0;
};

TEST_P(CustomerFrameTest, blocked_and_branch_customers_typed_by_code_are_refused)
{
    const QString blocked = QStringLiteral("รหัสลูกค้าถูกระงับการใช้งาน !");
    const QString branchOnly = QStringLiteral("ต้องเป็นลูกค้าทั่วไปเท่านั้น (ไม่สามารถเลือกลูกค้าที่เป็นสาขาได้) ");
    QSignalSpy exits(frame.get(), &LookupFrame::exited);
    struct Case
    {
        const char* typed;
        bool allowBranch;
        const QString* message; // refused: code, name and the header's customer emptied
        int id;
        const char* name;
    };
    const Case cases[] = {
        {"c001", false, nullptr, walkIn, "ลูกค้าทั่วไป"},
        {"C004", false, &blocked, 0, ""},
        {"C003", false, &branchOnly, 0, ""},
        {"C003", true, nullptr, branch, "ร้านสาขาลาดพร้าว"},
        {"C999", false, nullptr, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1, branches %2").arg(QLatin1String(c.typed)).arg(c.allowBranch).toStdString());
        frame->setAllowBranchCustomers(c.allowBranch);
        const int exitsBefore = int(exits.count());
        expectRefusal(*frame, c.message, [&] { frame->typeCode(QLatin1String(c.typed)); });
        if (c.message) {
            EXPECT_TRUE(frame->lookup().text().isEmpty());
            EXPECT_FALSE(frame->QCustomer().isOpen()) << "the owner reads no refused customer";
        }
        EXPECT_EQ(exits.count() - exitsBefore, 1) << "the owner follows every exit";
        EXPECT_EQ(header->field(QStringLiteral("Customer")).asInteger(), c.id);
        EXPECT_EQ(frame->lookup().description(), QString::fromUtf8(c.name));
    }
    // The name follows the language on entering the field.
    config->mutableSession().ThaiLanguage = false;
    frame->typeCode(QStringLiteral("C002"));
    EXPECT_EQ(frame->lookup().description(), QStringLiteral("Deemak Co."));
}

TEST_P(CustomerFrameTest, online_a_head_office_customer_is_copied_with_the_shop_s_own_codes)
{
    seedHeadOffice();
    setConfig({{"UseCustomerLinkHead", test::flag(true)}, {"MainServerIP", headAddress()}, {"MainDbName", "HEAD"}});
    searchAndChoose(
        {{QStringLiteral("Province"), QStringLiteral("KK")}, {QStringLiteral("Phone"), QStringLiteral("2223")}},
        QStringLiteral("H001"));
    ASSERT_EQ(runner.ran, QStringList({QStringLiteral("ค้าหา รายชื่อลูกค้า/สมาชิก (Online สำนักงานใหญ่)")}));

    // The province unknown to the shop was added to its codes; the salesman unknown to it is its
    // lowest; the group is the shop's own of the same code.
    const auto province =
        local(QStringLiteral("SELECT Id, Description, Blocked FROM Misc WHERE GroupCode = 'CITY' AND Code = 'KKN'"));
    ASSERT_EQ(province->recordCount(), 1);
    EXPECT_EQ(province->field(QStringLiteral("Description")).asString(), QStringLiteral("ขอนแก่น"));
    EXPECT_EQ(province->field(QStringLiteral("Blocked")).asString(), QStringLiteral("N"));
    const auto copied = local(QStringLiteral("SELECT * FROM Customer WHERE Code = 'H001'"));
    ASSERT_EQ(copied->recordCount(), 1);
    const auto field = [&copied](const char* name) { return copied->field(QLatin1String(name)); };
    EXPECT_EQ(field("Province").asInteger(), province->field(QStringLiteral("Id")).asInteger());
    EXPECT_EQ(field("Salesman").asInteger(), somsri);
    EXPECT_EQ(field("CustomerGroup").asInteger(), wholesale) << "VIP is unknown to the shop: its lowest group";
    EXPECT_EQ(field("TaxCode").asInteger(), vat7);
    EXPECT_DOUBLE_EQ(field("CreditLimit").asFloat(), 10000.5);
    EXPECT_EQ(field("AddDate").asDateTime(), QDateTime(QDate(2025, 11, 2), QTime(9, 15)));
    EXPECT_EQ(field("Picture").value().toByteArray(), kPicture);
    EXPECT_EQ(field("Zone").asString(), QStringLiteral("NE"));
    EXPECT_TRUE(field("HeadCode").isNull());
    EXPECT_TRUE(field("Vendor").isNull());
    EXPECT_EQ(field("BarCodeId").asInteger(), 0);
    // Then taken by the field.
    EXPECT_EQ(frame->lookup().text(), QStringLiteral("H001"));
    EXPECT_EQ(header->field(QStringLiteral("Customer")).asInteger(), field("Id").asInteger());
    EXPECT_EQ(frame->lookup().description(), QStringLiteral("ร้านขอนแก่นค้าส่ง"));

    // A customer the shop has already is refreshed in place, keeping its Id; the province is not
    // added twice.
    // The dialog keeps the criteria of its last search.
    searchAndChoose({{QStringLiteral("Province"), QString()},
                     {QStringLiteral("Phone"), QString()},
                     {QStringLiteral("Code"), QStringLiteral("c00")}},
                    QStringLiteral("C002"));
    const auto refreshed = local(QStringLiteral("SELECT * FROM Customer WHERE Code = 'C002'"));
    ASSERT_EQ(refreshed->recordCount(), 1);
    EXPECT_EQ(refreshed->field(QStringLiteral("Id")).asInteger(), deemak);
    EXPECT_EQ(refreshed->field(QStringLiteral("Name")).asString(), QStringLiteral("บริษัท ดีมาก (มหาชน)"));
    EXPECT_EQ(refreshed->field(QStringLiteral("Province")).asInteger(), bangkok) << "the shop's own id";
    EXPECT_EQ(refreshed->field(QStringLiteral("CustomerGroup")).asInteger(), retail) << "the shop's own id";
    EXPECT_EQ(refreshed->field(QStringLiteral("Salesman")).asInteger(), somsak) << "the shop's own id";
    EXPECT_TRUE(refreshed->field(QStringLiteral("FaxNo")).isNull()) << "every copied column is written";
    EXPECT_DOUBLE_EQ(refreshed->field(QStringLiteral("DiscRate1")).asFloat(), 2.5);
    EXPECT_EQ(header->field(QStringLiteral("Customer")).asInteger(), deemak);
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) FROM Misc WHERE GroupCode = 'CITY' AND Code = 'KKN'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT Count(*) FROM Customer")), 5);
}

TEST_P(CustomerFrameTest, without_the_link_or_a_reachable_head_office_the_shop_s_list_is_searched_without_an_error)
{
    seedHeadOffice();
    const bool sqlite = server->kind() == BackendKind::Sqlite;
    const struct
    {
        const char* why;
        const char* link;
        QString address;
        QString database;
        QString caption;
    } cases[] = {
        // Off, the shop's own search runs even with the head office within reach.
        {"link off", "N", headAddress(), QStringLiteral("HEAD"), QStringLiteral("ค้นหาลูกค้า/สมาชิก")},
        {"nothing listens / no such folder", "Y", sqlite ? QStringLiteral("elsewhere") : QStringLiteral("127.0.0.1:1"),
         QStringLiteral("HEAD"), kOfflineCaption},
        {"the server has no such database", "Y", headAddress(), QStringLiteral("NOHEAD"), kOfflineCaption},
        {"no address configured", "Y", QString(), QStringLiteral("HEAD"), kOfflineCaption},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        setConfig({{"UseCustomerLinkHead", c.link}, {"MainServerIP", c.address}, {"MainDbName", c.database}});
        runner.ran.clear();
        searchAndChoose({{QStringLiteral("Code"), QStringLiteral("C00")}}, QStringLiteral("C001"));
        EXPECT_EQ(runner.ran, QStringList({c.caption}));
        EXPECT_FALSE(frame->headOffice().DBHead().isOpen());
        EXPECT_EQ(frame->lookup().text(), QStringLiteral("C001"));
        EXPECT_EQ(header->field(QStringLiteral("Customer")).asInteger(), walkIn);
        EXPECT_EQ(count(QStringLiteral("SELECT Count(*) FROM Customer")), 4) << "nothing is copied";
        // The head office's customers are not in the shop's list.
        runner.setScript(runner.choosing({}, QStringLiteral("H001")));
        frame->BtSearchClick();
        EXPECT_EQ(frame->lookup().text(), QStringLiteral("C001"));
    }
    if (sqlite) {
        EXPECT_FALSE(QDir(server->spec().directory).exists(QStringLiteral("NOHEAD.db")))
            << "probing creates no database file";
    }
}

KVR_INSTANTIATE_BACKENDS(CustomerFrameTest);

} // namespace
