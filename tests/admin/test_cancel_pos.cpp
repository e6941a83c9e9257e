// The bill cancellation through its screen class, on both backends: finding a bill by its number,
// the bills it refuses, the questions before a cancel, and what a cancel leaves in the database.
#include "CancelFixture.h"

#include "admin/TFrCancelPos.h"

#include <gtest/gtest.h>

using kvr::admin::TFrCancelPos;
using Kind = kvr::test::ScriptedPrompter::Kind;

namespace {

class CancelPos : public kvr::test::CancelFixture
{
protected:
    void openScreen() override
    {
        form = std::make_unique<TFrCancelPos>(prompter, *dm, runner);
        form->FormShow();
    }
    void closeScreen() override { form.reset(); }
    // Typed one key at a time, as the field passes every change on.
    void type(const QString& keys)
    {
        for (const QChar key : keys)
            form->setNumberText(form->numberText() + key);
    }
    void load(const QString& keys)
    {
        form->AcNewExecute();
        type(keys);
        form->PosNoExit();
    }

    std::unique_ptr<TFrCancelPos> form;
};

TEST_P(CancelPos, a_number_typed_is_aligned_to_the_series_and_finds_its_bill)
{
    const int id = bill({.number = QStringLiteral("123"), .total = 1234.5});
    bill({.number = QStringLiteral("12"), .total = 7});
    EXPECT_EQ(form->caption(), QStringLiteral("ขายหน้าร้าน"));
    EXPECT_FALSE(form->AcDel().isEnabled());

    type(QStringLiteral("123"));
    EXPECT_EQ(form->numberText(), QStringLiteral("     123"));
    EXPECT_EQ(form->PosId(), 0) << "looked up when the field is left";
    form->PosNoExit();
    EXPECT_EQ(form->PosId(), id);
    ASSERT_TRUE(form->bill());
    EXPECT_TRUE(form->AcDel().isEnabled());
    EXPECT_TRUE(form->notice().isEmpty());
    const kvr::admin::CancelPosDisplay shown = form->display();
    EXPECT_EQ(QStringList({shown.date, shown.salesman, shown.machineCode, shown.location, shown.shiftNo}),
              QStringList({"14/03/2026", "สมศักดิ์ ใจดี", "POS01", "หน้าร้าน ชั้น 1", "2"}));

    // Typing again drops the bill on screen: Delete must not cancel a bill the field no longer names.
    form->setNumberText(form->numberText().left(7));
    EXPECT_EQ(form->numberText(), QStringLiteral("      12"));
    EXPECT_FALSE(form->bill());
    EXPECT_FALSE(form->AcDel().isEnabled());
    // Longer than the series: cut to its length, as stored numbers are.
    form->setNumberText(QStringLiteral(" 1234567890 "));
    EXPECT_EQ(form->numberText(), QStringLiteral("12345678"));
}

TEST_P(CancelPos, bills_that_cannot_be_cancelled_say_why_and_a_live_one_is_found_before_its_cancelled_namesake)
{
    bill({.number = QStringLiteral("201"), .extra = {{"DelFlag", "Y"}, {"DelRemark", "ลูกค้าเปลี่ยนใจ"}}});
    bill({.number = QStringLiteral("202"), .extra = {{"Posted", "Y"}}});
    bill({.number = QStringLiteral("203"), .extra = {{"Salesman", QVariant()}}});
    bill({.number = QStringLiteral("204"), .extra = {{"PosShiftNo", QVariant()}}});
    bill({.number = QStringLiteral("205"), .extra = {{"Posted", QVariant()}}});
    const std::pair<const char*, const char*> cases[] = {
        {"999", "ไม่พบบิลเลขที่ 999"},
        {"201", "บิลเลขที่ 201 ถูกยกเลิกแล้ว สาเหตุ : ลูกค้าเปลี่ยนใจ"},
        {"202", "บิลเลขที่ 202 ผ่านรายการบัญชีแล้ว ยกเลิกไม่ได้"},
        {"203", "บิลเลขที่ 203 ไม่มีพนักงานขาย กะ หรือเครื่องขาย ยกเลิกไม่ได้"},
        {"204", "บิลเลขที่ 204 ไม่มีพนักงานขาย กะ หรือเครื่องขาย ยกเลิกไม่ได้"},
        // Not marked unposted: taken as posted, as the accounting side may have it.
        {"205", "บิลเลขที่ 205 ผ่านรายการบัญชีแล้ว ยกเลิกไม่ได้"},
    };
    for (const auto& [typed, notice] : cases) {
        SCOPED_TRACE(typed);
        load(QString::fromLatin1(typed));
        EXPECT_FALSE(form->bill());
        EXPECT_EQ(form->display().billNo, QString());
        EXPECT_FALSE(form->AcDel().isEnabled());
        EXPECT_EQ(form->notice(), QString::fromUtf8(notice));
    }
    // Nothing is asked about a bill that cannot be cancelled: no answer was given.

    // Numbers repeat across series and years; the one that can still be cancelled is meant.
    bill({.number = QStringLiteral("300"), .extra = {{"DelFlag", "Y"}}});
    const int live = bill({.number = QStringLiteral("300"), .posType = QStringLiteral("S")});
    bill({.number = QStringLiteral("300"), .extra = {{"Posted", "Y"}}});
    load(QStringLiteral("300"));
    EXPECT_EQ(form->PosId(), live);
    EXPECT_TRUE(form->AcDel().isEnabled());
}

TEST_P(CancelPos,
       no_or_cancel_changes_nothing_a_blank_reason_is_asked_again_and_the_cancel_keeps_the_reason_and_logs_once)
{
    const int id = bill({.number = QStringLiteral("123"), .total = 250});
    const int other = bill({.number = QStringLiteral("124"), .total = 80});
    const std::function<void()> answers[] = {
        [this] { prompter.answerConfirm(false); },
        [this] { prompter.answerConfirm(true).answerInput(std::nullopt); },
    };
    for (const auto& answer : answers) {
        load(QStringLiteral("123"));
        answer();
        EXPECT_TRUE(form->AcDel().execute());
        EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("N"));
        EXPECT_EQ(text(id, "DelRemark"), QString());
        EXPECT_EQ(cancellationLogs(id), 0);
        EXPECT_EQ(form->PosId(), id) << "the bill stays on screen";
        EXPECT_TRUE(form->AcDel().isEnabled());
    }

