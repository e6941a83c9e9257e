#pragma once

#include "ui/base/BalloonPlacement.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

class QPainterPath;

namespace kvr::ui {

// How balloon hints look; the defaults are those of a fresh hint component.
struct BalloonStyle
{
    QColor colorBackground; // the platform's tooltip background unless set
    QColor colorBorder = Qt::black;
    QColor colorShadow = QColor(0x80, 0x80, 0x80);
    QColor fontColor; // the platform's tooltip text colour unless set
    QFont font;
    int direction = BalloonPlacement::AboveRight;
    int maxWidth = 0; // 0: no wrapping beyond the text's own line breaks
    bool rounded = true;
    int roundRadius = 18;
    bool showArrow = true;
    bool showShadow = true;
    Qt::Alignment textAlignment = Qt::AlignLeft;
    bool transparent = false;
    int transparencyRate = 30; // percent of the screen behind that shows through
};

// The window of one balloon hint: a rounded box with an arrow towards the pointer and a shadow,
// cut to its shape.
class BalloonHintWindow : public QWidget
{
    Q_OBJECT
public:
    explicit BalloonHintWindow(QWidget* parent = nullptr);

    // The platform's tooltip colours and font with the defaults above.
    static BalloonStyle defaultStyle();

    void setBalloonStyle(const BalloonStyle& style) { m_style = style; }
    const BalloonStyle& balloonStyle() const { return m_style; }

    // Places and shows the balloon for `text` at the pointer, on the screen rectangle given.
    void showHint(const QString& text, QPoint pointer, const QRect& screen);
    const QString& text() const { return m_text; }
    const BalloonPlacement& placement() const { return m_placement; }
    QSize textSize(const QString& text) const;
    // The balloon as it is drawn, the screen behind mixed in when it is transparent.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath balloonPath() const;
    QPainterPath shape() const;
    QRect bodyRect() const;
    int textFlags() const;

    BalloonStyle m_style;
    QString m_text;
    BalloonPlacement m_placement;
    QImage m_behind;
};

} // namespace kvr::ui
