#include "ui/base/BalloonPlacement.h"

#include <algorithm>

namespace kvr::ui {

namespace {

BalloonPlacement::Placement compose(bool above, bool left)
{
    if (above)
        return left ? BalloonPlacement::AboveLeft : BalloonPlacement::AboveRight;
    return left ? BalloonPlacement::BelowLeft : BalloonPlacement::BelowRight;
}

// Moves [start, start + length) onto [low, high); a span longer than the range starts at low.
int shiftInto(int start, int length, int low, int high)
{
    if (start + length > high)
        start = high - length;
    return std::max(start, low);
}

} // namespace

QRect BalloonPlacement::rectFor(Placement placement, QPoint pointer, QSize text)
{
    const int width = text.width() + kExtraWidth;
    const bool above = placement == AboveRight || placement == AboveLeft;
    const bool left = placement == AboveLeft || placement == BelowLeft;
    const int height = text.height() + (above ? kExtraHeightAbove : kExtraHeightBelow);
    const int x = left ? pointer.x() + 6 - width : pointer.x();
    const int y = above ? pointer.y() - 2 - height : pointer.y() + 6;
    return {x, y, width, height};
}

// The fall-backs of each placement only ever flip one axis (right <-> left when a side edge is
// passed, above <-> below when the top or bottom is passed), and whether a side fits does not
// depend on the other axis; so each axis is settled on its own, at most two tries each.
BalloonPlacement BalloonPlacement::place(QPoint pointer, QSize text, const QRect& screen, int direction)
{
    const Placement first = static_cast<Placement>(std::clamp(direction, 0, 3));
    const bool wantLeft = first == AboveLeft || first == BelowLeft;
    const bool wantAbove = first == AboveRight || first == AboveLeft;
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();

    const auto fitsHorizontally = [&](bool left) {
        const QRect r = rectFor(compose(wantAbove, left), pointer, text);
        return left ? r.x() >= screen.x() : r.x() + r.width() <= screenRight;
    };
    const auto fitsVertically = [&](bool above) {
        const QRect r = rectFor(compose(above, wantLeft), pointer, text);
        return above ? r.y() >= screen.y() : r.y() + r.height() <= screenBottom;
    };

    bool left = wantLeft;
    bool shiftX = false;
    if (!fitsHorizontally(left)) {
        if (fitsHorizontally(!left))
            left = !left;
        else
            shiftX = true;
    }
    bool above = wantAbove;
    bool shiftY = false;
    if (!fitsVertically(above)) {
        if (fitsVertically(!above))
            above = !above;
        else
            shiftY = true;
    }

    BalloonPlacement result;
    result.placement = compose(above, left);
    result.rect = rectFor(result.placement, pointer, text);
    if (shiftX)
        result.rect.moveLeft(shiftInto(result.rect.x(), result.rect.width(), screen.x(), screenRight));
    if (shiftY)
        result.rect.moveTop(shiftInto(result.rect.y(), result.rect.height(), screen.y(), screenBottom));
    return result;
}

} // namespace kvr::ui
