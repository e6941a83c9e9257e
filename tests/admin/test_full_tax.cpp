// The full tax invoice through its screen class, on both backends: finding the receipt, the buyer
// block it starts from, the number drawn once, what is printed, and the receipts it refuses.
#include "FullTaxFixture.h"

#include "data/DbError.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

using namespace kvr;
using test::Columns;
namespace column = data::fulltax;

class FullTax : public test::FullTaxFixture
{
protected:
    QString field(const QString& name) { return screen->QHd().field(name).asString(); }
    void confirmPrint()
    {
        prompter.answerConfirm(true);
        screen->AcPrint().execute();
    }
};

TEST_P(FullTax, a_new_invoice_starts_from_the_customer_and_draws_one_number_from_the_mode_series)
{
    const int id = receipt(kPosHd, {.number = QStringLiteral("PP69000012"), .customer = headOffice});
    auto& form = open();
    EXPECT_EQ(form.caption(), QStringLiteral("ขายหน้าร้าน"));
    EXPECT_EQ(form.statusText(0), QStringLiteral("ร้านสมชายพาณิชย์"));
    EXPECT_TRUE(form.AcPrint().isButtonVisible());
    EXPECT_FALSE(form.AcSave().isButtonVisible());

    // Typed with blanks around it: both sides are compared trimmed.
    typeReceipt(QStringLiteral("  PP69000012 "));
    ASSERT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.NewFullTax());
    EXPECT_FALSE(form.controls().receiptEnabled);
    EXPECT_EQ(form.receiptNumberText(), QStringLiteral("PP69000012"));
    EXPECT_EQ(field(column::kCustomerName), QStringLiteral("บริษัท สยามการค้า จำกัด"));
    EXPECT_EQ(field(column::kShipAddr1), QStringLiteral("1024 ถนนพระราม 4")) << "the customer's address is trimmed";
    EXPECT_EQ(field(column::kShipZipCode), QStringLiteral("10110"));
    EXPECT_EQ(field(column::kShipPhone), QStringLiteral("02-249-1000"));
    EXPECT_EQ(field(column::kTaxCustomer), kHeadOfficeTaxId);
    EXPECT_EQ(form.QHd().field(column::kShipProvince).asInteger(), bangkok);
    EXPECT_EQ(form.FaGetProvince1().lookup().description(), QStringLiteral("กรุงเทพมหานคร"));
    EXPECT_TRUE(form.FaGetProvince1().isSearchEnabled());
    EXPECT_FALSE(form.FaGetProvince1().isFieldEnabled());
    // No earlier invoice for this buyer: no branch data yet, so the branch code is open.
    EXPECT_EQ(field(column::kBranchHead), QString());
    EXPECT_TRUE(form.controls().branchCodeEnabled);
    ASSERT_EQ(form.QDt().recordCount(), 2);
    EXPECT_EQ(form.QDt().fieldAt(0, column::kProdName).asString(), QStringLiteral("ข้าวหอมมะลิ 5 กก."));
    EXPECT_EQ(form.QDt().fieldAt(1, column::kUnitName).asString(), QStringLiteral("ขวด"));
    EXPECT_DOUBLE_EQ(form.QDt().fieldAt(1, column::kQuantity).asFloat(), 2);

    // A head office prints with an empty branch code, whatever was typed there before.
    form.setBuyerValue(column::kBranchCode, QStringLiteral("00009"));
    form.ChkBranchHeadClick(true);
    EXPECT_FALSE(form.controls().branchCodeEnabled);
    confirmPrint();
    EXPECT_EQ(lastNo(QStringLiteral("POS-X1")), 1);
    EXPECT_EQ(column(kPosHd, id, column::kFullTaxNo).toString(), QStringLiteral("TX69000001"));
    EXPECT_EQ(column(kPosHd, id, column::kTaxCustomer).toString().trimmed(), kHeadOfficeTaxId);
    EXPECT_EQ(column(kPosHd, id, column::kBranchHead).toString(), QStringLiteral("Y"));
    EXPECT_EQ(column(kPosHd, id, column::kBranchCode).toString().trimmed(), QString());
    EXPECT_EQ(print.calls, QStringList{QStringLiteral("PP69000012 2026 POS-X1")});
    // New: ready for the next receipt.
    EXPECT_TRUE(form.controls().receiptEnabled);
    EXPECT_FALSE(form.AcPrint().isEnabled());
    EXPECT_EQ(form.receiptNumberText(), QString());
}

