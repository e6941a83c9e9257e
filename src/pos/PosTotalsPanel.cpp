#include "pos/PosTotalsPanel.h"

#include "pos/TFrPos.h"
#include "ui/base/Guarded.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvr::pos {

PosTotalsPanel::PosTotalsPanel(TFrPos& pos, QWidget* parent)
    : QFrame(parent)
    , m_pos(pos)
{
    setObjectName(QStringLiteral("totalsPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    auto* figures = new QFormLayout;
    figures->setVerticalSpacing(2);
    const std::pair<QString PosCaptions::*, QLabel**> lines[] = {{&PosCaptions::noTaxAmt, &m_noTaxAmt},
                                                                 {&PosCaptions::taxAmt, &m_taxAmt},
                                                                 {&PosCaptions::amountProduct, &m_amountProduct},
                                                                 {&PosCaptions::vat, &m_taxTotal}};
    for (const auto& [caption, value] : lines) {
        auto* label = new QLabel(this);
        m_captionLabels.push_back({label, caption});
        *value = new QLabel(QStringLiteral("0.00"), this);
        (*value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (*value)->setMinimumWidth(110);
        (*value)->setFrameShape(QFrame::Panel);
        (*value)->setFrameShadow(QFrame::Sunken);
        figures->addRow(label, *value);
    }
    // Deletes the line the grid's cursor is on; the grid keeps the focus.
    m_deleteLine = new QPushButton(this);
    m_deleteLine->setObjectName(QStringLiteral("btDeleteLinePushButton"));
    m_deleteLine->setFocusPolicy(Qt::NoFocus);
    connect(m_deleteLine, &QPushButton::clicked, this, ui::guarded([this] { m_pos.BtDeleteLineClick(); }));
    auto* left = new QVBoxLayout;
    left->addLayout(figures);
    left->addWidget(m_deleteLine, 0, Qt::AlignLeft);
    row->addLayout(left);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("totalLabel"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setStyleSheet(QStringLiteral("QLabel { background: black; color: #00ff00; padding: 4px 12px; }"));
    QFont big = m_total->font();
    big.setPointSize(36);
    big.setBold(true);
    m_total->setFont(big);
    m_total->setText(m_pos.totalText());
    row->addWidget(m_total, 1);
}

void PosTotalsPanel::applyCaptions(const PosCaptions& captions)
{
    applyCaptionLabels(m_captionLabels, captions);
    m_deleteLine->setText(captions.deleteLine);
}

void PosTotalsPanel::showTotals()
{
    const PosTotals& totals = m_pos.totals();
    m_noTaxAmt->setText(totals.noTaxAmtText());
    m_taxAmt->setText(totals.taxAmtText());
    m_amountProduct->setText(totals.amountProductText());
    m_taxTotal->setText(totals.taxTotalText());
    m_total->setText(m_pos.totalText());
}

} // namespace kvr::pos
