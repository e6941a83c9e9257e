#pragma once

#include <QKeyCombination>
#include <QObject>
#include <QString>
#include <functional>

namespace kvr::ui {

// One document action of a form (New, Save, ...): what its toolbar button shows, its shortcut,
// whether it may run now, and what it runs.
class FormAction : public QObject
{
    Q_OBJECT
public:
    FormAction(const QString& name, const QString& caption, const QString& hint, int imageIndex,
               QKeyCombination shortcut = {}, QObject* parent = nullptr);

    const QString& name() const { return m_name; }
    const QString& caption() const { return m_caption; }
    const QString& hint() const { return m_hint; }
    int imageIndex() const { return m_imageIndex; }
    // The key that runs the action; none when hasShortcut() is false.
    QKeyCombination shortcut() const { return m_shortcut; }
    bool hasShortcut() const { return m_shortcut.key() != Qt::Key_unknown; }
    bool isEnabled() const { return m_enabled; }
    bool isVisible() const { return m_visible; }
    // The toolbar button can be hidden on its own; the action and its shortcut stay.
    bool isButtonVisible() const { return m_buttonVisible; }

    void setCaption(const QString& caption);
    void setHint(const QString& hint);
    void setEnabled(bool enabled);
    void setVisible(bool visible);
    void setButtonVisible(bool visible);
    void setHandler(std::function<void()> handler) { m_handler = std::move(handler); }
    // Asked first on every execution, enabled or not: it brings up to date what the action's
    // state depends on (an amount still being typed) and may stop the execution.
    void setBeforeExecute(std::function<bool()> check) { m_before = std::move(check); }

    // Runs the handler when the action is enabled; false when it did not run.
    bool execute();

signals:
    void changed();

private:
    void update(bool changedValue);

    QString m_name;
    QString m_caption;
    QString m_hint;
    int m_imageIndex;
    QKeyCombination m_shortcut;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_buttonVisible = true;
    std::function<void()> m_handler;
    std::function<bool()> m_before;
};

} // namespace kvr::ui