TEST_P(FullTax, a_reissued_invoice_keeps_its_block_and_number_and_takes_the_latest_branch_data)
{
    const Columns block = {{column::kCustomerName, QStringLiteral("ห้างหุ้นส่วนจำกัด รุ่งเรืองพาณิชย์")},
                           {column::kShipAddr1, QStringLiteral("ที่อยู่ตามใบกำกับเดิม")},
                           {column::kTaxCustomer, kBranchTaxId},
                           {column::kBranchHead, QStringLiteral("Y")}};
    Columns later = block;
    later.insert(later.end(),
                 {{column::kBranchHead, QStringLiteral("N")}, {column::kBranchCode, QStringLiteral("00002")}});
    const int id = receipt(kPosHd,
                           {.number = QStringLiteral("PP69000020"),
                            .date = QDate(2026, 6, 1),
                            .customer = walkIn,
                            .fullTaxNo = QStringLiteral("TX69000007"),
                            .posted = true,
                            .extra = block});
    receipt(kPosHd,
            {.number = QStringLiteral("PP69000031"),
             .date = QDate(2026, 6, 2),
             .customer = walkIn,
             .fullTaxNo = QStringLiteral("TX69000008"),
             .extra = later});
    auto& form = open();
    typeReceipt(QStringLiteral("PP69000020"));
    ASSERT_TRUE(form.isLoaded()) << "a posted receipt is found like any other";
    EXPECT_FALSE(form.NewFullTax());
    EXPECT_EQ(field(column::kShipAddr1), QStringLiteral("ที่อยู่ตามใบกำกับเดิม")) << "not the walk-in customer's";
    EXPECT_EQ(field(column::kBranchHead), QStringLiteral("N"));
    EXPECT_EQ(field(column::kBranchCode), QStringLiteral("00002"));

    confirmPrint();
    EXPECT_EQ(lastNo(QStringLiteral("POS-X1")), 0) << "a reprint draws no number";
    EXPECT_EQ(column(kPosHd, id, column::kFullTaxNo).toString(), QStringLiteral("TX69000007"));
    EXPECT_EQ(column(kPosHd, id, column::kBranchCode).toString().trimmed(), QStringLiteral("00002"));
    EXPECT_EQ(print.calls, QStringList{QStringLiteral("PP69000020 2026 POS-X1")});
}

TEST_P(FullTax, with_QdwSite_the_series_is_the_mode_code_and_the_month)
{
    // Without it the series is the mode code: the first test draws from POS-X1.
    config->mutableSession().QdwSite = true;
    const int id =
        receipt(kPosHd, {.number = QStringLiteral("PP69000105"), .date = QDate(2026, 3, 5), .customer = headOffice});
    auto& form = open();
    typeReceipt(QStringLiteral("PP69000105"));
    form.ChkBranchHeadClick(true);
    confirmPrint();
    EXPECT_EQ(column(kPosHd, id, column::kFullTaxNo).toString(), QStringLiteral("TX69030001")) << "from POS-X103";
    // The layouts are found by the mode code, whatever the series.
    EXPECT_EQ(print.calls, QStringList{QStringLiteral("PP69000105 2026 POS-X1")});
    EXPECT_EQ(lastNo(QStringLiteral("POS-X1")), 0);
}

