// The searches of the full tax invoice on both backends: receipts kept in PosHeader, and a buyer
// chosen from earlier invoices. What the buyer search matches is the search tests'.
#include "FullTaxFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kvr;
namespace column = data::fulltax;

using FullTaxSearch = test::FullTaxFixture;

TEST_P(FullTaxSearch, a_chosen_buyer_fills_the_block_with_the_branch_of_their_latest_receipt)
{
    invoicedTo(QStringLiteral("PP69000001"), QStringLiteral("คุณวิไล ทองคำ"), QStringLiteral("081-000-1111"),
               QStringLiteral("3100600123453"));
    receipt(kPosHd, {.number = QStringLiteral("PP69000009"), .customer = headOffice});
    auto& form = open();
    typeReceipt(QStringLiteral("PP69000009"));
    searches.setScript(
        searches.choosing({{QStringLiteral("Phone"), QStringLiteral("081-000-1111")}}, QStringLiteral("คุณวิไล ทองคำ")));
    form.BtSearchCustomerClick();
    EXPECT_EQ(searches.ran.back(), QStringLiteral("ค้นหารายชื่อลูกค้าสำหรับออกใบกำกับภาษีอย่างเต็ม"));
    const auto field = [&](const QString& name) { return form.QHd().field(name).asString(); };
    EXPECT_EQ(field(column::kCustomerName), QStringLiteral("คุณวิไล ทองคำ"));
    EXPECT_EQ(field(column::kShipAddr1), QStringLiteral("9 ถนนสาทร"));
    EXPECT_EQ(field(column::kShipAddr2), QString()) << "the whole block is replaced, not only what the row has";
    EXPECT_EQ(field(column::kShipPhone), QStringLiteral("081-000-1111"));
    EXPECT_EQ(field(column::kShipZipCode), QStringLiteral("10120"));
    EXPECT_EQ(field(column::kTaxCustomer), QStringLiteral("3100600123453")) << "the number given last time";
    EXPECT_EQ(form.QHd().field(column::kShipProvince).asInteger(), bangkok);
    EXPECT_EQ(field(column::kBranchHead), QStringLiteral("N"));
    EXPECT_EQ(field(column::kBranchCode), QStringLiteral("00003"));

    // Cancelling the search changes nothing.
    searches.setScript({});
    form.BtSearchCustomerClick();
    EXPECT_EQ(field(column::kCustomerName), QStringLiteral("คุณวิไล ทองคำ"));
}

TEST_P(FullTaxSearch, the_search_of_bills_kept_in_PosHeader_lists_them_newest_first_and_refuses_a_cancelled_one)
{
    receipt(kPosHeader, {.number = QStringLiteral("BN69000011"), .date = QDate(2026, 6, 13)});
    receipt(kPosHeader, {.number = QStringLiteral("BN69000021"), .date = QDate(2026, 6, 14), .customer = branch});
    receipt(kPosHeader, {.number = QStringLiteral("BN69000031"), .cancelled = true});
    auto& kept = open(admin::FullTaxVariant::posHeader());
    searches.setScript(
        searches.choosing({{QStringLiteral("Code"), QStringLiteral("1")}}, QStringLiteral("BN69000021")));
    kept.BtSearchShotNoClick();
    EXPECT_EQ(searches.ran.back(), QStringLiteral("ค้นหารายการขายสด"));
    EXPECT_EQ(searches.listed,
              (QStringList{QStringLiteral("BN69000031"), QStringLiteral("BN69000021"), QStringLiteral("BN69000011")}))
        << "newest first, with or without a customer";
    EXPECT_EQ(kept.receiptNumberText(), QStringLiteral("BN69000021"));

    searches.setScript(searches.choosing(
        {{QStringLiteral("Code"), QStringLiteral("1")}, {QStringLiteral("Customer"), QStringLiteral("c00")}},
        QString()));
    kept.BtSearchShotNoClick();
    EXPECT_EQ(searches.listed, QStringList{QStringLiteral("BN69000021")}) << "by the customer code's start";

    // The cancelled bill and its reason, and the dialog stays open (here: the user gives up).
    prompter.expectInformation().expectInformation();
    searches.setScript(
        searches.choosing({{QStringLiteral("Code"), QStringLiteral("31")}}, QStringLiteral("BN69000031")));
    kept.setReceiptNumberText(QString());
    kept.BtSearchShotNoClick();
    ASSERT_GE(prompter.asked().size(), 2u);
    EXPECT_EQ(prompter.asked()[prompter.asked().size() - 2].text, QStringLiteral("เอกสารถูกยกเลิกแล้ว"));
    EXPECT_EQ(kept.receiptNumberText(), QString());
}

KVR_INSTANTIATE_BACKENDS(FullTaxSearch);

} // namespace
