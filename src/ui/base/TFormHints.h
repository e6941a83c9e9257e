#pragma once

#include "ui/base/BalloonHintWindow.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace kvr::ui {

// The balloon hints of one form: while active, the hints of the form's widgets show in a
// balloon instead of the platform's tooltip.
class TFormHints : public QObject
{
    Q_OBJECT
public:
    // May change the text or, by returning false, suppress the hint.
    using ShowHintHandler = std::function<bool(QString& text)>;

    explicit TFormHints(QWidget* form);

    bool isActive() const { return m_active; }
    void setActive(bool active);
    BalloonStyle& style() { return m_style; }
    const BalloonStyle& style() const { return m_style; }
    void setOnShowHint(ShowHintHandler handler) { m_onShowHint = std::move(handler); }
    // How long a balloon stays when the pointer rests.
    void setHidePause(int milliseconds) { m_hideTimer.setInterval(milliseconds); }

    // Shows the hint at the pointer position (global coordinates).
    void showHint(const QString& text, QPoint pointer);
    void hideHint();
    // The balloon on show, or null.
    BalloonHintWindow* balloon() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToForm(QObject* object) const;

    QPointer<QWidget> m_form;
    bool m_active = true;
    BalloonStyle m_style;
    ShowHintHandler m_onShowHint;
    QPointer<BalloonHintWindow> m_window;
    QTimer m_hideTimer;
};

} // namespace kvr::ui
