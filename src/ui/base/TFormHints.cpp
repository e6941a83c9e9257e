#include "ui/base/TFormHints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>

namespace kvr::ui {

TFormHints::TFormHints(QWidget* form)
    : QObject(form)
    , m_form(form)
    , m_style(BalloonHintWindow::defaultStyle())
{
    m_hideTimer.setSingleShot(true);
    m_hideTimer.setInterval(5000);
    connect(&m_hideTimer, &QTimer::timeout, this, &TFormHints::hideHint);
    // Tooltip events go to the widget under the pointer, so the filter sits on the application.
    qApp->installEventFilter(this);
}

void TFormHints::setActive(bool active)
{
    m_active = active;
    if (!active)
        hideHint();
}

BalloonHintWindow* TFormHints::balloon() const
{
    return m_window && m_window->isVisible() ? m_window.data() : nullptr;
}

bool TFormHints::belongsToForm(QObject* object) const
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && m_form && (widget == m_form || m_form->isAncestorOf(widget));
}

void TFormHints::showHint(const QString& text, QPoint pointer)
{
    QString shown = text;
    if (m_onShowHint && !m_onShowHint(shown))
        return;
    if (!m_window)
        m_window = new BalloonHintWindow(m_form);
    m_window->setBalloonStyle(m_style);
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    m_window->showHint(shown, pointer, screen->availableGeometry());
    m_hideTimer.start();
}

void TFormHints::hideHint()
{
    m_hideTimer.stop();
    if (m_window)
        m_window->hide();
}

bool TFormHints::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_active || !belongsToForm(watched))
        return false;
    switch (event->type()) {
    case QEvent::ToolTip: {
        // Like the platform's tooltip: the nearest widget up to the form that has a hint.
        for (QWidget* widget = static_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
            if (!widget->toolTip().isEmpty()) {
                showHint(widget->toolTip(), static_cast<QHelpEvent*>(event)->globalPos());
                return true;
            }
            if (widget == m_form)
                break;
        }
        hideHint();
        return true;
    }
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::Hide:
        hideHint();
        return false;
    default:
        return false;
    }
}

} // namespace kvr::ui
