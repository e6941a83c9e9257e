// Several users cancelling or posting the same bill: exactly one change, one usage-log row, and a
// clear message for everyone else.
#include "CancelFixture.h"
#include "Racers.h"

#include "admin/TFrCancelPos.h"

#include <gtest/gtest.h>

using kvr::admin::TFrCancelPos;
using kvr::test::BackendKind;
using Kind = kvr::test::ScriptedPrompter::Kind;

namespace {

using CancelRace = kvr::test::CancelFixture;

TEST_P(CancelRace, users_cancelling_the_same_bill_at_once_change_it_once)
{
    // Four counters on the shared server; on SQLite, two programs on one file.
    const int users = GetParam() == BackendKind::Postgres ? 4 : 2;
    constexpr int kRounds = 3;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE(round);
        const QString number = QString::number(500 + round);
        const int id = bill({.number = number});
        const auto reason = [](int user) { return QStringLiteral("เหตุผลของผู้ใช้ %1").arg(user); };
        kvr::test::Racers started;
        for (int user = 1; user <= users; ++user)
            started.start("bill_canceller", {server->workingDirectory(), QStringLiteral("SHOP"), number, reason(user)});
        // Every user has the reason box open, past every check, before any of them answers it.
        ASSERT_TRUE(started.ready());
        ASSERT_TRUE(started.go());
        QStringList said;
        ASSERT_TRUE(started.finish(said));
        int cancelled = 0;
        QString winner;
        for (int user = 0; user < said.size(); ++user) {
            if (said[user] == QLatin1String("cancelled")) {
                ++cancelled;
                winner = reason(user + 1);
            } else {
                EXPECT_EQ(said[user],
                          QStringLiteral("refused บิลเลขที่ %1 ถูกยกเลิกหรือผ่านรายการบัญชีไปก่อนแล้ว จึงไม่ได้ยกเลิกซ้ำ").arg(number));
            }
        }
        EXPECT_EQ(cancelled, 1);
        EXPECT_EQ(text(id, "DelFlag"), QStringLiteral("Y"));
        EXPECT_EQ(text(id, "DelRemark"), winner) << "the reason of the one who cancelled";
        EXPECT_EQ(cancellationLogs(id), 1);
    }
}

// The same race inside one program: another user acts while this one is being asked.
class CancelMeanwhile : public kvr::test::CancelFixture
{ };

TEST_P(CancelMeanwhile, a_bill_cancelled_or_posted_elsewhere_is_not_cancelled_again_and_the_screen_starts_again)
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
        {"cancelled while the reason is typed", "DelFlag = 'Y', DelRemark = 'ซ้ำ'", false, 1,
         "บิลเลขที่ %1 ถูกยกเลิกหรือผ่านรายการบัญชีไปก่อนแล้ว\nจึงไม่ได้ยกเลิกซ้ำ"},
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
        TFrCancelPos form(prompter, *dm, runner);
        form.FormShow();
        form.setNumberText(number);
        form.PosNoExit();
        ASSERT_TRUE(form.bill());
        const auto otherUser = [&] {
            shop->connection().execDirect(
                QStringLiteral("UPDATE PosHd SET %1 WHERE Id = %2").arg(QLatin1String(c.otherChange)).arg(id));
        };
        if (c.beforeDelete)
            otherUser();
        else
            prompter.answerConfirm(true).answerInput(QStringLiteral("ลูกค้าคืนสินค้า"), otherUser);
        prompter.expectWarning();
        const size_t confirmsBefore = prompter.asked(Kind::Confirm).size();
        EXPECT_TRUE(form.AcDel().execute());
        EXPECT_EQ(prompter.pending(), 0u);
        EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(c.message).arg(number));
        if (c.beforeDelete) {
            EXPECT_EQ(prompter.asked(Kind::Confirm).size(), confirmsBefore) << "no question about a bill gone already";
        }
        EXPECT_EQ(cancellationLogs(id), 0);
        EXPECT_NE(text(id, "DelRemark"), QStringLiteral("ลูกค้าคืนสินค้า"));
        EXPECT_TRUE(form.numberText().isEmpty());
        EXPECT_FALSE(form.AcDel().isEnabled());
    }
}

KVR_INSTANTIATE_BACKENDS(CancelRace);
KVR_INSTANTIATE_BACKENDS(CancelMeanwhile);

} // namespace
