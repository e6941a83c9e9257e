#include "ui/base/FormAction.h"

#include <utility>

namespace kvr::ui {

FormAction::FormAction(const QString& name, const QString& caption, const QString& hint, int imageIndex,
                       QKeyCombination shortcut, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_caption(caption)
    , m_hint(hint)
    , m_imageIndex(imageIndex)
    , m_shortcut(shortcut)
{
    setObjectName(name);
}

void FormAction::update(bool changedValue)
{
    if (changedValue)
        emit changed();
}

void FormAction::setCaption(const QString& caption)
{
    update(std::exchange(m_caption, caption) != caption);
}

void FormAction::setHint(const QString& hint)
{
    update(std::exchange(m_hint, hint) != hint);
}

void FormAction::setEnabled(bool enabled)
{
    update(std::exchange(m_enabled, enabled) != enabled);
}

void FormAction::setVisible(bool visible)
{
    update(std::exchange(m_visible, visible) != visible);
}

void FormAction::setButtonVisible(bool visible)
{
    update(std::exchange(m_buttonVisible, visible) != visible);
}

bool FormAction::execute()
{
    if (m_before && !m_before())
        return false;
    if (!m_enabled)
        return false;
    if (m_handler)
        m_handler();
    return true;
}

} // namespace kvr::ui
