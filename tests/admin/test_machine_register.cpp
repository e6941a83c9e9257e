#include "AdminFixture.h"

#include "admin/TFrPosMachineNo.h"
#include "data/DbError.h"
#include "devices/CustomerDisplay.h"
#include "support/PtyPair.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using kvr::admin::TFrPosMachineNo;
using kvr::data::CachedDataset;
using kvr::ui::ConfirmColour;

namespace {

class MachineRegister : public kvr::test::AdminFixture
{
protected:
    void openScreen() override
    {
        screen = std::make_unique<TFrPosMachineNo>(prompter, *dm, runner);
        QObject::connect(screen.get(), &TFrPosMachineNo::codeFocusRequested, [this] { ++codeFocused; });
        QObject::connect(screen.get(), &kvr::ui::TFrForm::closeRequested, [this] { ++closeRequests; });
        screen->FormShow();
    }
    void closeScreen() override { screen.reset(); }

    void leaveCode(const QString& code)
    {
        screen->setCodeText(code);
        screen->CodeExit();
    }
    CachedDataset& machine() { return screen->QPosMachine(); }
    QVariant onScreen(const char* column) { return machine().field(QString::fromLatin1(column)).value(); }
    void type(const char* column, const QVariant& value) { machine().setValue(QString::fromLatin1(column), value); }
    QVariant stored(const QString& code, const char* column)
    {
        return scalar(
            QStringLiteral("SELECT %1 FROM PosMachineNo WHERE MachineCode = :Code").arg(QLatin1String(column)),
            {{"Code", code}});
    }
    int machines(const QString& code)
    {
        return count(QStringLiteral("SELECT COUNT(*) FROM PosMachineNo WHERE MachineCode = :Code"), {{"Code", code}});
    }
    // The screen is back at its empty start: only the code can be typed.
    void expectEmptyStart()
    {
        EXPECT_TRUE(screen->controls().codeEnabled);
        EXPECT_FALSE(screen->controls().lookupsEnabled);
        EXPECT_FALSE(screen->AcSave().isEnabled());
        EXPECT_FALSE(screen->AcDel().isEnabled());
        EXPECT_TRUE(screen->codeText().isEmpty());
    }

    std::unique_ptr<TFrPosMachineNo> screen;
    int codeFocused = 0;
    int closeRequests = 0;
};

// A machine as typed on screen, every column the screen writes.
const std::pair<const char*, QVariant> kTyped[] = {
    {"Location", QStringLiteral("ชั้น 3 ริมทางเข้า")},
    {"Blocked", QStringLiteral("Y")},
    {"Remark", QStringLiteral("0105551234567")},
    {"PrinterName", QStringLiteral("TM-U220")},
    {"PrinterCode", QStringLiteral("KU")},
    {"CashDrawer", QStringLiteral("COM3:")},
    {"BaudRate", 2400},
    {"PosDisplayHello1", QStringLiteral("สวัสดีครับ")},
    {"PosDisplayHello2", QStringLiteral("WELCOME")},
    {"PosDisplayBaudRate", 9600},
    {"PosDisplayComport", QStringLiteral("COM4:")},
};

} // namespace

