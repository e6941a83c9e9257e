#include "SearchFixture.h"
#include "search/SearchDialogView.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace kvr;
using kvr::search::SearchDialogView;
using kvr::test::SearchFixture;

namespace {

// The saved-bill search in its window, driven by keys and clicks.
class SearchDialogViewTest : public SearchFixture
{
protected:
    void SetUp() override
    {
        SearchFixture::SetUp();
        if (IsSkipped())
            return;
        openBillSearch();
        view = std::make_unique<SearchDialogView>(*bills);
        view->show();
        ASSERT_TRUE(test::waitForActiveWindow(view.get()));
        ASSERT_TRUE(test::waitForFocusIn(numberField())) << "the number field has the focus when the dialog opens";
    }
    void TearDown() override
    {
        view.reset();
        SearchFixture::TearDown();
    }
    QLineEdit* numberField() const { return qobject_cast<QLineEdit*>(view->criterionField(QStringLiteral("Code"))); }

    std::unique_ptr<SearchDialogView> view;
};

TEST_P(SearchDialogViewTest, enter_searches_from_the_criteria_and_chooses_from_the_grid)
{
    QTest::keyClicks(numberField(), QStringLiteral("2"));
    test::pressKey(Qt::Key_Return);
    EXPECT_TRUE(test::waitForFocusIn(view->grid())) << "rows found: the grid gets the focus";
    test::pressKey(Qt::Key_Return);
    EXPECT_EQ(view->result(), QDialog::Accepted);
    EXPECT_EQ(bills->result().trimmed(), QStringLiteral("P2600002"));
}

TEST_P(SearchDialogViewTest, down_goes_to_the_grid_and_escape_cancels)
{
    test::pressKey(Qt::Key_Down);
    EXPECT_TRUE(test::waitForFocusIn(view->grid()));
    test::pressKey(Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->result(), QDialog::Rejected);
    EXPECT_TRUE(bills->result().isEmpty());
}

TEST_P(SearchDialogViewTest, a_cancelled_bill_keeps_the_dialog_open_and_cancel_still_closes_it)
{
    QTest::keyClicks(numberField(), QStringLiteral("3"));
    test::pressKey(Qt::Key_Return);
    prompter.expectInformation().expectInformation();
    // A double click is a click followed by the second press.
    const QPoint cell = view->grid()->visualRect(view->grid()->model()->index(0, 0)).center();
    QTest::mouseClick(view->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(view->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(prompter.pending(), 0u);
    view->cancelButton()->click();
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(view->result(), QDialog::Rejected);
}

TEST_P(SearchDialogViewTest, a_click_on_a_title_sorts_by_that_column)
{
    test::pressKey(Qt::Key_Return);
    QHeaderView* header = view->grid()->horizontalHeader();
    const int total = view->grid()->gridModel().columnOf(QStringLiteral("Total"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(total) + 5, header->height() / 2));
    EXPECT_EQ(keys(*bills), QStringList({"P2600004", "P2600003", "P2600001", "P2600002"}));
    EXPECT_EQ(view->grid()->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
}

TEST_P(SearchDialogViewTest, lists_a_page_of_the_newest_bills_and_more_on_request)
{
    bills->setPageRows(3);
    EXPECT_FALSE(view->moreButton()->isEnabled()) << "nothing listed yet";
    test::pressKey(Qt::Key_Return); // no criterion: every bill, newest first
    EXPECT_EQ(keys(*bills), QStringList({"P2600004", "P2600002", "P2600003"}));
    ASSERT_TRUE(view->moreButton()->isEnabled()) << "a full page: more may follow";

    QTest::mouseClick(view->moreButton(), Qt::LeftButton);
    EXPECT_EQ(keys(*bills), QStringList({"P2600004", "P2600002", "P2600003", "P2600001"}));
    EXPECT_EQ(view->grid()->model()->rowCount(), 4);
    EXPECT_EQ(view->grid()->currentIndex().row(), 3) << "the first row of the new page is current";
    EXPECT_TRUE(test::waitForFocusIn(view->grid()));
    EXPECT_FALSE(view->moreButton()->isEnabled()) << "the page was not filled: nothing more";

    // A new search starts again from its first page.
    numberField()->setFocus();
    ASSERT_TRUE(test::waitForFocusIn(numberField()));
    test::pressKey(Qt::Key_Return);
    EXPECT_EQ(view->grid()->model()->rowCount(), 3);
    EXPECT_TRUE(view->moreButton()->isEnabled());
}

KVR_INSTANTIATE_BACKENDS(SearchDialogViewTest);

} // namespace
