#include "SearchFixture.h"
#include "search/TFaGetCompanyBank.h"
#include "search/TFaGetDate.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetProvince.h"
#include "search/TFaGetRemark.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetTaxCode.h"
#include "search/TFaGetWarehouse.h"

#include <gtest/gtest.h>

using namespace kvr;
using namespace kvr::search;
using kvr::test::SearchFixture;

namespace {

// A bill header open for a new bill, as the sale screen holds it.
class LookupFrameTest : public SearchFixture
{
protected:
    void SetUp() override
    {
        SearchFixture::SetUp();
        if (!IsSkipped())
            openBillHeader(QStringLiteral("Id, PosDate, Salesman, Warehouse, Department, ShipProvince, CompanyBank, "
                                          "TaxCode, TaxRate, Remark"));
    }
    data::Field value(const char* field) const { return header->field(QLatin1String(field)); }
};

TEST_P(LookupFrameTest, a_typed_code_resolves_only_within_what_its_frame_allows)
{
    const auto salesman = bound<TFaGetSalesman>("Salesman");
    const auto department = bound<TFaGetDepartment>("Department");
    const auto province = bound<TFaGetProvince>("ShipProvince");
    const auto bank = bound<TFaGetCompanyBank>("CompanyBank");
    const QString suspended = QStringLiteral("พนักงานขาย ถูกระงับไปแล้ว  !");
    struct Case
    {
        LookupFrame* frame;
        const char* field;
        const char* typed;
        int id;
        const char* name;
        const QString* refusal = nullptr; // told; the code cleared and the focus sent back
    };
    const Case cases[] = {
        {salesman.get(), "Salesman", "s01", somsri, "สมศรี"},
        {salesman.get(), "Salesman", "S02", 0, "", &suspended},
        {salesman.get(), "Salesman", "S99", 0, ""},
        {department.get(), "Department", "SALE", saleDepartment, "ฝ่ายขายหน้าร้าน"},
        {department.get(), "Department", "BKK", 0, ""}, // a code of another group
        {department.get(), "Department", "", 0, ""}, // no department is allowed
        {province.get(), "ShipProvince", "CNX", chiangMai, "เชียงใหม่"},
        {bank.get(), "CompanyBank", "KBANK", kbank, "กสิกรไทย สาขาสีลม"},
        {bank.get(), "CompanyBank", "SCB", 0, ""}, // blocked
        {bank.get(), "CompanyBank", "BBL", bbl, "กรุงเทพ"}, // Blocked null
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 = '%2'").arg(QLatin1String(c.field), QLatin1String(c.typed)).toStdString());
        expectRefusal(*c.frame, c.refusal, [&] { c.frame->typeCode(QString::fromLatin1(c.typed)); });
        if (c.refusal) {
            EXPECT_TRUE(c.frame->lookup().text().isEmpty());
        }
        EXPECT_EQ(value(c.field).asInteger(), c.id);
        EXPECT_EQ(c.frame->lookup().isAccepted(), c.id > 0 || *c.typed == 0);
        EXPECT_EQ(c.frame->lookup().description(), QString::fromUtf8(c.name));
    }
}

TEST_P(LookupFrameTest, the_search_works_only_while_the_field_has_the_focus_and_its_choice_is_taken)
{
    const auto frame = bound<TFaGetSalesman>("Salesman");
    runner.setScript(runner.choosing({}, QStringLiteral("S03")));
    EXPECT_FALSE(frame->FieldKeyDown(QKeyCombination(Qt::Key_F5)));
    frame->BtSearchClick();
    EXPECT_TRUE(runner.ran.isEmpty()) << "the button is disabled outside the field";
    frame->FieldEnter();
    EXPECT_FALSE(frame->FieldKeyDown(QKeyCombination(Qt::Key_F4)));
    EXPECT_TRUE(frame->FieldKeyDown(QKeyCombination(Qt::Key_F5)));
    EXPECT_EQ(runner.ran, QStringList({QStringLiteral("ค้นหาพนักงานขาย")}));
    EXPECT_EQ(frame->lookup().text(), QStringLiteral("S03"));
    EXPECT_EQ(value("Salesman").asInteger(), somsak);
    frame->FieldExit();
    EXPECT_FALSE(frame->isSearchEnabled());
    EXPECT_EQ(value("Salesman").asInteger(), somsak);
}

TEST_P(LookupFrameTest, under_the_user_restriction_only_granted_warehouses_resolve_and_are_listed)
{
    struct Case
    {
        bool restricted;
        const char* code;
        int id;
        const char* name;
    };
    const Case cases[] = {
        {true, "MAIN", mainWarehouse, "หน้าร้าน"}, {true, "BACK", 0, ""}, {false, "BACK", backWarehouse, "หลังร้าน"}};
    // One frame for all: the restriction follows the setting each time the field is entered.
    const auto frame = bound<TFaGetWarehouse>("Warehouse");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + (c.restricted ? " restricted" : ""));
        setConfig({{"CheckUserWarehouseFlag", test::flag(c.restricted)}});
        frame->typeCode(QLatin1String(c.code));
        EXPECT_EQ(value("Warehouse").asInteger(), c.id);
        EXPECT_EQ(frame->lookup().description(), QString::fromUtf8(c.name));
    }
    setConfig({{"CheckUserWarehouseFlag", test::flag(true)}});
    runner.setScript(runner.choosing({}, QString()));
    frame->FieldEnter();
    frame->BtSearchClick();
    EXPECT_EQ(runner.listed, QStringList({"MAIN", "RMA"}));
}

