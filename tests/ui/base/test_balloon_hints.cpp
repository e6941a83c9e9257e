#include "RecordingForm.h"
#include "support/ScriptedPrompter.h"
#include "support/WindowWait.h"
#include "ui/base/BalloonPlacement.h"
#include "ui/base/TFormHints.h"
#include "ui/base/TFrFormView.h"
#include "ui/base/Translucency.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>
#include <optional>

using namespace kvr;
using kvr::ui::BalloonPlacement;
using kvr::ui::Translucency;

namespace {

const QRect kScreen(0, 0, 1024, 768);
const QSize kText(100, 20); // a balloon of 116 x 40 above the pointer, 116 x 49 below it

TEST(BalloonPlacement, sits_above_or_below_and_reaches_right_or_left_of_the_pointer)
{
    // Above or below and right or left are worked out each on its own: two corners cover both.
    const QPoint pointer(500, 400);
    EXPECT_EQ(BalloonPlacement::rectFor(BalloonPlacement::AboveRight, pointer, kText), QRect(500, 358, 116, 40));
    EXPECT_EQ(BalloonPlacement::rectFor(BalloonPlacement::BelowLeft, pointer, kText), QRect(390, 406, 116, 49));
}

// Each axis flips on its own: no flip, one case per flip, both at once, and the edges.
TEST(BalloonPlacement, takes_the_neighbour_when_a_screen_edge_is_passed)
{
    struct FallBack
    {
        const char* where;
        QPoint pointer;
        int direction;
        BalloonPlacement::Placement expected;
        QRect screen = kScreen;
    };
    const FallBack cases[] = {
        {"middle", {500, 400}, 0, BalloonPlacement::AboveRight},
        {"middle", {500, 400}, 3, BalloonPlacement::BelowLeft},
        {"right edge just fits", {908, 400}, 0, BalloonPlacement::AboveRight},
        {"right edge one pixel over", {909, 400}, 0, BalloonPlacement::AboveLeft},
        {"left edge", {50, 400}, 1, BalloonPlacement::AboveRight},
        {"top", {500, 20}, 0, BalloonPlacement::BelowRight},
        {"top just fits", {500, 42}, 0, BalloonPlacement::AboveRight},
        {"bottom", {500, 750}, 2, BalloonPlacement::AboveRight},
        {"top-right corner", {1010, 10}, 0, BalloonPlacement::BelowLeft},
        // The screen the pointer is on, not the first one.
        {"second screen", {1030, 500}, 1, BalloonPlacement::AboveRight, {1024, 0, 1280, 1024}},
    };
    for (const FallBack& c : cases) {
        SCOPED_TRACE(testing::Message() << c.where << ", direction " << c.direction);
        const BalloonPlacement placed = BalloonPlacement::place(c.pointer, kText, c.screen, c.direction);
        EXPECT_EQ(placed.placement, c.expected);
        EXPECT_EQ(placed.rect, BalloonPlacement::rectFor(c.expected, c.pointer, kText));
        EXPECT_TRUE(c.screen.contains(placed.rect)) << placed.rect.x() << "," << placed.rect.y();
    }
}

TEST(BalloonPlacement, hint_that_fits_nowhere_is_placed_once_on_the_screen_as_far_as_it_goes)
{
    for (int direction = 0; direction < 4; ++direction) {
        SCOPED_TRACE(direction);
        // Wider and taller than the screen.
        const BalloonPlacement huge = BalloonPlacement::place({500, 400}, QSize(2000, 1000), kScreen, direction);
        EXPECT_EQ(huge.placement, direction);
        EXPECT_EQ(huge.rect.topLeft(), kScreen.topLeft());

        // Fits on neither side of the pointer, though not wider than the screen: above/below still
        // falls back as usual, and the balloon is shifted into view.
        const BalloonPlacement wide = BalloonPlacement::place({500, 20}, QSize(900, 20), kScreen, direction);
        EXPECT_FALSE(wide.isAbove());
        EXPECT_EQ(wide.isLeft(), direction == 1 || direction == 3);
        EXPECT_EQ(wide.rect.y(), 26);
        EXPECT_TRUE(kScreen.contains(wide.rect));
        EXPECT_EQ(wide.isLeft() ? wide.rect.left() : wide.rect.right(),
                  wide.isLeft() ? kScreen.left() : kScreen.right());

        // Fits neither above nor below, on the left edge.
        const BalloonPlacement tall = BalloonPlacement::place({10, 400}, QSize(50, 730), kScreen, direction);
        EXPECT_FALSE(tall.isLeft());
        EXPECT_TRUE(kScreen.contains(tall.rect));
    }
}

TEST(Translucency, mixes_each_channel_in_integers)
{
    struct Case
    {
        int background, screen, rate, expected;
    };
    // Mixing down (255 to 204 at 20) is the apply test's first pixel; here mixing up, rounding and the ends.
    for (const Case& c :
         {Case{0, 255, 20, 51}, Case{1, 0, 50, 0}, Case{99, 0, 1, 98}, Case{10, 20, 0, 10}, Case{10, 20, 100, 20}}) {
        SCOPED_TRACE(testing::Message() << c.background << " " << c.screen << " " << c.rate);
        EXPECT_EQ(Translucency::mixChannel(c.background, c.screen, c.rate), c.expected);
    }
}

TEST(Translucency, only_background_pixels_let_the_screen_through)
{
    const QRgb background = qRgb(255, 255, 225);
    const QRgb text = qRgb(0, 0, 0);
    const QRgb border = qRgb(255, 255, 224); // one step from the background: not mixed
    QImage balloon(4, 1, QImage::Format_RGB32);
    QImage behind(4, 1, QImage::Format_RGB32);
    const QRgb before[] = {background, text, border, background};
    const QRgb screen[] = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(100, 50, 0)};
    for (int x = 0; x < 4; ++x) {
        balloon.setPixel(x, 0, before[x]);
        behind.setPixel(x, 0, screen[x]);
    }
    Translucency::apply(balloon, behind, background, 20);
    EXPECT_EQ(balloon.pixel(0, 0), qRgb(204, 204, 180));
    EXPECT_EQ(balloon.pixel(1, 0), text);
    EXPECT_EQ(balloon.pixel(2, 0), border);
    EXPECT_EQ(balloon.pixel(3, 0), qRgb(224, 214, 180));
}

