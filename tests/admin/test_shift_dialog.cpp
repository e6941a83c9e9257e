#include "AdminFixture.h"

#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"
#include "data/DbError.h"
#include "data/Query.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using kvr::admin::ShiftFocus;
using kvr::admin::ShiftResult;
using kvr::admin::TFrPosShiftNo;

namespace {

const QDate kDay(2026, 3, 14);

class ShiftDialog : public kvr::test::AdminFixture
{
protected:
    void openScreen() override
    {
        dialog = std::make_unique<TFrPosShiftNo>(prompter, *dm, current, runner);
        QObject::connect(dialog.get(), &TFrPosShiftNo::focusRequested, [this](ShiftFocus f) { focus = f; });
        dialog->FormShow();
    }
    void closeScreen() override { dialog.reset(); }

    // A shift another counter opened on `day` at 8:30, with a float row per (coin, pieces).
    int shiftElsewhere(const QDate& day, int machine, int number, bool closed,
                       const std::vector<std::pair<int, int>>& counted = {})
    {
        return shop->shift({.machine = machine,
                            .opened = QDateTime(day, QTime(8, 30)),
                            .number = number,
                            .closed = closed,
                            .counted = counted});
    }
    // The header as the cashier types it; leaving the last field enters the grid when it opens.
    void enterHeader(const QString& machine, const QString& shiftNo, const QDate& date = kDay)
    {
        dialog->setShiftDate(date);
        dialog->setMachineCode(machine);
        dialog->setShiftNoText(shiftNo);
        dialog->HeaderExit();
        if (dialog->controls().gridEnabled)
            dialog->DgShiftMoneyEnter();
    }

    int shiftRows() { return count(QStringLiteral("SELECT COUNT(*) FROM PosShiftNo")); }
    int shiftLogs(int shiftId)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = 4 AND DocumentId = :Id"),
                     {{"Id", shiftId}});
    }
    QVariant shiftValue(int id, const char* column)
    {
        return scalar(QStringLiteral("SELECT %1 FROM PosShiftNo WHERE Id = :Id").arg(QLatin1String(column)),
                      {{"Id", id}});
    }
    // Pieces saved per coin id for a shift.
    std::map<int, int> savedCounts(int shiftId)
    {
        kvr::data::Query q(dm->DMdata(),
                           QStringLiteral("SELECT Coin, Quantity, Amount FROM PosShiftMoney WHERE PosShiftNo = :Id"));
        q.setParam(QStringLiteral("Id"), shiftId);
        q.open();
        std::map<int, int> counts;
        for (q.first(); !q.eof(); q.next()) {
            const int coin = q.field(QStringLiteral("Coin")).asInteger();
            EXPECT_EQ(counts.count(coin), 0u) << "one float row per coin";
            counts[coin] = q.field(QStringLiteral("Quantity")).asInteger();
        }
        return counts;
    }

    kvr::admin::CurrentShift current;
    std::unique_ptr<TFrPosShiftNo> dialog;
    ShiftFocus focus = ShiftFocus::Date;
};

} // namespace

TEST_P(ShiftDialog, opening_locks_the_date_by_the_company_setting_and_waits_for_the_header)
{
    for (const bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "LockPosDate Y" : "LockPosDate N");
        setConfig({{"LockPosDate", kvr::test::flag(locked)}});
        dialog->FormShow();
        EXPECT_EQ(dialog->controls().dateEnabled, !locked);
        EXPECT_FALSE(dialog->controls().gridEnabled);
        EXPECT_FALSE(dialog->controls().okEnabled);
        EXPECT_EQ(focus, locked ? ShiftFocus::Machine : ShiftFocus::Date);
        EXPECT_EQ(dialog->shiftDate(), QDate::currentDate());
        // A locked date cannot be moved: the shift opens for today.
        dialog->setShiftDate(kDay);
        EXPECT_EQ(dialog->shiftDate(), locked ? QDate::currentDate() : kDay);
    }
}

