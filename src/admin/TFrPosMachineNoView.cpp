#include "admin/TFrPosMachineNoView.h"

#include "data/TDM.h"
#include "data/stores/MachineStore.h"
#include "search/LookupFrameView.h"
#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"
#include "util/Flags.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvr::admin {

namespace {

using Captions = PosMachineCaptions;
namespace column = data::machine;

// The captions of the left column, those of the look-up frames among them, share one width so
// that every field starts at the same place.
constexpr int kCaptionWidth = 112;
constexpr int kCaptionSpacing = 4;

QLabel* captionLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedWidth(kCaptionWidth);
    return label;
}

} // namespace

TFrPosMachineNoView::TFrPosMachineNoView(TFrPosMachineNo& form, QWidget* parent)
    : ui::TFrFormView(form, nullptr, parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("frPosMachineNo"));
    setContent(buildContent());
    connect(&m_form, &TFrPosMachineNo::recordChanged, this, &TFrPosMachineNoView::showRecord);
    connect(&m_form, &TFrPosMachineNo::controlsChanged, this, &TFrPosMachineNoView::showControls);
    connect(&m_form, &TFrPosMachineNo::captionsChanged, this, &TFrPosMachineNoView::applyCaptions);
    connect(&m_form, &TFrPosMachineNo::codeTextChanged, this, [this] {
        if (m_code->text() != m_form.codeText())
            m_code->setText(m_form.codeText());
    });
    connect(&m_form, &TFrPosMachineNo::codeFocusRequested, this,
            [this] { QTimer::singleShot(0, m_code, [this] { m_code->setFocus(); }); });
    // A click on the toolbar beside its buttons switches the language of the captions (the
    // view sees every event of the program first, the toolbar's clicks among them).
    m_toolbar = findChild<QFrame*>(QStringLiteral("toolbarFrame"));
    applyCaptions();
    showControls();
}

QWidget* TFrPosMachineNoView::buildContent()
{
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("posMachineContent"));
    auto* columns = new QHBoxLayout(content);
    columns->setContentsMargins(10, 8, 10, 4);
    auto* left = new QFormLayout;
    left->setVerticalSpacing(4);
    left->setHorizontalSpacing(kCaptionSpacing);
    columns->addLayout(left, 3);
    auto* right = new QVBoxLayout;
    columns->addLayout(right, 2);

    const auto addRow = [this, content, left](QFormLayout* layout, QString Captions::*caption, QWidget* field) {
        QLabel* label = layout == left ? captionLabel(content) : new QLabel(content);
        m_captionLabels.emplace_back(label, caption);
        layout->addRow(label, field);
    };

    m_code = new QLineEdit(content);
    m_code->setObjectName(QStringLiteral("codeLineEdit"));
    m_code->setMaxLength(20);
    ui::upperCaseEntry(m_code);
    connect(m_code, &QLineEdit::textEdited, this,
            ui::guarded([this](const QString& text) { m_form.setCodeText(text); }));
    m_search = new QToolButton(content);
    m_search->setObjectName(QStringLiteral("btSearchToolButton"));
    m_search->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_search->setFocusPolicy(Qt::NoFocus);
    connect(m_search, &QToolButton::clicked, this, ui::guarded([this] { m_form.BtSearchClick(); }));
    auto* codeRow = new QWidget(content);
    auto* codeLayout = new QHBoxLayout(codeRow);
    codeLayout->setContentsMargins(0, 0, 0, 0);
    codeLayout->addWidget(m_code);
    codeLayout->addWidget(m_search);
    codeLayout->addStretch(1);
    addRow(left, &Captions::code, codeRow);
    addRow(left, &Captions::location, addText(column::kLocation, 100));

    m_blocked = new QCheckBox(content);
    m_blocked->setObjectName(QStringLiteral("blockedCheckBox"));
    connect(m_blocked, &QCheckBox::clicked, this,
            ui::guarded([this](bool on) { write(column::kBlocked, util::flagText(on)); }));
    m_loaders.emplace_back(
        [this] { m_blocked->setChecked(util::isFlagSet(m_form.QPosMachine().field(column::kBlocked).asString())); });
    left->addRow(QString(), m_blocked);
    addRow(left, &Captions::remark, addText(column::kRemark, 255));

    // The look-up frames carry their own captions.
    const std::pair<search::LookupFrame*, const char*> frames[] = {
        {&m_form.FaGetSalesman1(), "FaGetSalesman1"},
        {&m_form.FaGetWarehouse1(), "FaGetWarehouse1"},
        {&m_form.FaGetDepartment1(), "FaGetDepartment1"},
    };
    for (size_t i = 0; i < m_frames.size(); ++i) {
        m_frames[i] = new search::LookupFrameView(*frames[i].first, content);
        m_frames[i]->setObjectName(QString::fromLatin1(frames[i].second));
        // Its caption is the frame's first label.
        if (auto* caption = m_frames[i]->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            caption->setFixedWidth(kCaptionWidth);
        left->addRow(m_frames[i]);
    }
    addRow(left, &Captions::printerName, addText(column::kPrinterName, 100));
    addRow(left, &Captions::printerCode, addList(column::kPrinterCode, TFrPosMachineNo::kPrinterCodes, false));

    m_drawerBox = new QGroupBox(content);
    auto* drawer = new QFormLayout(m_drawerBox);
    drawer->setVerticalSpacing(4);
    addRow(drawer, &Captions::drawerPort, addList(column::kCashDrawer, TFrPosMachineNo::kPortNames, true));
    addRow(drawer, &Captions::baudRate, addText(column::kBaudRate, 9, true));
    m_drawerTest = new QPushButton(content);
    m_drawerTest->setObjectName(QStringLiteral("bTestPushButton"));
    connect(m_drawerTest, &QPushButton::clicked, this, ui::guarded([this] { m_form.BTestClick(); }));
    drawer->addRow(QString(), m_drawerTest);
    right->addWidget(m_drawerBox);

    m_displayBox = new QGroupBox(content);
    auto* display = new QFormLayout(m_displayBox);
    display->setVerticalSpacing(4);
    addRow(display, &Captions::displayPort, addList(column::kPosDisplayComport, TFrPosMachineNo::kPortNames, true));
    addRow(display, &Captions::baudRate, addText(column::kPosDisplayBaudRate, 9, true));
    addRow(display, &Captions::hello1, addText(column::kPosDisplayHello1, 20));
    addRow(display, &Captions::hello2, addText(column::kPosDisplayHello2, 20));
    m_displayTest = new QPushButton(content);
    m_displayTest->setObjectName(QStringLiteral("dtestPushButton"));
    connect(m_displayTest, &QPushButton::clicked, this, ui::guarded([this] { m_form.DtestClick(); }));
    display->addRow(QString(), m_displayTest);
    right->addWidget(m_displayBox);
    right->addStretch(1);
    return content;
}

