#pragma once

#include <QKeyCombination>
#include <QObject>
#include <functional>

class QWidget;

namespace kvr::search {

// Reports a field's entering, leaving and keys to its screen class. A dialog opening over the field
// (a message, a search) is no leaving of it, and its closing no new entering.
class FieldEvents : public QObject
{
    Q_OBJECT
public:
    struct Handlers
    {
        std::function<void()> enter;
        std::function<void()> exit;
        // True when the key was the screen's.
        std::function<bool(QKeyCombination)> key;
    };

    FieldEvents(QWidget* field, Handlers handlers);

    // Gives the field the focus once the current event is over (never inside a focus change).
    static void focusLater(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handlers m_handlers;
    bool m_inside = false;
};

} // namespace kvr::search
