#include "admin/TFrPosFullTranView.h"

#include "search/FieldEvents.h"
#include "search/LookupFrameView.h"
#include "ui/base/DataGrid.h"
#include "ui/base/Guarded.h"
#include "ui/base/UpperCaseEntry.h"
#include "util/NumberFormat.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvr::admin {

namespace {

namespace column = data::fulltax;
using Captions = FullTaxCaptions;

constexpr int kCaptionWidth = 104;

QLabel* valueLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(90);
    return label;
}

} // namespace

TFrPosFullTranView::TFrPosFullTranView(TFrPosFullTran& form, QWidget* parent)
    : ui::TFrFormView(form, nullptr, parent)
    , m_form(form)
{
    setObjectName(QStringLiteral("frPosFullTran"));
    setContent(buildContent());
    connect(&m_form, &TFrPosFullTran::recordChanged, this, &TFrPosFullTranView::showRecord);
    connect(&m_form, &TFrPosFullTran::controlsChanged, this, &TFrPosFullTranView::showControls);
    connect(&m_form, &TFrPosFullTran::receiptNumberTextChanged, this, [this] {
        if (m_receiptNumber->text() != m_form.receiptNumberText())
            m_receiptNumber->setText(m_form.receiptNumberText());
    });
    connect(&m_form, &TFrPosFullTran::focusRequested, this, &TFrPosFullTranView::focusField);
    showRecord();
    showControls();
}

QLabel* TFrPosFullTranView::addCaption(QWidget* parent, QString Captions::*caption)
{
    auto* label = new QLabel(m_form.captions().*caption, parent);
    label->setMinimumWidth(kCaptionWidth);
    return label;
}

QWidget* TFrPosFullTranView::buildContent()
{
    const Captions captions = m_form.captions();
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("posFullTranContent"));
    auto* layout = new QGridLayout(content);
    layout->setContentsMargins(10, 4, 10, 2);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(1);
    const auto searchButton = [&](const QString& name, const QString& hint) {
        auto* button = new QToolButton(content);
        button->setObjectName(name);
        button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        button->setToolTip(hint);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    const auto withButton = [&](QWidget* field, QToolButton* button) {
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(field, 1);
        row->addWidget(button);
        return row;
    };

    // The receipt: its number, typed or searched, then its date and amount.
    m_receiptNumber = new QLineEdit(content);
    m_receiptNumber->setObjectName(QStringLiteral("EdShotNoLineEdit"));
    m_receiptNumber->setMaxLength(20);
    ui::upperCaseEntry(m_receiptNumber);
    connect(m_receiptNumber, &QLineEdit::textEdited, this,
            ui::guarded([this](const QString& text) { m_form.setReceiptNumberText(text); }));
    new search::FieldEvents(m_receiptNumber,
                            {.enter = {},
                             .exit = [this] { m_form.EdShotNoExit(); },
                             .key = [this](QKeyCombination key) { return m_form.EdShotNoKeyDown(key); }});
    m_receiptSearch = searchButton(QStringLiteral("BtSearchShotNoToolButton"), captions.receiptSearchHint);
    connect(m_receiptSearch, &QToolButton::clicked, this, ui::guarded([this] { m_form.BtSearchShotNoClick(); }));
    layout->addWidget(addCaption(content, &Captions::receiptNumber), 0, 0);
    layout->addLayout(withButton(m_receiptNumber, m_receiptSearch), 0, 1);
    m_date = valueLabel(content, QStringLiteral("PosDateLabel"));
    m_amount = valueLabel(content, QStringLiteral("TotalLabel"));
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(addCaption(content, &Captions::date), 0, 2, Qt::AlignRight);
    layout->addWidget(m_date, 0, 3);
    layout->addWidget(addCaption(content, &Captions::amount), 0, 4, Qt::AlignRight);
    layout->addWidget(m_amount, 0, 5);

    // The buyer block.
    m_customerName = addBuyerEdit(column::kCustomerName, 60);
    new search::FieldEvents(m_customerName, {.enter = {}, .exit = {}, .key = [this](QKeyCombination key) {
                                                 return m_form.CustomerNameKeyDown(key);
                                             }});
    m_customerSearch = searchButton(QStringLiteral("BtSearchCustomerToolButton"), captions.customerSearchHint);
    connect(m_customerSearch, &QToolButton::clicked, this, ui::guarded([this] { m_form.BtSearchCustomerClick(); }));
    layout->addWidget(addCaption(content, &Captions::customerName), 1, 0);
    layout->addLayout(withButton(m_customerName, m_customerSearch), 1, 1, 1, 5);
    layout->addWidget(addCaption(content, &Captions::address), 2, 0);
    layout->addWidget(addBuyerEdit(column::kShipAddr1, 40), 2, 1, 1, 5);
    layout->addWidget(addBuyerEdit(column::kShipAddr2, 40), 3, 1, 1, 5);
    layout->addWidget(addBuyerEdit(column::kShipAddr3, 40), 4, 1, 1, 5);
    m_province = new search::LookupFrameView(m_form.FaGetProvince1(), content);
    m_province->setObjectName(QStringLiteral("FaGetProvince1"));
    if (auto* caption = m_province->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        caption->setFixedWidth(kCaptionWidth);
    layout->addWidget(m_province, 5, 0, 1, 6);
    layout->addWidget(addCaption(content, &Captions::zipCode), 6, 0);
    layout->addWidget(addBuyerEdit(column::kShipZipCode, 5), 6, 1);
    layout->addWidget(addCaption(content, &Captions::phone), 6, 2, Qt::AlignRight);
    layout->addWidget(addBuyerEdit(column::kShipPhone, 40), 6, 3, 1, 3);
    layout->addWidget(addCaption(content, &Captions::taxNumber), 7, 0);
    layout->addWidget(addBuyerEdit(column::kTaxCustomer, 15), 7, 1);
    m_headOffice = new QCheckBox(captions.headOffice, content);
    m_headOffice->setObjectName(QStringLiteral("BranchHeadCheckBox"));
    connect(m_headOffice, &QCheckBox::clicked, this,
            ui::guarded([this](bool checked) { m_form.ChkBranchHeadClick(checked); }));
    m_loaders.emplace_back([this] { m_headOffice->setChecked(m_form.isLoaded() && m_form.isHeadOffice()); });
    layout->addWidget(m_headOffice, 7, 2, 1, 2);
    layout->addWidget(addCaption(content, &Captions::branchCode), 7, 4, Qt::AlignRight);
    layout->addWidget(addBuyerEdit(column::kBranchCode, 5), 7, 5);

    // The lines, read-only.
    m_linesBox = new QGroupBox(captions.lines, content);
    auto* box = new QVBoxLayout(m_linesBox);
    box->setContentsMargins(2, 0, 2, 2);
    m_grid = new ui::DataGrid(m_linesBox);
    m_grid->setObjectName(QStringLiteral("DgDtDataGrid"));
    m_grid->setGridReadOnly(true);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setDataset(&m_form.QDt());
    m_grid->setColumns(m_form.lineColumns());
    box->addWidget(m_grid);
    layout->addWidget(m_linesBox, 8, 0, 1, 6);
    layout->setRowStretch(8, 1);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(3, 1);
    layout->setColumnStretch(5, 1);
    return content;
}

QLineEdit* TFrPosFullTranView::addBuyerEdit(const QString& column, int maxLength)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(column + QStringLiteral("LineEdit"));
    edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textEdited, this,
            ui::guarded([this, column](const QString& text) { m_form.setBuyerValue(column, text); }));
    m_loaders.emplace_back([this, edit, column] {
        const data::CachedDataset& header = m_form.QHd();
        const QString text = header.isOpen() && !header.eof() ? header.field(column).asString() : QString();
        if (edit->text() != text)
            edit->setText(text);
    });
    m_buyerEdits.emplace_back(column, edit);
    return edit;
}

