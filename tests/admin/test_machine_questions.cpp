// The machine register with the program's real question boxes: Enter, pressed by habit, answers
// No to deleting a machine and to leaving the screen.
#include "AdminFixture.h"

#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "support/WindowWait.h"
#include "ui/base/DialogPrompter.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace kvr::test {
namespace {

class MachineQuestions : public AdminFixture
{
protected:
    void SetUp() override
    {
        AdminFixture::SetUp();
        if (IsSkipped())
            return;
        auto* screen = new admin::TFrPosMachineNo(boxes, *dm, runner);
        view = std::make_unique<admin::TFrPosMachineNoView>(*screen);
        screen->setParent(view.get());
        view->show();
        ASSERT_TRUE(waitForActiveWindow(view.get()));
        ASSERT_TRUE(waitForFocusIn(view->codeEdit()));
    }
    void TearDown() override
    {
        if (view && view->isVisible()) {
            whenModalOpens([](QWidget* box) {
                QTest::mouseClick(static_cast<QMessageBox*>(box)->button(QMessageBox::Yes), Qt::LeftButton);
            });
            view->close();
            EXPECT_TRUE(waitUntil([&] { return !view->isVisible(); }));
        }
        view.reset();
        AdminFixture::TearDown();
    }
    // The key raises a question; Enter is pressed in it, and it has gone.
    bool answerWithEnter(Qt::Key key)
    {
        bool shown = false;
        whenModalOpens([&](QWidget* box) {
            shown = qobject_cast<QMessageBox*>(box) != nullptr;
            pressKey(Qt::Key_Return);
        });
        pressKey(key);
        return waitUntil([&] { return shown && !QApplication::activeModalWidget(); }) &&
            (!view->isVisible() || waitForActiveWindow(view.get()));
    }

    ui::DialogPrompter boxes;
    std::unique_ptr<admin::TFrPosMachineNoView> view;
};

TEST_P(MachineQuestions, EnterInTheDeleteAndExitQuestionsKeepsTheMachineAndTheScreen)
{
    typeText(QStringLiteral("pos04"));
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !view->codeEdit()->isEnabled(); })) << "POS04 not shown";
    for (const Qt::Key key : {Qt::Key_F8, Qt::Key_Escape}) {
        SCOPED_TRACE(key == Qt::Key_F8 ? "F8" : "Escape");
        ASSERT_TRUE(answerWithEnter(key)) << "no question, or it stayed open";
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM PosMachineNo WHERE MachineCode = 'POS04'")).toInt(), 1);
        EXPECT_EQ(view->machineForm().QPosMachine().field(QStringLiteral("MachineCode")).asString().trimmed(),
                  QStringLiteral("POS04"))
            << "the row left the screen";
    }
}

KVR_INSTANTIATE_BACKENDS(MachineQuestions);

} // namespace
} // namespace kvr::test