// The hints of a real form, through the tooltip events the platform sends.
class FormHintsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view.show();
        ASSERT_TRUE(test::waitForActiveWindow(&view));
    }
    QRect screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // The pointer rests on the button (at its centre unless `global` says where); where it rests.
    QPoint hover(ui::TFrForm::Action action, std::optional<QPoint> global = {})
    {
        QToolButton* button = view.button(action);
        const QPoint at = global.value_or(button->mapToGlobal(button->rect().center()));
        QHelpEvent event(QEvent::ToolTip, button->mapFromGlobal(at), at);
        QApplication::sendEvent(button, &event);
        return at;
    }

    test::ScriptedPrompter prompter;
    data::SessionContext session;
    test::RecordingForm form{prompter, session};
    ui::TFrFormView view{form};
};

TEST_F(FormHintsTest, button_hint_shows_in_a_balloon_instead_of_the_platform_tooltip)
{
    const QPoint pointer = hover(ui::TFrForm::Action::New);

    const ui::BalloonHintWindow* balloon = view.formHints().balloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->text(), QStringLiteral("New Record"));
    EXPECT_FALSE(QToolTip::isVisible());
    const BalloonPlacement expected = BalloonPlacement::place(pointer, balloon->textSize(QStringLiteral("New Record")),
                                                              screen(), balloon->balloonStyle().direction);
    EXPECT_EQ(balloon->geometry(), expected.rect);

    QTest::mouseClick(view.button(ui::TFrForm::Action::New), Qt::LeftButton);
    EXPECT_EQ(view.formHints().balloon(), nullptr) << "a click did not put the hint away";
}

TEST_F(FormHintsTest, arrow_is_drawn_on_the_corner_towards_the_pointer)
{
    const QRect s = screen();
    // Above or below and left or right are drawn each on its own: two corners cover both.
    const std::pair<QPoint, BalloonPlacement::Placement> cases[] = {
        {s.center(), BalloonPlacement::AboveRight},
        {s.topRight() + QPoint(-5, 5), BalloonPlacement::BelowLeft},
    };
    for (const auto& [pointer, placement] : cases) {
        SCOPED_TRACE(placement);
        hover(ui::TFrForm::Action::New, pointer);
        const ui::BalloonHintWindow* balloon = view.formHints().balloon();
        ASSERT_NE(balloon, nullptr);
        ASSERT_EQ(balloon->placement().placement, placement);
        const int w = balloon->width();
        const int h = balloon->height();
        const bool above = balloon->placement().isAbove();
        const bool left = balloon->placement().isLeft();
        // A point inside the arrow, beside the body, and its mirror image across the balloon.
        const QPoint arrow(left ? w - 10 : 6, above ? h - 5 : 4);
        const QPoint mirror(left ? 6 : w - 10, arrow.y());
        EXPECT_TRUE(balloon->mask().contains(arrow));
        EXPECT_FALSE(balloon->mask().contains(mirror));
        // The balloon is opaque on this form: its inside has exactly the background colour.
        const QImage image = balloon->render();
        EXPECT_EQ(image.pixel(w / 2, above ? 2 : 11) | 0xff000000u,
                  balloon->balloonStyle().colorBackground.rgb() | 0xff000000u);
    }
}

TEST_F(FormHintsTest, show_hint_handler_can_change_or_suppress_the_text_and_inactive_hints_show_none)
{
    view.formHints().setOnShowHint([](QString& text) {
        text = text.toUpper();
        return !text.startsWith(QStringLiteral("SAVE"));
    });
    hover(ui::TFrForm::Action::New);
    ASSERT_NE(view.formHints().balloon(), nullptr);
    EXPECT_EQ(view.formHints().balloon()->text(), QStringLiteral("NEW RECORD"));
    view.formHints().hideHint();
    hover(ui::TFrForm::Action::Save);
    EXPECT_EQ(view.formHints().balloon(), nullptr);

    view.formHints().setActive(false);
    hover(ui::TFrForm::Action::New);
    EXPECT_EQ(view.formHints().balloon(), nullptr);
}

} // namespace
