#include "SearchFixture.h"
#include "search/SearchStatements.h"

#include <gtest/gtest.h>

using namespace kvr;
using RowColour = kvr::search::SearchScreen::RowColour;
using kvr::test::ScriptedPrompter;
using kvr::test::SearchFixture;

namespace {

// The saved-bill search of the sale screen in mode "P".
class BillSearchTest : public SearchFixture
{
protected:
    void SetUp() override
    {
        SearchFixture::SetUp();
        if (IsSkipped())
            return;
        openBillSearch();
        bills->FormShow();
    }
    int rowOf(const char* number) { return int(keys(*bills).indexOf(QLatin1String(number))); }
    // Rows of a table that refer (or, with "<>", do not refer) to the cancelled bill.
    int rowsOf(const char* table, const char* column, const char* comparison = "=")
    {
        return count(QStringLiteral("SELECT Count(*) FROM %1 WHERE %2 %3 :Bill")
                         .arg(QLatin1String(table), QLatin1String(column), QLatin1String(comparison)),
                     {{"Bill", cancelledBill}});
    }
};

TEST_P(BillSearchTest, lists_the_bills_of_the_mode_by_number_end_and_customer)
{
    struct Case
    {
        const char* number;
        const char* customer;
        const char* sort; // "0" by number, "1" by date
        QStringList expected;
    };
    const Case cases[] = {
        {"", "", "1", {"P2600004", "P2600002", "P2600003", "P2600001"}}, // newest first; no customer is no obstacle
        {"", "", "0", {"P2600004", "P2600003", "P2600002", "P2600001"}},
        {"3", "", "1", {"P2600003"}},
        {"", "c00", "1", {"P2600002", "P2600003", "P2600001"}},
        {"00001", "C001", "0", {"P2600001"}},
        // Three characters or more are looked up backwards through their index.
        {"600002", "", "1", {"P2600002"}},
        {"2600", "", "1", {}},
        {"XP2600001", "", "1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("number '%1' customer '%2' sort %3")
                         .arg(QLatin1String(c.number), QLatin1String(c.customer), QLatin1String(c.sort))
                         .toStdString());
        bills->setCriterion(QStringLiteral("Code"), QString::fromLatin1(c.number));
        bills->setCriterion(QStringLiteral("Customer"), QString::fromLatin1(c.customer));
        bills->setCriterion(QStringLiteral("Sort"), QString::fromLatin1(c.sort));
        bills->BtSearchClick();
        EXPECT_EQ(keys(*bills), c.expected);
    }
}

// On years of history a search that reads every bill takes seconds: the ending must be found
// through an index, and with no criterion the newest bills are read in date order.
TEST_P(BillSearchTest, a_number_ending_and_no_criterion_are_answered_through_indexes)
{
    bills->setCriterion(QStringLiteral("Code"), QStringLiteral("600002"));
    bills->BtSearchClick();
    const QString byEnding = planOf(*bills);
    EXPECT_TRUE(byEnding.contains(QLatin1String("ix_poshd_posnoend"))) << byEnding.toStdString();
    bills->setCriterion(QStringLiteral("Code"), QString());
    bills->BtSearchClick();
    const QString newest = planOf(*bills);
    EXPECT_TRUE(newest.contains(QLatin1String("ix_poshd_posdate"))) << newest.toStdString();
}

TEST_P(BillSearchTest, clicking_the_same_title_sorts_ascending_descending_ascending)
{
    bills->BtSearchClick();
    const QStringList ascending = {"P2600001", "P2600002", "P2600003", "P2600004"};
    const QStringList descending = {"P2600004", "P2600003", "P2600002", "P2600001"};
    for (const QStringList* expected : {&ascending, &descending, &ascending}) {
        bills->titleClick(QStringLiteral("PosNo"));
        EXPECT_EQ(keys(*bills), *expected);
    }
    // Another column starts ascending again; a remark column does not sort.
    bills->titleClick(QStringLiteral("Total"));
    EXPECT_EQ(keys(*bills), QStringList({"P2600004", "P2600003", "P2600001", "P2600002"}));
    for (const char* unsorted : {"Remark", "MEMO"}) {
        bills->titleClick(QLatin1String(unsorted));
        EXPECT_EQ(search::TFrSearch::lastSortField(), QStringLiteral("Total"));
        EXPECT_EQ(bills->QSearch().slotText(search::statements::kOrder), QStringLiteral("Order By 4"));
    }
}

TEST_P(BillSearchTest, a_cancelled_bill_shows_in_red_cannot_be_chosen_and_says_why)
{
    bills->BtSearchClick();
    EXPECT_EQ(bills->rowColour(rowOf("P2600003")), RowColour::Red);
    EXPECT_EQ(bills->rowColour(rowOf("P2600002")), RowColour::Plain);
    bills->QSearch().setRecNo(rowOf("P2600003"));
    prompter.expectInformation().expectInformation();
    EXPECT_FALSE(bills->BtOkClick()) << "the dialog stays open";
    const auto told = prompter.asked(ScriptedPrompter::Kind::Information);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].text, QStringLiteral("เอกสารถูกยกเลิกแล้ว"));
    EXPECT_EQ(told[1].text, QStringLiteral("สาเหตุยกเลิก : ลูกค้าเปลี่ยนใจ"));
    EXPECT_TRUE(bills->result().isEmpty());

    bills->QSearch().setRecNo(rowOf("P2600002"));
    EXPECT_TRUE(bills->BtOkClick());
    EXPECT_EQ(bills->result(), QStringLiteral("  P2600002"));
    EXPECT_EQ(bills->chosen(QStringLiteral("SalesName")).asString(), QStringLiteral("Somsak"));
}

