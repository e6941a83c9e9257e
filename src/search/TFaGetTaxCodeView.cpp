#include "search/TFaGetTaxCodeView.h"

#include "search/FieldEvents.h"
#include "ui/base/Guarded.h"
#include "util/NumberFormat.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kvr::search {

TFaGetTaxCodeView::TFaGetTaxCodeView(TFaGetTaxCode& frame, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
    , m_list(new QComboBox(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(frame.caption(), this);
    caption->setMinimumWidth(90);
    m_list->setObjectName(QStringLiteral("ListTaxCodeComboBox"));
    m_list->setMaxVisibleItems(TFaGetTaxCode::kDropDownRows);
    row->addWidget(caption);
    row->addWidget(m_list, 1);
    setFocusProxy(m_list);
    fill();
    connect(m_list, &QComboBox::activated, &m_frame, ui::guarded(std::bind_front(&TFaGetTaxCode::chooseRow, &m_frame)));
    connect(&m_frame, &TFaGetTaxCode::changed, this, [this] { m_list->setCurrentIndex(m_frame.currentRow()); });
    new FieldEvents(m_list, {{}, [this] { m_frame.ListTaxCodeExit(); }, {}});
}

void TFaGetTaxCodeView::fill()
{
    data::Query& tax = m_frame.QTax();
    m_list->clear();
    for (int row = 0; row < tax.recordCount(); ++row) {
        m_list->addItem(tax.fieldAt(row, QStringLiteral("Code")).asString() + QStringLiteral("  ") +
                        util::FormatNumber(QStringLiteral("0.##"), tax.fieldAt(row, QStringLiteral("Rate")).asFloat()) +
                        QLatin1Char('%'));
    }
    m_list->setCurrentIndex(m_frame.currentRow());
}

} // namespace kvr::search