TEST_P(FullTax, receipts_that_cannot_have_an_invoice_are_refused_on_loading_or_at_print_and_draw_nothing)
{
    receipt(kPosHd,
            {.number = QStringLiteral("PP69000050"),
             .customer = headOffice,
             .cancelled = true,
             .extra = {{column::kDelRemark, QStringLiteral("ลูกค้าเปลี่ยนใจ")}}});
    const int orphan = receipt(kPosHd, {.number = QStringLiteral("PP69000051")});
    shop->update(kPosHd.header, orphan, {{"Customer", 9999}});
    receipt(kPosHd,
            {.number = QStringLiteral("PP69000052"), .customer = branch, .fullTaxNo = QStringLiteral("TX69000100")});
    receipt(kPosHd,
            {.number = QStringLiteral("PP69000053"), .customer = walkIn, .fullTaxNo = QStringLiteral(" TX69000100")});
    const int cancelledLater = receipt(kPosHd, {.number = QStringLiteral("PP69000060"), .customer = headOffice});
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"PP69009999", "ไม่พบ เอกสารเลขที่ : PP69009999", false},
        {"PP69000050", "บิลเลขที่ PP69000050 ถูกยกเลิกแล้ว ไม่สามารถออกใบกำกับภาษีอย่างเต็มได้\nสาเหตุยกเลิก : ลูกค้าเปลี่ยนใจ", true},
        {"PP69000051", "ไม่พบ เอกสารเลขที่ : PP69000051\n(ไม่พบข้อมูลลูกค้าของบิลนี้)", false},
        {"PP69000052", "ได้ออกใบกำกับภาษีอย่างเต็ม แบบรวม ณ สิ้นวัน แล้ว", false},
    };
    auto& form = open();
    for (const auto& [typed, message, warning] : cases) {
        SCOPED_TRACE(typed);
        if (warning)
            prompter.expectWarning();
        else
            prompter.expectInformation();
        typeReceipt(QString::fromUtf8(typed));
        ASSERT_FALSE(prompter.asked().empty());
        EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(message));
        EXPECT_FALSE(form.isLoaded());
        EXPECT_TRUE(form.controls().receiptEnabled);
        EXPECT_EQ(form.receiptNumberText(), QString());
        EXPECT_FALSE(form.AcPrint().isEnabled());
    }

    // Cancelled after it was loaded: refused at print, and no number is drawn.
    typeReceipt(QStringLiteral("PP69000060"));
    ASSERT_TRUE(form.isLoaded());
    shop->update(kPosHd.header, cancelledLater, {{column::kDelFlag, QStringLiteral("Y")}});
    form.ChkBranchHeadClick(true);
    prompter.answerConfirm(true).expectWarning();
    form.AcPrint().execute();
    EXPECT_EQ(lastNo(QStringLiteral("POS-X1")), 0);
    EXPECT_TRUE(column(kPosHd, cancelledLater, column::kFullTaxNo).isNull());
    EXPECT_TRUE(form.controls().receiptEnabled);
    EXPECT_TRUE(print.calls.isEmpty());
}

TEST_P(FullTax, bills_kept_in_PosHeader_may_lack_a_customer_and_draw_from_their_own_series)
{
    const int id = receipt(kPosHeader, {.number = QStringLiteral("BN69000003")});
    auto& form = open(admin::FullTaxVariant::posHeader());
    typeReceipt(QStringLiteral("BN69000003"));
    ASSERT_TRUE(form.isLoaded());
    EXPECT_EQ(field(column::kCustomerName), QString());
    EXPECT_EQ(form.QDt().recordCount(), 2);
    form.setBuyerValue(column::kCustomerName, QStringLiteral("คุณสมศรี แสงทอง"));
    confirmPrint();
    EXPECT_EQ(column(kPosHeader, id, column::kFullTaxNo).toString(), QStringLiteral("TY69000001"));
    EXPECT_EQ(column(kPosHeader, id, column::kCustomerName).toString(), QStringLiteral("คุณสมศรี แสงทอง"));
    EXPECT_EQ(print.calls, QStringList{QStringLiteral("BN69000003 2026 POS-X2")});
}