TEST_P(BillSearchTest, the_purge_asks_twice_and_removes_only_the_cancelled_bill_with_its_lines)
{
    struct Case
    {
        const char* name;
        const char* number;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        std::vector<bool> answers; // to "Confirm Delete #1/2 ?" and "#2/2 ?"
        bool purged;
    };
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    const Case cases[] = {
        {"a bill in use", "P2600002", Qt::RightButton, both, {}, false},
        {"without Shift", "P2600003", Qt::RightButton, Qt::ControlModifier, {}, false},
        {"a left click", "P2600003", Qt::LeftButton, both, {}, false},
        {"no to the first question", "P2600003", Qt::RightButton, both, {false}, false},
        {"no to the second question", "P2600003", Qt::RightButton, both, {true, false}, false},
        {"yes to both", "P2600003", Qt::RightButton, both, {true, true}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bills->BtSearchClick();
        for (const bool yes : c.answers)
            prompter.answerConfirm(yes);
        const size_t askedBefore = prompter.asked(ScriptedPrompter::Kind::Confirm).size();
        bills->gridMouseDown(rowOf(c.number), c.button, c.modifiers);
        const auto asked = prompter.asked(ScriptedPrompter::Kind::Confirm);
        ASSERT_EQ(asked.size() - askedBefore, c.answers.size());
        const QStringList questions = {QStringLiteral("Confirm Delete #1/2 ?"),
                                       QStringLiteral("Confirm Delete #2/2 ?")};
        for (size_t i = 0; i < c.answers.size(); ++i)
            EXPECT_EQ(asked[askedBefore + i].text, questions[qsizetype(i)]);
        EXPECT_EQ(rowsOf("PosHd", "Id"), c.purged ? 0 : 1);
        EXPECT_EQ(rowsOf("PosDt", "PosHd"), c.purged ? 0 : 2);
        EXPECT_EQ(rowsOf("CreditCardInfo", "RcptDocId"), c.purged ? 0 : 1);
        // Every other bill keeps its lines and payments.
        EXPECT_EQ(count(QStringLiteral("SELECT Count(*) FROM PosHd")), c.purged ? 4 : 5);
        EXPECT_EQ(rowsOf("PosDt", "PosHd", "<>"), 5);
        EXPECT_EQ(rowsOf("CreditCardInfo", "RcptDocId", "<>"), 1);
        EXPECT_EQ(rowOf("P2600003") >= 0, !c.purged) << "the list is read again";
    }
}

TEST_P(BillSearchTest, a_bill_un_cancelled_meanwhile_is_not_purged)
{
    bills->BtSearchClick();
    const int row = rowOf("P2600003");
    shop->update(QStringLiteral("PosHd"), cancelledBill, {{"DelFlag", kvr::test::flag(false)}});
    prompter.answerConfirm(true).answerConfirm(true);
    bills->gridMouseDown(row, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(rowsOf("PosHd", "Id"), 1);
    EXPECT_EQ(rowsOf("PosDt", "PosHd"), 2);
}

KVR_INSTANTIATE_BACKENDS(BillSearchTest);

} // namespace
