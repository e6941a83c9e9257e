#include "pos/PosDiscountPage.h"

#include "pos/TFrPos.h"
#include "ui/base/Guarded.h"

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
    grid->addWidget(caption(&PosCaptions::discountAmount), 0, 2);
    for (int i = 1; i <= 3; ++i) {
        const QString nameField = QStringLiteral("DiscName%1").arg(i);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("discName%1LineEdit").arg(i));
        name->setMaxLength(100);
        m_fields.push_back({name, nameField});
        // The name typed is the bill's: it is saved and printed with the discount.
        connect(name, &QLineEdit::textEdited, this, ui::guarded([this, nameField](const QString& text) {
                    if (m_pos.bill().hasHeaderRow())
                        m_pos.bill().setHeader(nameField, text);
                }));
        grid->addWidget(name, i, 0);
        QLineEdit* rate = addFigure(QStringLiteral("discRate%1LineEdit").arg(i), QStringLiteral("DiscRate%1").arg(i),
                                    Figure::Rate, i);
        m_focusEdits.push_back({rate, i == 1 ? PosFocus::DiscRate1 : PosFocus::None});
        grid->addWidget(rate, i, 1);
        grid->addWidget(addFigure(QStringLiteral("discAmt%1LineEdit").arg(i), QStringLiteral("DiscAmt%1").arg(i),
                                  Figure::Amount, i),
                        i, 2);
    }
    m_sum = new QLineEdit(this);
    m_sum->setObjectName(QStringLiteral("sumDiscountLineEdit"));
    m_sum->setReadOnly(true);
    m_sum->setFocusPolicy(Qt::NoFocus);
    m_sum->setAlignment(Qt::AlignRight);
    auto* sumCaption = caption(&PosCaptions::discountSum);
    sumCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(sumCaption, 4, 1);
    grid->addWidget(m_sum, 4, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
}

QLineEdit* PosDiscountPage::addFigure(const QString& name, const QString& field, Figure figure, int which)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    m_fields.push_back({edit, field});
    connect(edit, &QLineEdit::editingFinished, this, ui::guarded([this, edit, figure, which] {
                if (!edit->isModified() || !m_pos.bill().hasHeaderRow())
                    return;
                edit->setModified(false);
                if (figure == Figure::Rate)
                    m_pos.DiscRateExit(which, edit->text());
                else
                    m_pos.DiscAmtExit(which, edit->text());
            }));
    return edit;
}

void PosDiscountPage::applyCaptions(const PosCaptions& captions)
{
    applyCaptionLabels(m_captionLabels, captions);
}

void PosDiscountPage::showHeader()
{
    showHeaderFields(m_pos, m_fields);
    const QString sum = m_pos.bill().hasHeaderRow() ? amountText(m_pos.totals().sumDiscount) : QString();
    if (m_sum->text() != sum)
        m_sum->setText(sum);
}

} // namespace kvr::pos
