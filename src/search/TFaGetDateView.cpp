#include "search/TFaGetDateView.h"

#include "search/FieldEvents.h"
#include "ui/base/Guarded.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kvr::search {

TFaGetDateView::TFaGetDateView(TFaGetDate& frame, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
    , m_edit(new QLineEdit(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(frame.caption(), this);
    caption->setMinimumWidth(90);
    m_edit->setObjectName(QStringLiteral("DocDateLineEdit"));
    // Any digits can be typed, 31/02 included: the frame checks the date when it is left.
    m_edit->setInputMask(QStringLiteral("99/99/9999"));
    m_edit->setMaximumWidth(100);
    m_edit->setText(frame.text());
    row->addWidget(caption);
    row->addWidget(m_edit);
    row->addStretch(1);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::textEdited, &m_frame, ui::guarded(std::bind_front(&TFaGetDate::setText, &m_frame)));
    connect(&m_frame, &TFaGetDate::textChanged, m_edit, [this](const QString& text) {
        if (m_edit->text() != text)
            m_edit->setText(text);
    });
    connect(&m_frame, &TFaGetDate::focusRequested, this, [this] { FieldEvents::focusLater(m_edit); });
    new FieldEvents(m_edit, {{}, [this] { m_frame.DocDateExit(); }, {}});
}

} // namespace kvr::search