TEST_P(ShiftDialog, an_incomplete_header_stays_idle_and_a_machine_not_in_use_is_refused)
{
    const QString blocked = QString::fromUtf8(TFrPosShiftNo::kBlockedMachine);
    // A code the register does not hold is called unknown, not suspended.
    const QString unknown = QString::fromUtf8(TFrPosShiftNo::kUnknownMachine) + QStringLiteral("NOPE");
    // Nothing told: an incomplete header is not a word.
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"  ", "1", {}}, {"POS01", "  ", {}}, {"POS02", "1", blocked}, {"NOPE", "1", unknown}};
    for (const auto& [machine, shiftNo, told] : cases) {
        SCOPED_TRACE(std::string(machine) + "/" + shiftNo);
        // A box on an incomplete header fails the test: none is expected.
        if (!told.isEmpty())
            prompter.expectInformation();
        enterHeader(QString::fromUtf8(machine), QString::fromUtf8(shiftNo));
        if (!told.isEmpty()) {
            ASSERT_FALSE(prompter.asked().empty());
            EXPECT_EQ(prompter.asked().back().text, told);
            // Leaving the fields again with the same code says nothing more (a second box
            // fails the test: none is expected).
            dialog->HeaderExit();
        }
        EXPECT_FALSE(dialog->controls().gridEnabled);
        EXPECT_FALSE(dialog->controls().okEnabled);
        EXPECT_FALSE(dialog->BtOkClick());
    }
    EXPECT_EQ(shiftRows(), 0);

    // A machine whose Blocked was never set is in use, as the machine register shows it: no
    // refusal (none is expected) and the grid opens.
    enterHeader(QStringLiteral("POS03"), QStringLiteral("1"));
    EXPECT_TRUE(dialog->controls().gridEnabled);
}

TEST_P(ShiftDialog, a_new_shift_keeps_one_float_row_per_coin_with_its_count_and_becomes_current)
{
    enterHeader(QStringLiteral("pos01"), QStringLiteral("1"));
    EXPECT_EQ(dialog->machineLocation(), QStringLiteral("หน้าร้าน ชั้น 1"));
    EXPECT_EQ(focus, ShiftFocus::Grid);
    kvr::data::CachedDataset& money = dialog->QShiftMoney();
    ASSERT_EQ(money.recordCount(), 6);
    EXPECT_EQ(dialog->totalText(), QStringLiteral("0.00"));

    // Counted row by row, largest coin first (the saved counts show which coin each row was).
    // No twenties: a coin counted at zero keeps its row.
    const int pieces[] = {1, 3, 0, 5, 7, 6};
    for (int row = 0; row < 6; ++row)
        dialog->setQuantity(row, pieces[row]);
    // Each row shows its count at its coin's value (the save works the amounts out again).
    std::vector<double> amounts;
    for (int row = 0; row < 6; ++row)
        amounts.push_back(money.fieldAt(row, QStringLiteral("Amount")).asFloat());
    EXPECT_EQ(amounts, (std::vector<double>{1000, 300, 0, 50, 7, 1.5}));
    EXPECT_EQ(dialog->totalText(), QStringLiteral("1,358.50"));

    const QDateTime before = QDateTime::currentDateTime().addSecs(-5);
    EXPECT_TRUE(dialog->BtOkClick());
    EXPECT_EQ(dialog->result(), ShiftResult::Ok);
    ASSERT_EQ(shiftRows(), 1);
    const int id = scalar(QStringLiteral("SELECT Id FROM PosShiftNo")).toInt();
    EXPECT_EQ(current.CurrentShiftId(), id);
    EXPECT_EQ(current.CurrentShiftDate(), kDay.startOfDay());
    EXPECT_EQ(shiftValue(id, "ShiftDate").toDateTime(), kDay.startOfDay());
    EXPECT_EQ(shiftValue(id, "PosMachineNo").toInt(), pos01);
    EXPECT_EQ(shiftValue(id, "ShiftNo").toInt(), 1);
    EXPECT_DOUBLE_EQ(shiftValue(id, "OpenMoney").toDouble(), 1358.5);
    EXPECT_DOUBLE_EQ(
        scalar(QStringLiteral("SELECT SUM(Amount) FROM PosShiftMoney WHERE PosShiftNo = :Id"), {{"Id", id}}).toDouble(),
        1358.5);
    EXPECT_EQ(shiftValue(id, "Closed").toString(), QStringLiteral("N"));
    const QDateTime opened = shiftValue(id, "OpenTime").toDateTime();
    EXPECT_GE(opened, before);
    EXPECT_EQ(shiftValue(id, "CloseTime").toDateTime(), opened);
    EXPECT_EQ(savedCounts(id),
              (std::map<int, int>{{note1000, 1}, {note100, 3}, {note20, 0}, {baht10, 5}, {baht1, 7}, {satang25, 6}}));
    EXPECT_EQ(shiftLogs(id), 1);
}

