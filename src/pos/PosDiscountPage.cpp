#include "pos/PosDiscountPage.h"

#include "pos/TFrPos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kvr::pos {

PosDiscountPage::PosDiscountPage(TFrPos& pos, QWidget* parent)
    : QWidget(parent)
    , m_pos(pos)
{
    setObjectName(QStringLiteral("sheetDiscount"));
    auto* grid = new QGridLayout(this);
    const auto caption = [this](QString PosCaptions::*text) {
        auto* label = new QLabel(this);
        m_captionLabels.push_back({label, text});
        return label;
    };
    grid->addWidget(caption(&PosCaptions::discountName), 0, 0);
    grid->addWidget(caption(&PosCaptions::discountPercent), 0, 1);
    for (int i = 1; i <= 3; ++i) {
        const QString nameField = QStringLiteral("DiscName%1").arg(i);
        const QString rateField = QStringLiteral("DiscRate%1").arg(i);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("discName%1LineEdit").arg(i));
        m_fields.push_back({name, nameField});
        // The name typed is the bill's: it is saved and printed with the discount.
        connect(name, &QLineEdit::textEdited, this, [this, nameField](const QString& text) {
            if (m_pos.bill().hasHeaderRow())
                m_pos.bill().setHeader(nameField, text);
        });
        auto* rate = new QLineEdit(this);
        rate->setObjectName(QStringLiteral("discRate%1LineEdit").arg(i));
        m_focusEdits.push_back({rate, i == 1 ? PosFocus::DiscRate1 : PosFocus::None});
        m_fields.push_back({rate, rateField});
        connect(rate, &QLineEdit::editingFinished, this, [this, rate, rateField] {
            if (!rate->isModified() || !m_pos.bill().hasHeaderRow())
                return;
            rate->setModified(false);
            m_pos.QHd().edit();
            m_pos.bill().setHeader(rateField, rate->text().toDouble());
            m_pos.GetDiscExit();
            m_pos.CalculateAll();
        });
        grid->addWidget(name, i, 0);
        grid->addWidget(rate, i, 1);
    }
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
}

void PosDiscountPage::applyCaptions(const PosCaptions& captions)
{
    applyCaptionLabels(m_captionLabels, captions);
}

void PosDiscountPage::showHeader()
{
    showHeaderFields(m_pos, m_fields);
}

} // namespace kvr::pos
