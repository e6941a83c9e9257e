#include "ui/base/SearchEdit.h"

#include "ui/base/UpperCaseEntry.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kvr::ui {

SearchEdit::SearchEdit(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_edit->setObjectName(QStringLiteral("searchEditLineEdit"));
    m_edit->setFrame(false);
    m_button->setObjectName(QStringLiteral("searchEditToolButton"));
    m_button->setText(QStringLiteral("..."));
    // The button is for the mouse; F5 searches from the keyboard.
    m_button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(m_edit, 1);
    row->addWidget(m_button);
    setFocusProxy(m_edit);
    connect(m_button, &QToolButton::clicked, this, &SearchEdit::searchClicked);
}

void SearchEdit::setUpperCase(bool on)
{
    if (on && !m_upperCase)
        upperCaseEntry(m_edit);
    m_upperCase = on;
}

QString SearchEdit::text() const
{
    return m_edit->text();
}

void SearchEdit::setText(const QString& text)
{
    m_edit->setText(text);
}

} // namespace kvr::ui
