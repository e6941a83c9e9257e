#include "search/FieldEvents.h"
#include "ui/base/Guarded.h"

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
                ui::runGuarded(m_handlers.enter);
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (m_inside && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            m_inside = false;
            if (m_handlers.exit)
                ui::runGuarded(m_handlers.exit);
        }
        break;
    }
    case QEvent::KeyPress:
        // A key whose handler failed counts as taken: it is not typed into the field as well.
        if (m_handlers.key &&
            ui::runGuardedOr(true, [&] { return m_handlers.key(static_cast<QKeyEvent*>(event)->keyCombination()); }))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvr::search