    // Yes, and a reason taken once it is neither blank nor too long.
    const QString tooLong(256, QChar(u'ก'));
    prompter.answerConfirm(true)
        .answerInput(QStringLiteral("   "))
        .expectInformation()
        .answerInput(tooLong)
        .expectInformation()
        .answerInput(QStringLiteral("  ลูกค้าคืนสินค้า  "));
    EXPECT_TRUE(form->AcDel().execute());
    const auto told = prompter.asked(Kind::Information);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].text, QStringLiteral("กรุณาป้อนสาเหตุการยกเลิก"));
    EXPECT_EQ(told[1].text, QStringLiteral("สาเหตุการยกเลิกยาวได้ไม่เกิน 255 ตัวอักษร"));

    EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("Y"));
    EXPECT_EQ(text(id, "DelRemark"), QStringLiteral("ลูกค้าคืนสินค้า"));
    EXPECT_DOUBLE_EQ(scalar(QStringLiteral("SELECT Total FROM PosHd WHERE Id = :Id"), {{"Id", id}}).toDouble(), 250);
    EXPECT_EQ(text(other, "DelFlag"), QStringLiteral("N")) << "no other bill changes";
    EXPECT_EQ(cancellationLogs(id), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM UserLog")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Remark FROM UserLog")).toString(), QStringLiteral("     123"));
}