QLineEdit* TFrPosMachineNoView::addText(const QString& column, int maxLength, bool integer)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(column + QStringLiteral("LineEdit"));
    edit->setMaxLength(maxLength);
    if (integer)
        edit->setValidator(new QIntValidator(0, 999999999, edit));
    connect(edit, &QLineEdit::textEdited, this, ui::guarded([this, column, integer](const QString& text) {
                if (integer)
                    write(column, text.isEmpty() ? QVariant() : QVariant(text.toInt()));
                else
                    write(column, text);
            }));
    m_loaders.emplace_back([this, edit, column] {
        const QString text = m_form.QPosMachine().field(column).asString();
        if (edit->text() != text)
            edit->setText(text);
    });
    return edit;
}

QComboBox* TFrPosMachineNoView::addList(const QString& column, const QStringList& items, bool editable)
{
    auto* list = new QComboBox;
    list->setObjectName(column + QStringLiteral("ComboBox"));
    list->addItems(items);
    // Ports may also be typed as a device path (/dev/ttyUSB0).
    list->setEditable(editable);
    connect(list, &QComboBox::currentTextChanged, this,
            ui::guarded([this, column](const QString& text) { write(column, text); }));
    m_loaders.emplace_back([this, list, column] {
        const QSignalBlocker blocker(list);
        const QString text = m_form.QPosMachine().field(column).asString();
        if (list->isEditable())
            list->setEditText(text);
        else
            list->setCurrentIndex(list->findText(text));
    });
    return list;
}

void TFrPosMachineNoView::write(const QString& column, const QVariant& value)
{
    data::CachedDataset& machine = m_form.QPosMachine();
    if (machine.isOpen() && !machine.eof())
        machine.setValue(column, value);
}

void TFrPosMachineNoView::showRecord()
{
    for (const auto& load : m_loaders)
        load();
}

void TFrPosMachineNoView::showControls()
{
    const PosMachineControls& c = m_form.controls();
    m_code->setEnabled(c.codeEnabled);
    m_search->setEnabled(c.codeEnabled);
}

void TFrPosMachineNoView::applyCaptions()
{
    const PosMachineCaptions c = m_form.captions();
    for (const auto& [label, caption] : m_captionLabels) {
        if (label)
            label->setText(c.*caption);
    }
    m_blocked->setText(c.blocked);
    m_drawerBox->setTitle(c.drawerGroup);
    m_displayBox->setTitle(c.displayGroup);
    m_drawerTest->setText(c.test);
    m_displayTest->setText(c.test);
    m_displayTest->setToolTip(c.displayTestHint);
}

bool TFrPosMachineNoView::filterEvent(QObject* watched, QEvent* event)
{
    if (watched == m_toolbar && event->type() == QEvent::MouseButtonPress) {
        m_form.switchCaptionLanguage();
        return false;
    }
    if (watched == m_code && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && isVisible())
            m_form.CodeExit();
        return false;
    }
    if (watched == m_code && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::Key_F5)) {
        m_form.BtSearchClick();
        return true;
    }
    return ui::TFrFormView::filterEvent(watched, event);
}

} // namespace kvr::admin
