#include "Pixels.h"
#include "support/WindowWait.h"
#include "ui/base/TFrShowError.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using kvr::test::countLightPixels;
using kvr::test::countPixels;
using kvr::ui::ErrorDialogAnswer;
using kvr::ui::TFrShowError;

namespace {

TEST(ErrorDialog, opens_at_the_top_left_with_the_text_white_on_red_and_dont_send_focused)
{
    TFrShowError dialog;
    dialog.setErrorText(QStringLiteral("ไม่ได้ป้อนข้อมูลลูกค้า\nCANNOT INSERT THE VALUE NULL INTO COLUMN 'CUSTOMER'\n"));
    dialog.timeCount()->setText(QStringLiteral("left over"));
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Windows Error Message"));
    EXPECT_EQ(dialog.pos(), QPoint(50, 100));
    EXPECT_EQ(dialog.size(), QSize(344, 101));
    EXPECT_TRUE(dialog.errorBox()->isReadOnly());
    EXPECT_EQ(dialog.focusWidget(), dialog.dontSendButton());
    EXPECT_TRUE(dialog.timeCount()->text().isEmpty());
    EXPECT_EQ(dialog.sendButton()->text(), QStringLiteral("Send Error"));
    EXPECT_EQ(dialog.dontSendButton()->text(), QStringLiteral("Don't Send"));

    const QImage image = dialog.grab().toImage();
    const QRect textArea(0, 0, 344, 65);
    const QRect ground(0, 96, 140, 5);
    EXPECT_EQ(countPixels(image.copy(ground), qRgb(255, 0, 0)), ground.width() * ground.height());
    EXPECT_GT(countPixels(image.copy(textArea), qRgb(255, 0, 0)), textArea.width() * textArea.height() / 2);
    EXPECT_GT(countLightPixels(image.copy(textArea), 160), 50) << "no white text";
}

// Each showing counts its nine ticks afresh, and a second dialog on top neither speeds up nor
// stops the count of the first.
TEST(ErrorDialog, closes_itself_as_dont_send_on_the_ninth_tick_of_each_showing_whatever_a_second_does)
{
    TFrShowError first;
    first.show();
    for (int i = 0; i < 5; ++i)
        first.tick();
    QTest::mouseClick(first.sendButton(), Qt::LeftButton);
    first.show();
    EXPECT_FALSE(first.sent());
    for (int i = 0; i < 5; ++i)
        first.tick();
    TFrShowError second;
    second.show();
    // Both timers tick every second: the first's eighth tick of this showing.
    for (int i = 0; i < 3; ++i) {
        first.tick();
        second.tick();
    }
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
    QTest::mouseClick(second.sendButton(), Qt::LeftButton);
    first.tick();
    EXPECT_FALSE(first.isVisible()) << "no close on the ninth tick, or the second's Send stopped it";
    EXPECT_EQ(first.answer(), ErrorDialogAnswer::DontSend);
}

TEST(ErrorDialog, real_timer_closes_the_modal_dialog_after_nine_ticks)
{
    TFrShowError dialog;
    dialog.setTickInterval(10);
    QElapsedTimer clock;
    clock.start();
    dialog.exec();
    EXPECT_EQ(dialog.answer(), ErrorDialogAnswer::DontSend);
    EXPECT_GE(clock.elapsed(), 9 * 10);
    EXPECT_LT(clock.elapsed(), kvr::test::kWindowTimeoutMs) << "only a hang is too slow";
}

} // namespace
