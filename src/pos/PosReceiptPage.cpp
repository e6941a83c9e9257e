#include "pos/PosReceiptPage.h"

#include "pos/PosColumns.h"
#include "pos/PosHeaderPanel.h"
#include "pos/TFrPos.h"
#include "search/LookupFrameView.h"
#include "search/TFaGetCompanyBank.h"
#include "ui/base/Guarded.h"
#include "ui/base/LookupEdit.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr::pos {

PosReceiptPage::PosReceiptPage(TFrPos& pos, QWidget* parent)
    : QWidget(parent)
    , m_pos(pos)
{
    setObjectName(QStringLiteral("sheetReceipt"));
    // The payments on the left, the change large on the right: side by side the change keeps its
    // whole height on the smallest counter screen (800 x 600).
    auto* columns = new QHBoxLayout(this);
    auto* form = new QFormLayout;
    columns->addLayout(form, 1);
    auto* changeColumn = new QVBoxLayout;
    columns->addLayout(changeColumn, 1);
    const std::pair<QString PosCaptions::*, const QString*> fields[] = {{&PosCaptions::cash, &hd::Cash},
                                                                        {&PosCaptions::coupon, &hd::Coupon},
                                                                        {&PosCaptions::card, &hd::CardAmount},
                                                                        {&PosCaptions::bankAmount, &hd::BankAmount},
                                                                        {&PosCaptions::change, &hd::Change}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(this);
        m_captionLabels.push_back({label, caption});
        QLineEdit* edit = addAmount(*field);
        if (*field == hd::CardAmount) {
            edit->setToolTip(QStringLiteral("ป้อนยอดเงินที่ไม่รวม Charge"));
            // The card details: the amount follows what the dialog adds up.
            m_cardDetails = new QPushButton(this);
            m_cardDetails->setObjectName(QStringLiteral("BCreditCard"));
            m_cardDetails->setAutoDefault(false);
            connect(m_cardDetails, &QPushButton::clicked, this, ui::guarded([this] { m_pos.BCreditCardClick(); }));
            auto* row = new QHBoxLayout;
            row->addWidget(edit, 1);
            row->addWidget(m_cardDetails);
            form->addRow(label, row);
            continue;
        }
        if (*field == hd::Change) {
            changeColumn->addWidget(label);
            changeColumn->addWidget(edit);
            changeColumn->addStretch(1);
            continue;
        }
        form->addRow(label, edit);
        if (*field == hd::BankAmount) {
            // The account the transfer went to; a transfer is refused on saving without one.
            auto* bankLabel = new QLabel(this);
            m_captionLabels.push_back({bankLabel, &PosCaptions::companyBank});
            search::LookupFrameView* bank = makePosFrameView(m_pos.companyBankFrame(), "companyBank");
            m_focusEdits.push_back({bank->codeEdit(), PosFocus::None});
            form->addRow(bankLabel, bank);
        }
    }
}

// An amount edit bound to its header column, in layout order (the order Enter follows).
QLineEdit* PosReceiptPage::addAmount(const QString& field)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(field.toLower() + QStringLiteral("LineEdit"));
    m_focusEdits.push_back({edit, field == hd::Cash ? PosFocus::Cash : PosFocus::None});
    m_fields.push_back({edit, field});
    edit->setAlignment(Qt::AlignRight);
    if (field == hd::Change) {
        m_change = edit;
        edit->setReadOnly(true);
        // Large enough for the customer to read across the counter.
        QFont large(QStringLiteral("Times New Roman"));
        large.setPixelSize(53);
        edit->setFont(large);
        return edit;
    }
    // Money only; a cleared amount is none. Every amount entered recomputes the change.
    auto* money = new QDoubleValidator(0, 1e12, 2, edit);
    money->setNotation(QDoubleValidator::StandardNotation);
    money->setLocale(QLocale::c());
    edit->setValidator(money);
    const auto take = [this, edit, field] {
        if (!m_pos.bill().hasHeaderRow())
            return;
        const QString text = edit->text().trimmed();
        m_pos.QHd().edit();
        // A cleared amount is none received: 0, as a bill stores it.
        m_pos.bill().setHeader(field, text.isEmpty() ? 0.0 : QLocale::c().toDouble(text));
    };
    connect(edit, &QLineEdit::editingFinished, this, ui::guarded([this, take] {
                take();
                m_pos.ReceiptChange();
            }));
    // F10 while an amount is still being typed saves what is typed; an amount shown and not
    // touched stays as the header holds it, to the last decimal.
    connect(&m_pos, &TFrPos::paymentEditsWanted, edit, [edit, take] {
        if (edit->isModified())
            take();
    });
    return edit;
}

void PosReceiptPage::applyCaptions(const PosCaptions& captions)
{
    applyCaptionLabels(m_captionLabels, captions);
    m_cardDetails->setText(captions.cardDetails);
}

void PosReceiptPage::showHeader()
{
    showHeaderFields(m_pos, m_fields);
    // Cash short of the bill: the change shows 0.00 in red.
    m_change->setStyleSheet(m_pos.bill().hasHeaderRow() && m_pos.changeShortfall() ? QStringLiteral("color: red;")
                                                                                   : QString());
}

} // namespace kvr::pos