TEST_P(MachineRegister, leaving_the_code_loads_the_machine_or_starts_a_new_one_with_defaults)
{
    // Shown empty: only the code can be typed, and a blank one opens nothing.
    EXPECT_EQ(screen->caption(), QStringLiteral("ขายหน้าร้าน"));
    expectEmptyStart();
    EXPECT_GE(codeFocused, 1);
    leaveCode(QStringLiteral("   "));
    EXPECT_TRUE(screen->controls().codeEnabled);
    EXPECT_FALSE(screen->AcSave().isEnabled());

    // Each reads as in use, POS03 with Blocked null.
    const std::tuple<const char*, bool, QVariant, QVariant> cases[] = {
        {"pos09", false, 9600, QVariant()},
        {" pos04 ", true, 4800, QStringLiteral("คลังหลังร้าน")},
        {"POS03", true, QVariant(), QVariant()},
    };
    for (const auto& [typed, existing, baudRate, location] : cases) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(screen->AcNew().execute());
        leaveCode(QString::fromLatin1(typed));
        EXPECT_EQ(onScreen("MachineCode").toString(), QString::fromLatin1(typed).trimmed().toUpper());
        EXPECT_EQ(screen->isExistingMachine(), existing);
        EXPECT_EQ(screen->AcDel().isEnabled(), existing);
        EXPECT_TRUE(screen->AcSave().isEnabled());
        EXPECT_FALSE(screen->controls().codeEnabled);
        EXPECT_TRUE(screen->controls().lookupsEnabled);
        EXPECT_EQ(onScreen("BaudRate").isNull(), baudRate.isNull());
        EXPECT_EQ(onScreen("BaudRate").toInt(), baudRate.toInt());
        EXPECT_EQ(onScreen("Blocked").toString(), QStringLiteral("N"));
        EXPECT_EQ(onScreen("Location").toString(), location.toString());
    }
    EXPECT_EQ(machines(QStringLiteral("POS09")), 0) << "nothing is written before Save";
}

TEST_P(MachineRegister, a_new_machine_is_saved_with_every_column_and_read_back_the_same)
{
    leaveCode(QStringLiteral("pos09"));
    const std::pair<const char*, QVariant> lookups[] = {
        {"WareHouse", frontWarehouse}, {"Salesman", somying}, {"Department", frontDepartment}};
    for (const auto& [column, value] : kTyped)
        type(column, value);
    for (const auto& [column, value] : lookups)
        type(column, value);
    prompter.answerConfirm(true);
    ASSERT_TRUE(screen->AcSave().execute());
    ASSERT_EQ(prompter.asked().size(), 1u);
    EXPECT_EQ(prompter.asked()[0].text, QStringLiteral("จัดเก็บข้อมูล ?"));
    EXPECT_EQ(prompter.asked()[0].colour, ConfirmColour::Blue);
    expectEmptyStart();

    leaveCode(QStringLiteral("POS09"));
    for (const auto& [column, value] : kTyped) {
        SCOPED_TRACE(column);
        EXPECT_EQ(onScreen(column).toString(), value.toString());
    }
    for (const auto& [column, value] : lookups)
        EXPECT_EQ(onScreen(column).toInt(), value.toInt()) << column;
    type("Location", QStringLiteral("ย้ายไปชั้น 1"));
    type("Blocked", QVariant());
    prompter.answerConfirm(true);
    ASSERT_TRUE(screen->AcSave().execute());
    EXPECT_EQ(machines(QStringLiteral("POS09")), 1);
    EXPECT_EQ(stored(QStringLiteral("POS09"), "Location").toString(), QStringLiteral("ย้ายไปชั้น 1"));
    EXPECT_EQ(stored(QStringLiteral("POS09"), "Blocked").toString(), QStringLiteral("N")) << "a null is saved as N";
    EXPECT_EQ(stored(QStringLiteral("POS09"), "BaudRate").toInt(), 2400);
}

TEST_P(MachineRegister, no_to_save_delete_or_exit_keeps_everything_as_it_was_and_yes_deletes_or_closes)
{
    leaveCode(QStringLiteral("POS04"));
    type("Location", QStringLiteral("ไม่บันทึก"));
    prompter.answerConfirm(false).answerConfirm(false);
    EXPECT_TRUE(screen->AcSave().execute());
    EXPECT_TRUE(screen->AcDel().execute());
    EXPECT_EQ(stored(QStringLiteral("POS04"), "Location").toString(), QStringLiteral("คลังหลังร้าน"));
    EXPECT_EQ(onScreen("Location").toString(), QStringLiteral("ไม่บันทึก"));
    EXPECT_TRUE(screen->AcSave().isEnabled());

    prompter.answerConfirm(true);
    ASSERT_TRUE(screen->AcDel().execute());
    EXPECT_EQ(prompter.asked().back().text, QStringLiteral("ลบข้อมูล ?"));
    EXPECT_EQ(machines(QStringLiteral("POS04")), 0);
    expectEmptyStart();

    // Exit asks once: No keeps the screen, Yes closes it.
    prompter.answerConfirm(false);
    EXPECT_TRUE(screen->AcExit().execute());
    EXPECT_EQ(closeRequests, 0);
    prompter.answerConfirm(true);
    EXPECT_TRUE(screen->AcExit().execute());
    EXPECT_EQ(closeRequests, 1);
    EXPECT_TRUE(screen->FormClose()) << "closing after Yes asks nothing more";
    EXPECT_EQ(prompter.asked().back().text, QStringLiteral("ออกจากโปรแกรม ?"));
    EXPECT_EQ(prompter.asked().back().colour, ConfirmColour::Blue);
    // The window's close box asks the form's own question.
    screen->FormShow();
    prompter.answerConfirm(false);
    EXPECT_FALSE(screen->FormClose());
    EXPECT_EQ(prompter.asked().back().colour, ConfirmColour::Green);
}

