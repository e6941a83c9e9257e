#include "search/FieldEvents.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace kvr::search {

FieldEvents::FieldEvents(QWidget* field, Handlers handlers)
    : QObject(field)
    , m_handlers(std::move(handlers))
{
    field->installEventFilter(this);
}

void FieldEvents::focusLater(QWidget* field)
{
    QTimer::singleShot(0, field, [field = QPointer<QWidget>(field)] {
        if (field)
            field->setFocus(Qt::OtherFocusReason);
    });
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!m_inside) {
            m_inside = true;
            if (m_handlers.enter)
                m_handlers.enter();
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (m_inside && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_inside = false;
            if (m_handlers.exit)
                m_handlers.exit();
        }
        break;
    }
    case QEvent::KeyPress:
        if (m_handlers.key && m_handlers.key(static_cast<QKeyEvent*>(event)->keyCombination()))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvr::search