TEST_P(ShiftDialog, an_unchanged_header_keeps_the_count_a_change_starts_over_and_escape_writes_nothing)
{
    enterHeader(QStringLiteral("POS01"), QStringLiteral("1"));
    dialog->setQuantity(1, 4);
    dialog->HeaderExit();
    EXPECT_TRUE(dialog->controls().okEnabled);
    EXPECT_DOUBLE_EQ(dialog->ShiftCashTotal(), 400.0);

    dialog->setShiftNoText(QStringLiteral("2"));
    EXPECT_FALSE(dialog->controls().gridEnabled);
    EXPECT_FALSE(dialog->controls().okEnabled);
    EXPECT_FALSE(dialog->BtOkClick()) << "no save of a header that was not checked";
    dialog->HeaderExit();
    EXPECT_TRUE(dialog->controls().gridEnabled);
    EXPECT_DOUBLE_EQ(dialog->ShiftCashTotal(), 0.0);

    dialog->setQuantity(0, 3);
    ShiftResult finished = ShiftResult::None;
    QObject::connect(dialog.get(), &TFrPosShiftNo::finished, [&](ShiftResult r) { finished = r; });
    dialog->Cancel();
    EXPECT_EQ(finished, ShiftResult::Cancel);
    EXPECT_EQ(dialog->result(), ShiftResult::Cancel);
    EXPECT_FALSE(current.isChosen());
    EXPECT_EQ(shiftRows(), 0);
}

