#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kvr::ui {

// Where a balloon hint goes relative to the mouse pointer: above or below it, reaching to its
// right or to its left. A placement that would leave the screen falls back to its neighbour.
struct BalloonPlacement
{
    enum Placement { AboveRight = 0, AboveLeft = 1, BelowRight = 2, BelowLeft = 3 };

    Placement placement = AboveRight;
    QRect rect;

    // The balloon is wider than the text by this much; taller by the first figure above the
    // pointer, by the second below it (where the arrow sits at its top).
    static constexpr int kExtraWidth = 16;
    static constexpr int kExtraHeightAbove = 20;
    static constexpr int kExtraHeightBelow = 29;

    bool isAbove() const { return placement == AboveRight || placement == AboveLeft; }
    bool isLeft() const { return placement == AboveLeft || placement == BelowLeft; }

    static QRect rectFor(Placement placement, QPoint pointer, QSize text);

    // Starts from the placement `direction` names and falls back as a placement passes a screen
    // edge. When neither side fits on an axis (a hint larger than the screen), the side that
    // `direction` asked for is kept and the balloon is shifted onto the screen instead of trying
    // the placements again and again.
    static BalloonPlacement place(QPoint pointer, QSize text, const QRect& screen, int direction);
};

} // namespace kvr::ui
