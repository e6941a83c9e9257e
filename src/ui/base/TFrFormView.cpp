#include "ui/base/TFrFormView.h"

#include "ui/base/FormFont.h"
#include "ui/base/Guarded.h"
#include "ui/base/TFormHints.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace kvr::ui {

namespace {

// The toolbar images by index: new, delete, save, exit, history, copy, print, change code.
QIcon toolbarImage(const QStyle* style, int index)
{
    struct Image
    {
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    static const Image images[] = {
        {"document-new", QStyle::SP_FileIcon},
        {"edit-delete", QStyle::SP_TrashIcon},
        {"document-save", QStyle::SP_DialogSaveButton},
        {"application-exit", QStyle::SP_DialogCloseButton},
        {"document-open-recent", QStyle::SP_FileDialogDetailedView},
        {"edit-copy", QStyle::SP_FileDialogContentsView},
        {"document-print", QStyle::SP_DriveFDIcon},
        {"edit-rename", QStyle::SP_DialogApplyButton},
    };
    if (index < 0 || index >= static_cast<int>(std::size(images)))
        return {};
    return QIcon::fromTheme(QString::fromLatin1(images[index].theme), style->standardIcon(images[index].fallback));
}

} // namespace

TFrFormView::TFrFormView(TFrForm& form, QWidget* content, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_form(form)
    , m_layout(new QVBoxLayout(this))
    , m_statusBar(new QStatusBar(this))
    , m_chgCode(new QLineEdit(QStringLiteral("CHGCODE"), this))
    , m_formHints(new TFormHints(this))
{
    setObjectName(QStringLiteral("frFormView"));
    setFont(formFont());
    setFixedSize(kClientWidth, kClientHeight);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(buildToolbar());
    m_layout->addStretch(1);

    m_statusBar->setObjectName(QStringLiteral("statusBar"));
    m_statusBar->setSizeGripEnabled(false);
    for (size_t i = 0; i < m_statusPanels.size(); ++i) {
        m_statusPanels[i] = new QLabel(m_statusBar);
        m_statusPanels[i]->setObjectName(QStringLiteral("statusPanel%1Label").arg(i));
        m_statusPanels[i]->setFrameShape(QFrame::Panel);
        m_statusPanels[i]->setFrameShadow(QFrame::Sunken);
        m_statusBar->addWidget(m_statusPanels[i], i == 0 ? 0 : 1);
    }
    m_statusPanels[0]->setMinimumWidth(300);
    m_layout->addWidget(m_statusBar);

    BalloonStyle& hints = m_formHints->style();
    hints.fontColor = QToolTip::palette().color(QPalette::ToolTipText);
    hints.textAlignment = Qt::AlignHCenter;
    hints.transparencyRate = 20;

    connect(&m_form, &TFrForm::captionChanged, this, [this] { setWindowTitle(m_form.caption()); });
    connect(&m_form, &TFrForm::statusTextChanged, this,
            [this](int panel) { statusPanel(panel)->setText(m_form.statusText(panel)); });
    connect(&m_form, &TFrForm::chgCodeVisibleChanged, this,
            [this] { m_chgCode->setVisible(m_form.isChgCodeVisible()); });
    connect(&m_form, &TFrForm::closeRequested, this, [this] {
        // A window closed while it is being shown would be mapped again as the show goes on,
        // unseen yet open, and the program would never end: it closes once shown.
        if (m_showing)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        else
            close();
    });
    connect(&m_form, &TFrForm::applicationTitleRequested, this,
            [](const QString& title) { QGuiApplication::setApplicationDisplayName(title); });
    setWindowTitle(m_form.caption());
    m_chgCode->setVisible(m_form.isChgCodeVisible());

    if (content)
        setContent(content);
    // Key preview: the form sees every key of its window before the focused control does.
    qApp->installEventFilter(this);
}

QWidget* TFrFormView::buildToolbar()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("toolbarFrame"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    const std::vector<FormAction*> actions = m_form.actions();
    for (size_t i = 0; i < actions.size(); ++i) {
        auto* button = new QToolButton(panel);
        button->setObjectName(QStringLiteral("B") + actions[i]->name().mid(2) + QStringLiteral("ToolButton"));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFixedSize(54, 36);
        button->setIconSize(QSize(16, 16));
        button->setCursor(Qt::PointingHandCursor);
        // Toolbar buttons never take the focus away from the field being edited.
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(toolbarImage(style(), actions[i]->imageIndex()));
        FormAction* action = actions[i];
        connect(button, &QToolButton::clicked, action, guarded([action] { action->execute(); }));
        connect(action, &FormAction::changed, this, [this, i] { updateButton(i); });
        m_buttons[i] = button;
        row->addWidget(button);
        updateButton(i);
    }
    row->addStretch(1);
    m_chgCode->setObjectName(QStringLiteral("chgCodeLineEdit"));
    m_chgCode->setMaximumWidth(120);
    connect(m_chgCode, &QLineEdit::textEdited, m_chgCode, [this](const QString& text) {
        const int cursor = m_chgCode->cursorPosition();
        m_chgCode->setText(text.toUpper());
        m_chgCode->setCursorPosition(cursor);
    });
    row->addWidget(m_chgCode);
    return panel;
}

void TFrFormView::updateButton(size_t index)
{
    const FormAction& action = *m_form.actions()[index];
    QToolButton* button = m_buttons[index];
    button->setText(action.caption());
    button->setToolTip(action.hint());
    button->setEnabled(action.isEnabled());
    button->setVisible(action.isVisible() && action.isButtonVisible());
}

void TFrFormView::setContent(QWidget* content)
{
    if (m_content) {
        m_layout->removeWidget(m_content);
        delete m_content;
    }
    m_content = content;
    if (!content)
        return;
    content->setParent(this);
    // In place of the stretch between toolbar and status bar.
    delete m_layout->takeAt(1);
    m_layout->insertWidget(1, content, 1);
    content->show();
}

QWidget* TFrFormView::nextField(QWidget* from) const
{
    if (!from || !(from == this || isAncestorOf(from)))
        return nullptr;
    for (QWidget* next = from->nextInFocusChain(); next && next != from; next = next->nextInFocusChain()) {
        const bool tabStop = (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        if (tabStop && !next->focusProxy() && isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(this))
            return next;
    }
    return nullptr;
}

bool TFrFormView::isFocusTarget(QObject* watched) const
{
    // Key events travel up from the focused control; the form looks at them once, where they start.
    QWidget* focus = QApplication::focusWidget();
    if (focus)
        return watched == focus && (focus == this || isAncestorOf(focus));
    return watched == this;
}

bool TFrFormView::eventFilter(QObject* watched, QEvent* event)
{
    // A key whose action failed has still been taken; other events go on to their widget.
    return runGuardedOr(event->type() == QEvent::KeyPress, [&] { return filterEvent(watched, event); });
}

bool TFrFormView::filterEvent(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !m_form.keyPreview() || !isFocusTarget(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // A shortcut whose action failed has still been taken: the key goes no further.
    const auto outcome =
        runGuardedOr(TFrForm::KeyOutcome::Handled, [this, key] { return m_form.FormKeyDown(key->keyCombination()); });
    switch (outcome) {
    case TFrForm::KeyOutcome::NextField: {
        QWidget* focus = QApplication::focusWidget();
        if (QWidget* next = focus && focus->isEnabled() ? nextField(focus) : nullptr)
            next->setFocus(Qt::TabFocusReason);
        // The Enter itself goes no further: no beep, no default button, no line edit's returnPressed.
        return true;
    }
    case TFrForm::KeyOutcome::Handled:
        return true;
    case TFrForm::KeyOutcome::Ignored:
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    }
    return false;
}

void TFrFormView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    const QScopedValueRollback<bool> showing(m_showing, true);
    runGuarded([this] { m_form.FormShow(); });
}

void TFrFormView::closeEvent(QCloseEvent* event)
{
    // A form whose closing failed stays open: nothing it holds is dropped unasked.
    if (runGuardedOr(false, [this] { return m_form.FormClose(); }))
        event->accept();
    else
        event->ignore();
}

} // namespace kvr::ui
