#include "ui/base/BalloonHintWindow.h"

#include "ui/base/Translucency.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

namespace kvr::ui {

namespace {

constexpr int kArrowHeight = 9;
constexpr int kShadowOffset = 3;
constexpr int kTextMargin = 8;
// Large enough for any hint; the text measures itself inside it.
constexpr int kUnbounded = 100000;

} // namespace

BalloonHintWindow::BalloonHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("balloonHintWindow"));
    m_style = defaultStyle();
}

BalloonStyle BalloonHintWindow::defaultStyle()
{
    BalloonStyle style;
    style.colorBackground = QToolTip::palette().color(QPalette::ToolTipBase);
    style.fontColor = QToolTip::palette().color(QPalette::ToolTipText);
    style.font = QToolTip::font();
    return style;
}

int BalloonHintWindow::textFlags() const
{
    return static_cast<int>(m_style.textAlignment) | (m_style.maxWidth > 0 ? Qt::TextWordWrap : 0);
}

QSize BalloonHintWindow::textSize(const QString& text) const
{
    const int width = m_style.maxWidth > 0 ? m_style.maxWidth : kUnbounded;
    return QFontMetrics(m_style.font).boundingRect(QRect(0, 0, width, kUnbounded), textFlags(), text).size();
}

void BalloonHintWindow::showHint(const QString& text, QPoint pointer, const QRect& screen)
{
    m_text = text;
    m_placement = BalloonPlacement::place(pointer, textSize(text), screen, m_style.direction);
    setGeometry(m_placement.rect);
    m_behind = QImage();
    if (m_style.transparent) {
        // What is behind, without the balloon of the hint before.
        hide();
        if (QScreen* at = QGuiApplication::screenAt(pointer)) {
            const QRect r = m_placement.rect.translated(-at->geometry().topLeft());
            m_behind = at->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
        }
    }
    setMask(QRegion(shape().toFillPolygon().toPolygon()));
    show();
    raise();
    update();
}

QRect BalloonHintWindow::bodyRect() const
{
    const int shadow = m_style.showShadow ? kShadowOffset : 0;
    const int top = m_placement.isAbove() ? 0 : kArrowHeight;
    return {0, top, width() - shadow, height() - kArrowHeight - shadow};
}

QPainterPath BalloonHintWindow::balloonPath() const
{
    const QRect body = bodyRect();
    const int radius = m_style.rounded ? std::min({m_style.roundRadius, body.height() / 2, body.width() / 2}) : 0;
    QPainterPath path;
    path.addRoundedRect(body, radius, radius);
    if (!m_style.showArrow)
        return path;
    // The tip points at the pointer: 6 pixels inside the right edge when the balloon reaches to
    // the left, at the left edge otherwise.
    const int tipX = m_placement.isLeft() ? width() - 6 : 0;
    const int tipY = m_placement.isAbove() ? height() - 1 : 0;
    const int baseY = m_placement.isAbove() ? body.bottom() - 1 : body.top() + 1;
    const int baseX = m_placement.isLeft() ? body.right() - 22 : body.left() + 10;
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({QPointF(baseX, baseY), QPointF(baseX + 12, baseY), QPointF(tipX, tipY)}));
    arrow.closeSubpath();
    return path.united(arrow);
}

QPainterPath BalloonHintWindow::shape() const
{
    const QPainterPath balloon = balloonPath();
    return m_style.showShadow ? balloon.united(balloon.translated(kShadowOffset, kShadowOffset)) : balloon;
}

QImage BalloonHintWindow::render() const
{
    QImage image(size(), QImage::Format_RGB32);
    if (m_behind.size() == size())
        image = m_behind.convertToFormat(QImage::Format_RGB32);
    else
        image.fill(m_style.colorBackground);

    const QPainterPath balloon = balloonPath();
    QPainter painter(&image);
    // Solid fills keep the background pixels exactly the background colour, which the
    // translucency below relies on.
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (m_style.showShadow)
        painter.fillPath(balloon.translated(kShadowOffset, kShadowOffset), m_style.colorShadow);
    painter.fillPath(balloon, m_style.colorBackground);
    painter.setPen(m_style.colorBorder);
    painter.drawPath(balloon);
    painter.setPen(m_style.fontColor);
    painter.setFont(m_style.font);
    painter.drawText(bodyRect().adjusted(kTextMargin, 0, -kTextMargin, 0), textFlags() | Qt::AlignVCenter, m_text);
    painter.end();

    if (m_style.transparent && m_behind.size() == size())
        Translucency::apply(image, m_behind, m_style.colorBackground.rgb(), m_style.transparencyRate);
    return image;
}

void BalloonHintWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, render());
}

} // namespace kvr::ui