QLineEdit* TFrPosFullTranView::buyerEdit(const QString& column) const
{
    for (const auto& [name, edit] : m_buyerEdits) {
        if (name == column)
            return edit;
    }
    return nullptr;
}

void TFrPosFullTranView::showRecord()
{
    const data::CachedDataset& header = m_form.QHd();
    const bool loaded = header.isOpen() && !header.eof();
    m_date->setText(loaded ? header.field(column::kPosDate).asDate().toString(QStringLiteral("dd/MM/yyyy"))
                           : QString());
    m_amount->setText(loaded ? util::FormatNumber(QStringLiteral(",0.00"), header.field(column::kTotal).asFloat())
                             : QString());
    for (const auto& load : m_loaders)
        load();
}

void TFrPosFullTranView::showControls()
{
    const FullTaxControls& c = m_form.controls();
    m_receiptNumber->setEnabled(c.receiptEnabled);
    m_receiptSearch->setEnabled(c.receiptEnabled);
    // Read-only rather than disabled before a receipt is loaded, so that Enter in the receipt
    // number has a next field to go to, and leaving the number loads the receipt.
    for (const auto& [name, edit] : m_buyerEdits) {
        edit->setReadOnly(!c.buyerEnabled);
        edit->setEnabled(name != column::kBranchCode || !c.buyerEnabled || c.branchCodeEnabled);
    }
    m_customerSearch->setEnabled(c.buyerEnabled);
    m_headOffice->setEnabled(c.buyerEnabled);
}

void TFrPosFullTranView::focusField(TFrPosFullTran::Field field)
{
    switch (field) {
    case TFrPosFullTran::Field::ReceiptNumber:
        search::FieldEvents::focusLater(m_receiptNumber);
        break;
    case TFrPosFullTran::Field::CustomerName:
        search::FieldEvents::focusLater(m_customerName);
        break;
    case TFrPosFullTran::Field::TaxCustomer:
        search::FieldEvents::focusLater(buyerEdit(column::kTaxCustomer));
        break;
    case TFrPosFullTran::Field::BranchCode:
        search::FieldEvents::focusLater(buyerEdit(column::kBranchCode));
        break;
    }
}

} // namespace kvr::admin
