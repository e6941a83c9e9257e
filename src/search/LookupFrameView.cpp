#include "search/LookupFrameView.h"

#include "search/FieldEvents.h"
#include "ui/base/Guarded.h"
#include "ui/base/LookupEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace kvr::search {

LookupFrameView::LookupFrameView(LookupFrame& frame, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
    , m_caption(new QLabel(this))
    , m_edit(new ui::LookupEdit(frame.lookup(), this))
    , m_button(new QToolButton(this))
    , m_name(new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    m_caption->setMinimumWidth(90);
    m_edit->setObjectName(QStringLiteral("codeLookupEdit"));
    m_edit->setMaximumWidth(110);
    // The frame resolves the code itself when the field is left, then checks it.
    m_edit->setCommitOnExit(false);
    m_edit->setNameLabel(m_name);
    m_button->setObjectName(QStringLiteral("BtSearchToolButton"));
    m_button->setText(QStringLiteral("..."));
    m_button->setFocusPolicy(Qt::NoFocus);
    m_name->setObjectName(QStringLiteral("nameLabel"));
    m_name->setFrameShape(QFrame::Panel);
    m_name->setFrameShadow(QFrame::Sunken);
    row->addWidget(m_caption);
    row->addWidget(m_edit);
    row->addWidget(m_button);
    row->addWidget(m_name, 1);
    setFocusProxy(m_edit);

    connect(m_edit, &ui::LookupEdit::entered, &m_frame, &SearchFrame::FieldEnter);
    connect(m_edit, &ui::LookupEdit::exited, &m_frame, &SearchFrame::FieldExit);
    m_edit->setKeyHandler([this](QKeyCombination key) { return m_frame.FieldKeyDown(key); });
    connect(m_button, &QToolButton::clicked, &m_frame, ui::guarded([this] { m_frame.BtSearchClick(); }));
    connect(&m_frame, &SearchFrame::changed, this, &LookupFrameView::update);
    connect(&m_frame, &SearchFrame::focusRequested, this, [this] { FieldEvents::focusLater(m_edit); });
    update();
}

void LookupFrameView::update()
{
    m_caption->setText(m_frame.isRequired() ? m_frame.caption() + QStringLiteral(" *") : m_frame.caption());
    m_edit->setEnabled(m_frame.isFieldEnabled());
    m_button->setEnabled(m_frame.isSearchEnabled());
}

} // namespace kvr::search