TEST_P(FullTax, a_tax_number_or_branch_code_of_another_form_prints_only_when_the_cashier_confirms_it)
{
    const int id = receipt(kPosHd, {.number = QStringLiteral("PP69000070"), .customer = branch});
    auto& form = open();
    typeReceipt(QStringLiteral("PP69000070"));
    EXPECT_EQ(form.buyerNumberProblems().size(), 1) << "a branch without its code";
    form.setBuyerValue(column::kBranchCode, QStringLiteral("00002"));
    EXPECT_TRUE(form.buyerNumberProblems().isEmpty());
    form.setBuyerValue(column::kTaxCustomer, QStringLiteral("0203544009870"));
    form.setBuyerValue(column::kBranchCode, QStringLiteral("2"));

    // No: nothing printed or written, the receipt stays for the number to be put right.
    prompter.answerConfirm(false);
    form.AcPrint().execute();
    EXPECT_EQ(prompter.asked().back().text,
              QStringLiteral("เลขที่ผู้เสียภาษี \"0203544009870\" ไม่ถูกต้อง (ต้องเป็นตัวเลข 13 หลัก และเลขหลักสุดท้าย"
                             "ต้องตรงกับเลขตรวจสอบ)\nรหัสสาขา \"2\" ไม่ถูกต้อง (ต้องเป็นตัวเลข 5 หลัก เช่น 00001)\n\n"
                             "พิมพ์ใบกำกับภาษีตามที่บันทึกไว้ ?"));
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(print.calls.isEmpty());
    EXPECT_EQ(lastNo(QStringLiteral("POS-X1")), 0);
    // Yes: printed as typed, never corrected behind the cashier's back.
    prompter.answerConfirm(true);
    confirmPrint();
    EXPECT_EQ(column(kPosHd, id, column::kTaxCustomer).toString().trimmed(), QStringLiteral("0203544009870"));
    EXPECT_EQ(column(kPosHd, id, column::kBranchCode).toString().trimmed(), QStringLiteral("2"));
    EXPECT_EQ(print.calls.size(), 1u);
}

TEST_P(FullTax, a_failed_write_keeps_the_receipt_on_screen_and_draws_nothing)
{
    const int id =
        receipt(kPosHd, {.number = QStringLiteral("PP69000080"), .date = QDate(2027, 1, 5), .customer = headOffice});
    auto& form = open();
    typeReceipt(QStringLiteral("PP69000080"));
    form.ChkBranchHeadClick(true);
    // There is no series for 2027 yet.
    prompter.answerConfirm(true);
    EXPECT_THROW(form.AcPrint().execute(), data::DbError);
    EXPECT_EQ(form.QHd().state(), data::CachedDataset::State::Edit);
    EXPECT_TRUE(column(kPosHd, id, column::kBranchHead).isNull());
    EXPECT_TRUE(print.calls.isEmpty());

    shop->numbering(QStringLiteral("POS-X1"), 2027, 10, true, QStringLiteral("TX70"));
    confirmPrint();
    EXPECT_EQ(column(kPosHd, id, column::kFullTaxNo).toString(), QStringLiteral("TX70000001"));
    EXPECT_EQ(print.calls.size(), 1u);
}

TEST_P(FullTax, the_schema_step_adds_the_buyer_columns_an_older_database_lacks)
{
    shop->connection().execDirect(QStringLiteral("ALTER TABLE PosHeader DROP COLUMN BranchCode"));
    open(admin::FullTaxVariant::posHeader());
    const int id =
        receipt(kPosHeader,
                {.number = QStringLiteral("BN69000009"), .extra = {{column::kBranchCode, QStringLiteral("00001")}}});
    EXPECT_EQ(column(kPosHeader, id, column::kBranchCode).toString().trimmed(), QStringLiteral("00001"));
}

KVR_INSTANTIATE_BACKENDS(FullTax);

} // namespace