TEST_P(CancelPos, a_database_error_rolls_back_and_keeps_the_bill_on_screen)
{
    const int id = bill({.number = QStringLiteral("123")});
    load(QStringLiteral("123"));
    // The usage log cannot be written: the bill's change before it must go too.
    shop->connection().execDirect(QStringLiteral("ALTER TABLE UserLog RENAME TO UserLogAway"));
    prompter.answerConfirm(true).answerInput(QStringLiteral("ลูกค้าคืนสินค้า")).answerErrorDialog({});
    EXPECT_TRUE(form->AcDel().execute());
    EXPECT_TRUE(
        prompter.asked(Kind::ErrorDialog).front().text.contains(QStringLiteral("UserLog"), Qt::CaseInsensitive));
    EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("N"));
    EXPECT_EQ(text(id, "DelRemark"), QString());
    EXPECT_EQ(form->numberText(), QStringLiteral("     123"));

    // Once the log is back, the same Delete, on the bill still loaded, goes through.
    shop->connection().execDirect(QStringLiteral("ALTER TABLE UserLogAway RENAME TO UserLog"));
    prompter.answerConfirm(true).answerInput(QStringLiteral("ลูกค้าคืนสินค้า"));
    EXPECT_TRUE(form->AcDel().execute());
    EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("Y"));
    EXPECT_EQ(cancellationLogs(id), 1);
}

TEST_P(CancelPos, f5_lists_only_the_bills_that_can_be_cancelled)
{
    bill({.number = QStringLiteral("401")});
    bill({.number = QStringLiteral("402"), .extra = {{"DelFlag", "Y"}}});
    bill({.number = QStringLiteral("403"), .extra = {{"Posted", "Y"}}});
    // A service bill of a series with longer numbers: chosen, it is taken as stored, not cut.
    const int service =
        bill({.posType = QStringLiteral("S"), .withCustomer = false, .extra = {{"PosNo", "SV26000404"}}});
    runner.setScript(runner.choosing({{QStringLiteral("Sort"), QStringLiteral("0")}}, QStringLiteral("SV26000404")));
    form->BSearchPosNoClick();
    EXPECT_EQ(runner.listed, QStringList({"SV26000404", "401"}));
    EXPECT_EQ(form->numberText(), QStringLiteral("SV26000404"));
    form->PosNoExit();
    EXPECT_EQ(form->PosId(), service);
    EXPECT_TRUE(form->AcDel().isEnabled());
}

// Another user acts while this one is being asked; a cancel while the reason is typed is the race
// of users cancelling at once (test_cancel_race.cpp).
TEST_P(CancelPos, a_bill_cancelled_or_posted_elsewhere_is_not_cancelled_again_and_the_screen_starts_again)
{
    struct Case
    {
        const char* label;
        const char* otherChange; // what the other user writes
        bool beforeDelete; // before Delete is pressed, or while the reason is being typed
        int user; // 1 Thai, 2 English
        const char* message;
    };
    const Case cases[] = {
        {"posted while the reason is typed", "Posted = 'Y'", false, 1,
         "บิลเลขที่ %1 ถูกยกเลิกหรือผ่านรายการบัญชีไปก่อนแล้ว\nจึงไม่ได้ยกเลิกซ้ำ"},
        {"cancelled before Delete, in English", "DelFlag = 'Y', DelRemark = 'ซ้ำ'", true, 2,
         "Bill %1 has been cancelled or posted in the meantime.\nIt was not cancelled again."},
    };
    int n = 600;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        switchUser(c.user);
        const QString number = QString::number(++n);
        const int id = bill({.number = number});
        load(number);
        const auto otherUser = [&] {
            shop->connection().execDirect(
                QStringLiteral("UPDATE PosHd SET %1 WHERE Id = %2").arg(QLatin1String(c.otherChange)).arg(id));
        };
        if (c.beforeDelete)
            otherUser();
        else
            prompter.answerConfirm(true).answerInput(QStringLiteral("ลูกค้าคืนสินค้า"), otherUser);
        prompter.expectWarning();
        // Gone before Delete: no question is answered, so one asked fails the test.
        EXPECT_TRUE(form->AcDel().execute());
        EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(c.message).arg(number));
        EXPECT_EQ(cancellationLogs(id), 0);
        EXPECT_NE(text(id, "DelRemark"), QStringLiteral("ลูกค้าคืนสินค้า"));
        EXPECT_TRUE(form->numberText().isEmpty());
        EXPECT_FALSE(form->AcDel().isEnabled());
    }
}

KVR_INSTANTIATE_BACKENDS(CancelPos);

} // namespace
