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

const QString kText = QStringLiteral("ไม่ได้ป้อนข้อมูลลูกค้า\nCANNOT INSERT THE VALUE NULL INTO COLUMN 'CUSTOMER'\n");

void tick(TFrShowError& dialog, int times)
{
    for (int i = 0; i < times; ++i)
        dialog.tick();
}

TEST(ErrorDialog, opens_at_the_top_left_with_the_text_white_on_red_and_dont_send_focused)
{
    TFrShowError dialog;
    dialog.setErrorText(kText);
    dialog.timeCount()->setText(QStringLiteral("left over"));
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Windows Error Message"));
    EXPECT_EQ(dialog.pos(), QPoint(50, 100));
    EXPECT_EQ(dialog.size(), QSize(344, 101));
    EXPECT_EQ(dialog.errorBox()->toPlainText(), kText);
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
    dialog.close();
}

TEST(ErrorDialog, closes_itself_as_dont_send_on_the_ninth_tick_of_each_showing)
{
    TFrShowError dialog;
    dialog.setErrorText(kText);
    dialog.show();
    tick(dialog, 5);
    QTest::mouseClick(dialog.sendButton(), Qt::LeftButton);
    dialog.show();
    EXPECT_FALSE(dialog.sent());
    tick(dialog, 8);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.countdown(), 2);
    dialog.tick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.answer(), ErrorDialogAnswer::DontSend);
}

TEST(ErrorDialog, a_second_dialog_on_top_neither_speeds_up_nor_stops_the_first)
{
    TFrShowError first;
    first.show();
    tick(first, 5);
    TFrShowError second;
    second.show();
    // Both timers tick every second.
    for (int i = 0; i < 3; ++i) {
        first.tick();
        second.tick();
    }
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
    QTest::mouseClick(second.sendButton(), Qt::LeftButton);
    first.tick();
    EXPECT_FALSE(first.isVisible()) << "sending from one dialog stopped the countdown of another";
}

TEST(ErrorDialog, real_timer_closes_the_modal_dialog_after_nine_ticks)
{
    TFrShowError dialog;
    dialog.setErrorText(kText);
    dialog.setTickInterval(10);
    QElapsedTimer clock;
    clock.start();
    dialog.exec();
    EXPECT_EQ(dialog.answer(), ErrorDialogAnswer::DontSend);
    EXPECT_GE(clock.elapsed(), 9 * 10);
    EXPECT_LT(clock.elapsed(), kvr::test::kWindowTimeoutMs) << "only a hang is too slow";
}

} // namespace