TEST_P(MachineRegister, a_failed_write_is_rolled_back_and_the_record_stays_editable)
{
    struct Case
    {
        const char* name;
        const char* code;
        std::function<void()> meanwhile; // another workstation
        bool deleting;
        std::function<void()> repair;
    };
    const auto registerPos09 = [this] { shop->machine({.code = "POS09", .location = "ที่อื่น"}); };
    const auto removeElsewhere = [this](const char* code) {
        return [this, code] {
            shop->connection().execDirect(
                QStringLiteral("DELETE FROM PosMachineNo WHERE MachineCode = '%1'").arg(QLatin1String(code)));
        };
    };
    const Case cases[] = {
        {"new code registered elsewhere meanwhile", "POS09", registerPos09, false, removeElsewhere("POS09")},
        {"loaded machine deleted elsewhere, save", "POS04", removeElsewhere("POS04"), false, {}},
        {"loaded machine deleted elsewhere, delete", "POS01", removeElsewhere("POS01"), true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(screen->AcNew().execute());
        leaveCode(QString::fromLatin1(c.code));
        type("Location", QStringLiteral("พิมพ์ไว้บนจอ"));
        c.meanwhile();
        prompter.answerConfirm(true);
        EXPECT_THROW((c.deleting ? screen->AcDel() : screen->AcSave()).execute(), kvr::data::DbError);
        EXPECT_FALSE(dm->DMdata().inTransaction());
        EXPECT_EQ(onScreen("MachineCode").toString(), QString::fromLatin1(c.code));
        EXPECT_EQ(onScreen("Location").toString(), QStringLiteral("พิมพ์ไว้บนจอ"));
        EXPECT_NE(machine().state(), CachedDataset::State::Browse);
        EXPECT_TRUE(machine().updatesPending());
        EXPECT_TRUE(screen->AcSave().isEnabled());
        EXPECT_FALSE(screen->controls().codeEnabled);
        EXPECT_NE(stored(QString::fromLatin1(c.code), "Location").toString(), QStringLiteral("พิมพ์ไว้บนจอ"));
        if (c.repair) {
            // Once the cause is gone the same record saves.
            c.repair();
            prompter.answerConfirm(true);
            ASSERT_TRUE(screen->AcSave().execute());
            EXPECT_EQ(stored(QString::fromLatin1(c.code), "Location").toString(), QStringLiteral("พิมพ์ไว้บนจอ"));
            EXPECT_EQ(stored(QString::fromLatin1(c.code), "BaudRate").toInt(), 9600);
        }
    }
}

TEST_P(MachineRegister, the_search_puts_the_choice_into_the_code_field_until_a_machine_is_loaded)
{
    screen->setCodeText(QStringLiteral("PO"));
    runner.setScript(runner.choosing({{QStringLiteral("Location"), QString()}}, QString()));
    screen->BtSearchClick();
    // In location order; POS03 has no location and is never listed.
    EXPECT_EQ(runner.listed, QStringList({QStringLiteral("POS04"), QStringLiteral("POS02"), QStringLiteral("POS01")}));
    EXPECT_EQ(screen->codeText(), QStringLiteral("PO")) << "cancelled: the field keeps what was typed";
    runner.setScript(runner.choosing({}, QStringLiteral("POS02")));
    const int focusBefore = codeFocused;
    screen->BtSearchClick();
    EXPECT_EQ(runner.ran.back(), QStringLiteral("ค้นหาขายหน้าร้าน"));
    EXPECT_EQ(screen->codeText(), QStringLiteral("POS02"));
    EXPECT_EQ(codeFocused, focusBefore + 1);
    // The code of a loaded machine stays: no search until New.
    screen->CodeExit();
    screen->BtSearchClick();
    EXPECT_EQ(runner.ran.size(), 2);
}

TEST_P(MachineRegister, the_lookups_take_codes_only_while_a_machine_is_edited)
{
    auto frames = [this] {
        return std::vector<kvr::search::LookupFrame*>{&screen->FaGetSalesman1(), &screen->FaGetWarehouse1(),
                                                      &screen->FaGetDepartment1()};
    };
    for (kvr::search::LookupFrame* frame : frames())
        EXPECT_FALSE(frame->isFieldEnabled());
    leaveCode(QStringLiteral("POS01"));
    const QStringList names = {QStringLiteral("สมหญิง"), QStringLiteral("คลังหน้าร้าน"), QStringLiteral("หน้าร้าน")};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(frames()[i]->isFieldEnabled());
        EXPECT_EQ(frames()[i]->lookup().description(), names[qsizetype(i)]);
    }
    screen->FaGetDepartment1().typeCode(QString()); // a machine may have no department
    EXPECT_TRUE(onScreen("Department").isNull());
    prompter.answerConfirm(true);
    ASSERT_TRUE(screen->AcSave().execute());
    EXPECT_TRUE(stored(QStringLiteral("POS01"), "Department").isNull()) << "no department, not department 0";
    for (kvr::search::LookupFrame* frame : frames()) {
        EXPECT_FALSE(frame->isFieldEnabled());
        EXPECT_TRUE(frame->lookup().description().isEmpty());
    }
}

