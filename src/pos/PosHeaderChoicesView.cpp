// The header fields of the sale window that are chosen: the search of the bill number, the VAT
// code and currency drop-downs with the exchange rate, the remark frame and the ship-to button.
#include "pos/PosHeaderPanel.h"

#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "search/FieldEvents.h"
#include "search/TFaGetRemarkView.h"
#include "search/TFaGetTaxCodeView.h"
#include "ui/base/Guarded.h"
#include "util/NumberFormat.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>

namespace kvr::pos {

namespace {

// The window's caption stands for the frame's own and follows the language flip.
void hideOwnCaption(QWidget* frameView)
{
    if (auto* caption = frameView->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        caption->hide();
}

} // namespace

QComboBox* PosHeaderPanel::taxList() const
{
    return m_tax->taxList();
}

QWidget* PosHeaderPanel::withSearchButton(QLineEdit* posNo)
{
    // Parented by the layout, as the other fields are, to keep the order Enter and Tab follow.
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    posNo->setParent(box);
    row->addWidget(posNo, 1);
    m_posNoSearch = new QToolButton(box);
    m_posNoSearch->setObjectName(QStringLiteral("bSearchPosNoToolButton"));
    m_posNoSearch->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    // The number field keeps the focus; the chosen bill loads from there.
    m_posNoSearch->setFocusPolicy(Qt::NoFocus);
    connect(m_posNoSearch, &QToolButton::clicked, this, ui::guarded([this] { m_pos.BSearchPosNoClick(); }));
    row->addWidget(m_posNoSearch);
    new search::FieldEvents(posNo, {{}, {}, [this](QKeyCombination key) {
                                        if (key != QKeyCombination(Qt::Key_F5))
                                            return false;
                                        m_pos.BSearchPosNoClick();
                                        return true;
                                    }});
    return box;
}

QWidget* PosHeaderPanel::addTaxList()
{
    m_tax = new search::TFaGetTaxCodeView(m_pos.headerChoices().taxFrame());
    m_tax->setObjectName(QStringLiteral("taxCodeFrame"));
    hideOwnCaption(m_tax);
    // The close-up: the bill takes the code and its rate, and is recomputed with it.
    connect(m_tax->taxList(), &QComboBox::activated, this, ui::guarded([this](int row) {
                data::Query& taxes = m_pos.headerChoices().taxFrame().QTax();
                if (row >= 0 && row < taxes.recordCount())
                    m_pos.ListTaxCodeExit(taxes.fieldAt(row, QStringLiteral("Id")).asInteger());
                showChoices();
            }));
    return m_tax;
}

QWidget* PosHeaderPanel::addRemark()
{
    m_remark = new search::TFaGetRemarkView(m_pos.headerChoices().remarkFrame());
    m_remark->setObjectName(QStringLiteral("remarkFrame"));
    hideOwnCaption(m_remark);
    m_focusEdits.push_back({m_remark->remarkEdit(), PosFocus::Remark});
    return m_remark;
}

QWidget* PosHeaderPanel::addCurrency()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_currency = new QComboBox(box);
    m_currency->setObjectName(QStringLiteral("currencyComboBox"));
    for (const PosCurrency& currency : m_pos.headerChoices().currencies())
        m_currency->addItem(currency.code + QStringLiteral("  ") + currency.description, currency.id);
    connect(m_currency, &QComboBox::activated, this, ui::guarded([this](int row) {
                m_pos.CurrencyCloseUp(m_currency->itemData(row).toInt());
                showChoices();
            }));
    m_rate = new QLineEdit(box);
    m_rate->setObjectName(QStringLiteral("rateLineEdit"));
    m_rate->setAlignment(Qt::AlignRight);
    m_rate->setMaximumWidth(120);
    // Digits and one decimal point: a rate never holds letters.
    m_rate->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}(\\.[0-9]{0,6})?")), m_rate));
    m_focusEdits.push_back({m_rate, PosFocus::Rate});
    connect(m_rate, &QLineEdit::editingFinished, this, ui::guarded([this] {
                if (!m_rate->isModified())
                    return;
                m_rate->setModified(false);
                m_pos.RateExit(m_rate->text());
            }));
    row->addWidget(m_currency);
    row->addWidget(m_rate);
    return box;
}

QWidget* PosHeaderPanel::addShipTo()
{
    m_shipTo = new QPushButton;
    m_shipTo->setObjectName(QStringLiteral("bShipToPushButton"));
    m_shipTo->setFocusPolicy(Qt::NoFocus);
    connect(m_shipTo, &QPushButton::clicked, this, ui::guarded([this] { m_pos.BShipToClick(); }));
    return m_shipTo;
}

void PosHeaderPanel::showChoices()
{
    const PosBill& bill = m_pos.bill();
    const bool hasRow = bill.hasHeaderRow();
    PosHeaderChoices& choices = m_pos.headerChoices();
    choices.refresh();
    if (const int row = hasRow ? choices.taxFrame().currentRow() : -1; taxList()->currentIndex() != row)
        taxList()->setCurrentIndex(row);
    if (const int row = choices.currencyRow(); m_currency->currentIndex() != row)
        m_currency->setCurrentIndex(row);
    const QString rate = hasRow && !bill.QHd().field(hd::Rate).isNull()
        ? util::FormatNumber(QStringLiteral("0.00##"), bill.headerValue(hd::Rate))
        : QString();
    if (!m_rate->hasFocus() || !m_rate->isModified())
        m_rate->setText(rate);
}

void PosHeaderPanel::showChoiceControls(const PosControls& controls)
{
    m_posNoSearch->setEnabled(controls.posNoEnabled);
    m_tax->setEnabled(controls.taxEnabled);
    m_rate->setEnabled(controls.rateEnabled);
}

} // namespace kvr::pos
