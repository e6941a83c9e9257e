#include "app/TFormLogo.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace kvr::app {

namespace {

QPixmap drawLogo(const QSize& size)
{
    QPixmap logo(size);
    logo.fill(QColor(0, 51, 153));
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::white);
    QFont big = p.font();
    big.setPixelSize(44);
    big.setBold(true);
    p.setFont(big);
    p.drawText(QRect(0, 18, size.width(), 60), Qt::AlignCenter, QStringLiteral("KVR POS"));
    QFont small = p.font();
    small.setPixelSize(18);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(0, 86, size.width(), 30), Qt::AlignCenter, QStringLiteral("ระบบขายหน้าร้าน"));
    p.setPen(QColor(255, 204, 0));
    p.drawLine(40, 124, size.width() - 40, 124);
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 130, size.width(), 24), Qt::AlignCenter, QStringLiteral("Point of Sale"));
    return logo;
}

} // namespace

TFormLogo::TFormLogo()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FormLogo"));
    setFixedSize(301, 166);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::blue);
    setPalette(pal);
    m_logo = drawLogo(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFormLogo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_logo);
}

} // namespace kvr::app
