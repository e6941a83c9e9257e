#include "ui/base/LookupEdit.h"

#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

namespace kvr::ui {

LookupEdit::LookupEdit(CodeLookup& lookup, QWidget* parent)
    : QLineEdit(parent)
    , m_lookup(lookup)
{
    upperCaseEntry(this);
    setText(m_lookup.text());
    connect(&m_lookup, &CodeLookup::textChanged, this, [this](const QString& text) {
        if (this->text() != text)
            setText(text);
    });
    connect(this, &QLineEdit::textEdited, this, guarded([this](const QString& text) { m_lookup.setText(text); }));
}

void LookupEdit::setNameLabel(QLabel* label)
{
    m_nameLabel = label;
    if (!label)
        return;
    label->setText(m_lookup.description());
    connect(&m_lookup, &CodeLookup::descriptionChanged, label, &QLabel::setText);
}

void LookupEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The field is entered once, also when its window's activation gives it the focus; the focus
    // coming back from a dialog opened meanwhile is no new entering.
    if (!m_inside) {
        m_inside = true;
        runGuarded([this] { emit entered(); });
    }
}

void LookupEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A dialog or pop-up opening over the field is no leaving of it.
    if (!m_inside || event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    m_inside = false;
    // The code typed is looked up and written to the record here: a failure is shown, and the
    // text stays in the field to be mended.
    runGuarded([this] {
        m_lookup.setText(text());
        if (m_commitOnExit)
            m_lookup.commit();
        emit exited();
    });
}

void LookupEdit::keyPressEvent(QKeyEvent* event)
{
    // A key whose handler failed has been taken.
    if (m_keyHandler && runGuardedOr(true, [&] { return m_keyHandler(event->keyCombination()); })) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace kvr::ui