TEST_P(ShiftDialog, reopening_an_open_shift_shows_its_counts_and_replaces_its_float)
{
    // Counted smallest coin first: the dialog still lists the largest first, as for a new shift.
    const int id = shiftElsewhere(kDay, pos01, 1, false, {{baht1, 10}, {note1000, 1}, {note100, 5}});
    const QDateTime opened = shiftValue(id, "OpenTime").toDateTime();
    const QVariant firstRowId = scalar(QStringLiteral("SELECT MIN(Id) FROM PosShiftMoney"));
    // A coin added since the float was counted is not offered for this shift.
    shop->coin(QStringLiteral("ธนบัตร 500 บาท"), 500);

    enterHeader(QStringLiteral("POS01"), QStringLiteral("1"));
    kvr::data::CachedDataset& money = dialog->QShiftMoney();
    std::vector<int> coins;
    for (int row = 0; row < money.recordCount(); ++row)
        coins.push_back(money.fieldAt(row, QStringLiteral("Coin")).asInteger());
    ASSERT_EQ(coins, (std::vector<int>{note1000, note100, baht1}));
    EXPECT_DOUBLE_EQ(dialog->ShiftCashTotal(), 1510.0);
    dialog->setQuantity(1, 2);
    ASSERT_TRUE(dialog->BtOkClick());

    EXPECT_EQ(current.CurrentShiftId(), id);
    EXPECT_EQ(shiftRows(), 1);
    EXPECT_DOUBLE_EQ(shiftValue(id, "OpenMoney").toDouble(), 1210.0);
    EXPECT_EQ(shiftValue(id, "OpenTime").toDateTime(), opened);
    EXPECT_EQ(savedCounts(id), (std::map<int, int>{{baht1, 10}, {note1000, 1}, {note100, 2}}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT MIN(Id) FROM PosShiftMoney")), firstRowId) << "rows updated, not replaced";
    EXPECT_EQ(shiftLogs(id), 0) << "only a new shift is logged";
}

TEST_P(ShiftDialog, a_closed_shift_is_refused_when_its_header_is_left_or_when_it_closes_while_counting)
{
    shiftElsewhere(kDay, pos01, 3, true, {{note1000, 1}});
    prompter.expectInformation();
    enterHeader(QStringLiteral("POS01"), QStringLiteral("3"));
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked().back().text, QStringLiteral("กะนี้ปิดแล้ว"));
    // The dialog starts over.
    EXPECT_TRUE(dialog->machineCode().isEmpty());
    EXPECT_FALSE(dialog->controls().gridEnabled);
    EXPECT_FALSE(dialog->controls().okEnabled);

    // Open when its header was left, closed elsewhere while the float is counted: not opened again.
    const int id = shiftElsewhere(kDay, pos01, 1, false, {{note1000, 1}});
    enterHeader(QStringLiteral("POS01"), QStringLiteral("1"));
    shop->update(QStringLiteral("PosShiftNo"), id, {{"Closed", kvr::test::flag(true)}, {"CloseMoney", 1000}});
    dialog->setQuantity(0, 4);
    prompter.expectInformation();
    EXPECT_FALSE(dialog->BtOkClick());
    EXPECT_EQ(prompter.asked().back().text, QStringLiteral("กะนี้ปิดแล้ว"));
    EXPECT_EQ(shiftValue(id, "Closed").toString(), QStringLiteral("Y"));
    EXPECT_DOUBLE_EQ(shiftValue(id, "CloseMoney").toDouble(), 1000.0);
    EXPECT_EQ(savedCounts(id), (std::map<int, int>{{note1000, 1}}));
    EXPECT_FALSE(current.isChosen());
}

TEST_P(ShiftDialog, a_failed_save_rolls_back_and_the_same_count_can_be_saved_again)
{
    enterHeader(QStringLiteral("POS04"), QStringLiteral("1"));
    dialog->setQuantity(1, 5);
    // The float cannot be written: the shift row written before it must not stay.
    dm->DMdata().execDirect(QStringLiteral("ALTER TABLE PosShiftMoney RENAME TO PosShiftMoneyAway"));
    EXPECT_THROW(dialog->BtOkClick(), kvr::data::DbError);
    EXPECT_FALSE(dm->DMdata().inTransaction());
    dm->DMdata().execDirect(QStringLiteral("ALTER TABLE PosShiftMoneyAway RENAME TO PosShiftMoney"));
    EXPECT_EQ(shiftRows(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = 4")), 0);
    EXPECT_FALSE(current.isChosen());
    EXPECT_EQ(dialog->result(), ShiftResult::None);

    // OK is still there for the same count.
    ASSERT_TRUE(dialog->BtOkClick());
    EXPECT_EQ(shiftRows(), 1);
    const int id = current.CurrentShiftId();
    EXPECT_DOUBLE_EQ(shiftValue(id, "OpenMoney").toDouble(), 500.0);
    EXPECT_EQ(savedCounts(id).size(), 6u);
    EXPECT_EQ(shiftLogs(id), 1);
}

TEST_P(ShiftDialog, a_shift_saved_first_by_another_counter_takes_this_count_and_no_second_row_is_let_in)
{
    enterHeader(QStringLiteral("POS01"), QStringLiteral("5"));
    dialog->setQuantity(1, 3); // 100 x 3
    dialog->setQuantity(4, 7); // 1 x 7
    // Another counter opens the same shift between the look-up and OK.
    const int id = shiftElsewhere(kDay, pos01, 5, false, {{note1000, 2}, {note100, 1}});
    const QDateTime opened = shiftValue(id, "OpenTime").toDateTime();
    ASSERT_TRUE(dialog->BtOkClick());

    EXPECT_EQ(shiftRows(), 1);
    EXPECT_EQ(current.CurrentShiftId(), id);
    EXPECT_EQ(shiftValue(id, "OpenTime").toDateTime(), opened);
    EXPECT_DOUBLE_EQ(shiftValue(id, "OpenMoney").toDouble(), 307.0);
    EXPECT_EQ(savedCounts(id),
              (std::map<int, int>{{baht1, 7}, {note1000, 0}, {satang25, 0}, {note100, 3}, {baht10, 0}, {note20, 0}}));
    EXPECT_EQ(shiftLogs(id), 0) << "the counter that created it logged it";

    // The database keeps one row per date, machine and number (a second counter's insert does
    // nothing: the race of counters opening at once, test_shift_race.cpp); another of any is a shift.
    shiftElsewhere(kDay, pos01, 6, false);
    shiftElsewhere(kDay.addDays(1), pos01, 5, false);
    shiftElsewhere(kDay, pos04, 5, false);
    EXPECT_EQ(shiftRows(), 4);
}

TEST_P(ShiftDialog, f5_searches_machines_by_location_and_the_choice_fills_the_machine_field)
{
    runner.setScript(runner.choosing({{QStringLiteral("Location"), QStringLiteral("คลัง")}}, QStringLiteral("POS04")));
    dialog->BtSearchClick();
    EXPECT_EQ(runner.ran, QStringList{QStringLiteral("ค้นหากำหนดรอบทำงาน")});
    EXPECT_EQ(dialog->machineCode(), QStringLiteral("POS04"));
    EXPECT_EQ(focus, ShiftFocus::Machine);

    runner.setScript({}); // cancelled: the field keeps its code
    dialog->BtSearchClick();
    EXPECT_EQ(dialog->machineCode(), QStringLiteral("POS04"));
    EXPECT_EQ(runner.ran.size(), 2);
}

KVR_INSTANTIATE_BACKENDS(ShiftDialog);
