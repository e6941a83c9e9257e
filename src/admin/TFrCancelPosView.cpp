#include "admin/TFrCancelPosView.h"

#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvr::admin {

namespace {

using Captions = CancelPosCaptions;
using Display = CancelPosDisplay;

constexpr int kCaptionWidth = 112;
// PosNo holds up to 20 characters.
constexpr int kNumberLength = 20;

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TFrCancelPosView::TFrCancelPosView(TFrCancelPos& form, QWidget* parent)
    : ui::TFrFormView(form, nullptr, parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("frCancelPos"));
    setContent(buildContent());
    connect(&m_form, &TFrCancelPos::numberTextChanged, this, &TFrCancelPosView::showNumber);
    connect(&m_form, &TFrCancelPos::billChanged, this, &TFrCancelPosView::showBill);
    connect(&m_form, &TFrCancelPos::noticeChanged, this, [this] { m_notice->setText(m_form.notice()); });
    connect(&m_form, &TFrCancelPos::numberFocusRequested, this,
            [this] { QTimer::singleShot(0, m_number, [this] { m_number->setFocus(); }); });
    applyCaptions();
    showBill();
}

QWidget* TFrCancelPosView::buildContent()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("cancelPosContent"));
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(10, 10, 10, 4);
    auto* fields = new QFormLayout;
    fields->setVerticalSpacing(6);
    column->addLayout(fields);

    m_number = new QLineEdit(content);
    m_number->setObjectName(QStringLiteral("posNoLineEdit"));
    m_number->setMaxLength(kNumberLength);
    ui::upperCaseEntry(m_number);
    connect(m_number, &QLineEdit::textEdited, this,
            ui::guarded([this](const QString& text) { m_form.setNumberText(text); }));
    m_search = new QToolButton(content);
    m_search->setObjectName(QStringLiteral("bSearchPosNoToolButton"));
    m_search->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_search->setFocusPolicy(Qt::NoFocus);
    connect(m_search, &QToolButton::clicked, this, ui::guarded([this] { m_form.BSearchPosNoClick(); }));
    auto* numberRow = new QWidget(content);
    auto* numberLayout = new QHBoxLayout(numberRow);
    numberLayout->setContentsMargins(0, 0, 0, 0);
    numberLayout->addWidget(m_number);
    numberLayout->addWidget(m_search);
    numberLayout->addStretch(1);
    m_numberCaption = new QLabel(content);
    m_numberCaption->setFixedWidth(kCaptionWidth);
    fields->addRow(m_numberCaption, numberRow);

    m_notice = new QLabel(content);
    m_notice->setObjectName(QStringLiteral("noticeLabel"));
    m_notice->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_notice->setWordWrap(true);
    fields->addRow(QString(), m_notice);

    const std::pair<QString Captions::*, QString Display::*> shown[] = {
        {&Captions::billNo, &Display::billNo},           {&Captions::date, &Display::date},
        {&Captions::customer, &Display::customer},       {&Captions::salesman, &Display::salesman},
        {&Captions::machineCode, &Display::machineCode}, {&Captions::location, &Display::location},
        {&Captions::shiftNo, &Display::shiftNo},         {&Captions::total, &Display::total},
    };
    for (const auto& [caption, value] : shown) {
        Row row{new QLabel(content), new QLabel(content), caption, value};
        row.caption->setFixedWidth(kCaptionWidth);
        row.value->setFrameShape(QFrame::Panel);
        row.value->setFrameShadow(QFrame::Sunken);
        row.value->setMinimumWidth(value == &Display::customer || value == &Display::location ? 360 : 160);
        row.value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (value == &Display::total)
            row.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* line = new QHBoxLayout;
        line->addWidget(row.value);
        line->addStretch(1);
        fields->addRow(row.caption, line);
        m_rows.push_back(row);
    }
    column->addStretch(1);
    return content;
}

QLabel* TFrCancelPosView::valueLabel(QString CancelPosDisplay::*field) const
{
    for (const Row& row : m_rows) {
        if (row.displayText == field)
            return row.value;
    }
    return nullptr;
}

void TFrCancelPosView::showNumber()
{
    if (m_number->text() == m_form.numberText())
        return;
    m_number->setText(m_form.numberText());
    m_number->end(false);
}

void TFrCancelPosView::showBill()
{
    const CancelPosDisplay display = m_form.display();
    for (const Row& row : m_rows)
        row.value->setText(display.*row.displayText);
}

void TFrCancelPosView::applyCaptions()
{
    const CancelPosCaptions captions = m_form.captions();
    m_numberCaption->setText(captions.number);
    for (const Row& row : m_rows)
        row.caption->setText(captions.*row.captionText);
}

bool TFrCancelPosView::filterEvent(QObject* watched, QEvent* event)
{
    if (watched == m_number && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            m_form.PosNoExit();
        return false;
    }
    if (watched == m_number && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::Key_F5)) {
            m_form.BSearchPosNoClick();
            return true;
        }
        // The number is the only field to type in: Enter looks it up where other screens would
        // move on to the next field.
        if (isEnter(key) && key->modifiers() == Qt::NoModifier) {
            m_form.PosNoExit();
            m_number->selectAll();
            return true;
        }
    }
    return ui::TFrFormView::filterEvent(watched, event);
}

} // namespace kvr::admin
