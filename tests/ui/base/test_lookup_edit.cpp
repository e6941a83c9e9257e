#include "GridFixture.h"
#include "support/WindowWait.h"
#include "ui/base/LookupEdit.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::ui::CodeLookup;
using kvr::ui::LookupEdit;

namespace {

// The line's Warehouse field through a lookup of the warehouses that are not blocked.
class LookupEditTest : public test::GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        if (IsSkipped())
            return;
        lookup = std::make_unique<CodeLookup>(*db, ui::LookupSource{QStringLiteral("Warehouse")});
        lookup->setFilter(QStringLiteral("Blocked = :Blocked"), {{QStringLiteral("Blocked"), QStringLiteral("N")}});
        lookup->bind(lines.get(), QStringLiteral("Warehouse"));
    }
    data::Field warehouse() const { return lines->field(QStringLiteral("Warehouse")); }

    std::unique_ptr<CodeLookup> lookup;
};

TEST_P(LookupEditTest, a_typed_code_resolves_to_the_id_and_name_of_a_row_the_filter_admits)
{
    // The code typed, the warehouse it is accepted as (0: refused, the field is emptied) and the
    // code the edit then shows.
    const std::tuple<const char*, int, const char*> cases[] = {
        {"  main ", mainWarehouse, "MAIN"}, // trimmed, in any case
        {"OLD", 0, "OLD"}, // blocked: left out by the filter, as an unknown code is
        {"MAIN' OR 'A'='A", 0, "MAIN' OR 'A'='A"}, // a value, never part of the statement
    };
    for (const auto& [typed, id, text] : cases) {
        SCOPED_TRACE(typed);
        lookup->setText(QString::fromUtf8(typed));
        EXPECT_EQ(lookup->commit(), id != 0);
        EXPECT_EQ(lookup->isAccepted(), id != 0);
        EXPECT_EQ(lookup->id(), id);
        EXPECT_EQ(lookup->text(), QString::fromUtf8(text));
        EXPECT_EQ(lookup->description(), id ? QStringLiteral("หน้าร้าน") : QString());
        EXPECT_EQ(warehouse().isNull(), id == 0);
        EXPECT_EQ(warehouse().asInteger(), id);
    }
}

TEST_P(LookupEditTest, an_empty_code_stays_empty_only_when_empty_is_allowed)
{
    struct Case
    {
        bool allowEmpty;
        int row; // row 0 refers to MAIN, row 1 to no warehouse
        bool accepted;
        int id; // what the field holds afterwards, 0 for null; MAIN shows its code and name
    };
    const Case cases[] = {
        {false, 0, true, mainWarehouse}, // what the field had comes back
        {false, 1, false, 0},
        {true, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("allow empty %1, row %2").arg(c.allowEmpty).arg(c.row).toStdString());
        lines->cancelUpdates();
        lines->setRecNo(c.row);
        lookup->setAllowEmpty(c.allowEmpty);
        lookup->refresh();
        lookup->setText(QString());
        EXPECT_EQ(lookup->commit(), c.accepted);
        EXPECT_EQ(warehouse().isNull(), c.id == 0);
        EXPECT_EQ(warehouse().asInteger(), c.id);
        EXPECT_EQ(lookup->text(), c.id ? QStringLiteral("MAIN") : QString());
        EXPECT_EQ(lookup->description(), c.id ? QStringLiteral("หน้าร้าน") : QString());
    }
}

TEST_P(LookupEditTest, a_loaded_row_shows_the_code_it_refers_to_even_when_the_filter_now_leaves_it_out)
{
    db->execDirect(QStringLiteral("UPDATE Line SET Warehouse = %1 WHERE ProductCode = 'P003'").arg(oldWarehouse));
    lines->open();
    const std::pair<int, const char*> rows[] = {{0, "MAIN"}, {1, ""}, {2, "OLD"}};
    for (const auto& [row, code] : rows) {
        SCOPED_TRACE(row);
        lines->setRecNo(row);
        lookup->refresh();
        EXPECT_EQ(lookup->text(), QString::fromLatin1(code));
        EXPECT_EQ(lookup->isAccepted(), *code != 0);
    }
    EXPECT_FALSE(lines->updatesPending()) << "showing a row changes nothing";
}

TEST_P(LookupEditTest, the_edit_takes_capitals_resolves_when_left_and_reports_enter_exit_keys_and_errors)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new LookupEdit(*lookup);
    auto* name = new QLabel;
    auto* other = new QLineEdit;
    edit->setNameLabel(name);
    layout->addWidget(edit);
    layout->addWidget(name);
    layout->addWidget(other);
    QStringList log;
    QObject::connect(edit, &LookupEdit::entered, [&] { log << QStringLiteral("enter"); });
    QObject::connect(edit, &LookupEdit::exited, [&] { log << QStringLiteral("exit ") + lookup->text(); });
    edit->setKeyHandler([&](QKeyCombination key) {
        log << QStringLiteral("key %1").arg(key.key(), 0, 16);
        return key.key() == Qt::Key_F5;
    });
    window.show();
    ASSERT_TRUE(test::waitForActiveWindow(&window));
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(test::waitForFocusIn(edit));
    QTest::keyClicks(edit, QStringLiteral("ba"));
    QTest::keyClick(edit, Qt::Key_F5);
    QTest::keyClicks(edit, QStringLiteral("ck"));
    EXPECT_EQ(edit->text(), QStringLiteral("BACK"));
    EXPECT_EQ(name->text(), QString()) << "nothing resolves while typing";
    other->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(test::waitForFocusIn(other));
    EXPECT_EQ(name->text(), QStringLiteral("หลังร้าน"));
    EXPECT_EQ(warehouse().asInteger(), backWarehouse);
    EXPECT_EQ(log,
              QStringList({QStringLiteral("enter"), QStringLiteral("key 42"), QStringLiteral("key 41"),
                           QStringLiteral("key 1000034"), QStringLiteral("key 43"), QStringLiteral("key 4b"),
                           QStringLiteral("exit BACK")}));

    // A key handler that fails is reported, and the key is not typed into the code.
    test::RecordingErrorSink sink;
    edit->setKeyHandler([](QKeyCombination key) -> bool {
        if (key.key() == Qt::Key_F6)
            throw std::runtime_error("search failed");
        return false;
    });
    edit->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(test::waitForFocusIn(edit));
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_F6);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(sink.messages, QStringList{QStringLiteral("search failed")});
    EXPECT_EQ(edit->text(), QStringLiteral("BACKX"));
}

KVR_INSTANTIATE_BACKENDS(LookupEditTest);

} // namespace