TEST_P(LookupFrameTest, the_tax_frame_copies_the_chosen_rate_into_the_rate_column)
{
    TFaGetTaxCode frame(*dm);
    frame.bind(*header, QStringLiteral("TaxCode"));
    ASSERT_EQ(frame.QTax().recordCount(), 2);
    const int v0 = 0, v7 = 1; // ordered by code
    frame.chooseRow(v7);
    frame.ListTaxCodeExit();
    EXPECT_TRUE(value("TaxRate").isNull()) << "no rate column named: nothing is copied";
    frame.setRateColumn(QStringLiteral("TaxRate"));
    for (const auto& [row, rate] : {std::pair{v7, 7.0}, std::pair{v0, 0.0}, std::pair{v7, 7.0}}) {
        SCOPED_TRACE(rate);
        frame.chooseRow(row);
        frame.ListTaxCodeExit();
        EXPECT_EQ(value("TaxCode").asInteger(), row == v7 ? vat7 : vat0);
        EXPECT_DOUBLE_EQ(value("TaxRate").asFloat(), rate);
    }
}

TEST_P(LookupFrameTest, an_invalid_date_is_replaced_by_the_server_date)
{
    TFaGetDate frame(*dm, prompter);
    frame.bind(*header, QStringLiteral("PosDate"));
    EXPECT_EQ(frame.text(), QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))) << "a new bill shows today";
    const QString wrongDate = QStringLiteral("วันที่ ไม่ถูกต้อง !!");
    const QDate serverDay = dm->ServerNow().date();
    struct Case
    {
        const char* typed;
        QDate stored; // invalid: the server's date replaces it
    };
    const Case cases[] = {
        {"15/03/2026", QDate(2026, 3, 15)}, {"31/02/2026", {}}, {"01/01/2027", QDate(2027, 1, 1)}, {"01/01/2028", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const bool invalid = !c.stored.isValid();
        expectRefusal(frame, invalid ? &wrongDate : nullptr, [&] {
            frame.setText(QLatin1String(c.typed));
            frame.DocDateExit();
        });
        const QDate expected = invalid ? serverDay : c.stored;
        EXPECT_EQ(value("PosDate").asDate(), expected);
        EXPECT_EQ(frame.text(), expected.toString(QStringLiteral("dd/MM/yyyy")));
    }
}

// A choice taken from the search in general is the salesman's case above.
TEST_P(LookupFrameTest, a_chosen_bank_unlocks_its_field_and_a_remark_is_cut_to_255_or_chosen)
{
    const auto bank = bound<TFaGetCompanyBank>("CompanyBank");
    bank->setFieldEnabled(false);
    runner.setScript(runner.choosing({}, QStringLiteral("KBANK")));
    bank->FieldEnter();
    bank->BtSearchClick();
    EXPECT_TRUE(bank->isFieldEnabled());
    EXPECT_EQ(value("CompanyBank").asInteger(), kbank);

    const auto remark = bound<TFaGetRemark>("Remark");
    remark->setMiscGroup(QStringLiteral("REM_SALE"));
    remark->setText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(value("Remark").asString().size(), 255);
    runner.setScript(runner.choosing({}, QStringLiteral("ลูกค้าประจำ")));
    remark->FieldEnter();
    EXPECT_TRUE(remark->FieldKeyDown(QKeyCombination(Qt::Key_F5)));
    EXPECT_EQ(runner.ran.back(), QStringLiteral("ค้นหาหมายเหตุ"));
    EXPECT_EQ(remark->text(), QStringLiteral("ลูกค้าประจำ"));
    EXPECT_EQ(value("Remark").asString(), QStringLiteral("ลูกค้าประจำ"));
    EXPECT_EQ(runner.ran.size(), 2);
}

KVR_INSTANTIATE_BACKENDS(LookupFrameTest);

} // namespace
