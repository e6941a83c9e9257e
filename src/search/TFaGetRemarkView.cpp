#include "search/TFaGetRemarkView.h"

#include "search/FieldEvents.h"
#include "ui/base/Guarded.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kvr::search {

TFaGetRemarkView::TFaGetRemarkView(TFaGetRemark& frame, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(frame.caption(), this);
    caption->setMinimumWidth(90);
    m_edit->setObjectName(QStringLiteral("remarkLineEdit"));
    m_edit->setMaxLength(TFaGetRemark::kMaxLength);
    m_edit->setText(frame.text());
    m_button->setObjectName(QStringLiteral("BtSearchToolButton"));
    m_button->setText(QStringLiteral("..."));
    m_button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(caption);
    row->addWidget(m_edit, 1);
    row->addWidget(m_button);
    setFocusProxy(m_edit);

    connect(m_edit, &QLineEdit::textEdited, &m_frame, ui::guarded(std::bind_front(&TFaGetRemark::setText, &m_frame)));
    connect(&m_frame, &TFaGetRemark::textChanged, m_edit, [this](const QString& text) {
        if (m_edit->text() != text)
            m_edit->setText(text);
    });
    connect(m_button, &QToolButton::clicked, &m_frame,
            ui::guarded(std::bind_front(&SearchFrame::BtSearchClick, &m_frame)));
    connect(&m_frame, &SearchFrame::changed, this, [this] { m_button->setEnabled(m_frame.isSearchEnabled()); });
    connect(&m_frame, &SearchFrame::focusRequested, this, [this] { FieldEvents::focusLater(m_edit); });
    new FieldEvents(m_edit,
                    {[this] { m_frame.FieldEnter(); }, [this] { m_frame.FieldExit(); },
                     [this](QKeyCombination key) { return m_frame.FieldKeyDown(key); }});
    m_button->setEnabled(m_frame.isSearchEnabled());
}

} // namespace kvr::search