TEST_P(MachineRegister, the_device_tests_use_the_values_on_screen_before_they_are_saved)
{
    kvr::test::PtyPair drawer;
    kvr::test::PtyPair display;
    ASSERT_TRUE(drawer.isOpen() && display.isOpen());
    leaveCode(QStringLiteral("POS09"));
    type("CashDrawer", drawer.slavePath());
    type("BaudRate", 4800);
    type("PosDisplayComport", display.slavePath());
    type("PosDisplayBaudRate", 19200);
    type("PosDisplayHello1", QStringLiteral("ยินดีต้อนรับ"));

    EXPECT_TRUE(screen->BTestClick());
    EXPECT_EQ(drawer.takeSent(2).toHex(' '), QByteArray("5e 47"));
    EXPECT_EQ(drawer.slaveBaudRate(), 4800);

    EXPECT_TRUE(screen->DtestClick());
    using kvr::devices::CustomerDisplay;
    const QByteArray expected = CustomerDisplay::modeCommandBytes(1) + "\x0b" +
        CustomerDisplay::lineBytes(QStringLiteral("ยินดีต้อนรับ")) + "\x0b\x0a" +
        QByteArray(20, ' '); // an empty second line is twenty blanks
    EXPECT_EQ(display.takeSent(int(expected.size())).toHex(' '), expected.toHex(' '));
    EXPECT_EQ(display.slaveBaudRate(), 19200);
    EXPECT_EQ(machines(QStringLiteral("POS09")), 0);

    // A port that is not there: nothing visible (no box is expected), nothing slow.
    type("CashDrawer", QStringLiteral("/dev/kvr-no-such-port"));
    type("PosDisplayComport", QStringLiteral("/dev/kvr-no-such-port"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(screen->BTestClick());
    EXPECT_FALSE(screen->DtestClick());
    EXPECT_LT(clock.elapsed(), 2 * screen->Comport().OutputTimeout() + 1000);
}

KVR_INSTANTIATE_BACKENDS(MachineRegister);
