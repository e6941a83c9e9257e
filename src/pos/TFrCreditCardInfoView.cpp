#include "pos/TFrCreditCardInfoView.h"

#include "pos/PosColumns.h"
#include "ui/base/DataGrid.h"
#include "ui/base/Guarded.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kvr::pos {

TFrCreditCardInfoView::TFrCreditCardInfoView(TFrCreditCardInfo& form, QWidget* parent)
    : QDialog(parent)
    , m_form(form)
    , m_grid(new ui::DataGrid(this))
    , m_rcptTotal(new QLabel(this))
    , m_amountTotal(new QLabel(this))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
{
    setWindowTitle(QStringLiteral("รายละเอียดบัตรเครดิต"));
    setObjectName(QStringLiteral("TFrCreditCardInfo"));
    m_grid->setObjectName(QStringLiteral("CardData"));
    // Wider than the field lengths: the Thai titles need the room.
    const auto column = [](const QString& field, int width, const char* title) {
        return field + QLatin1Char('\t') + QString::number(width) + QLatin1Char('\t') + QString::fromUtf8(title);
    };
    m_grid->setColumnList({column(card::cardcode, 8, "ชนิดบัตร"), column(card::CardNo, 20, "หมายเลขบัตร"),
                           column(card::SlipNo, 12, "เลขสลิป"), column(card::VerifyCode, 12, "เลขที่อนุมัติ"),
                           column(card::CardRcpt, 12, "จำนวนเงิน"), column(card::CardRate, 10, "Charge(%)"),
                           column(card::CardCharge, 12, "Charge(บาท)"), column(card::CardAmount, 12, "รวมเงิน")});
    for (const QString* field : {&card::CardRcpt, &card::CardCharge, &card::CardAmount})
        m_grid->setColumnFormat(*field, QStringLiteral("#,##0.00"));
    m_grid->setColumnUpperCase(card::cardcode, true);
    // The card type is typed or picked from the card types with their names (F5 or Alt+Down).
    m_grid->setColumnChoices(card::cardcode, [this] {
        std::vector<ui::CellChoice> choices;
        const data::Query& cards = m_form.QCard();
        if (cards.isOpen())
            for (int row = 0; row < cards.recordCount(); ++row)
                choices.push_back({cards.fieldAt(row, card::cardcode).asString().trimmed(),
                                   cards.fieldAt(row, card::cardname).asString().trimmed()});
        return choices;
    });
    // The row's total is worked out, never typed.
    m_grid->setColumnReadOnly(card::CardAmount, true);
    // A deposited slip keeps its type and amounts.
    for (const QString& cell : TFrCreditCardInfo::lockedWhenDeposited())
        m_grid->setColumnReadOnlyRule(cell, [this, cell](int row) { return m_form.cellReadOnly(row, cell); });
    m_grid->setDataset(&m_form.QCreditCard());

    // The exit rules run once the grid has settled on its new cell, on the row that was left;
    // a cell left for another row has them run at once, while the row is still current.
    connect(m_grid, &ui::DataGrid::colExit, this, [this](const QString& field) {
        const int row = m_form.QCreditCard().recNo();
        QTimer::singleShot(0, this, [this, row, field] { m_form.cellExit(field, row); });
    });
    connect(m_grid, &ui::DataGrid::rowLeaving, this, [this](int, const QString& field) { m_form.cellExit(field); });
    // Down on the last row, or Enter in its last cell: another card row, when the screen opens one.
    connect(m_grid, &ui::DataGrid::endReached, this, [this] {
        if (m_form.appendRow(m_grid->selectedField()))
            m_grid->setSelectedField(card::cardcode);
    });
    connect(m_grid, &ui::DataGrid::rowChanged, this, [this](int) { m_form.SetCardRowReadOnly(); });
    connect(&m_form, &TFrCreditCardInfo::totalsChanged, this, &TFrCreditCardInfoView::showTotals);

    auto* clear = new QPushButton(QStringLiteral("&ลบทุกรายการ"), this);
    auto* deleteLine = new QPushButton(QStringLiteral("&ลบเฉพาะรายการ"), this);
    m_ok->setObjectName(QStringLiteral("BOk"));
    clear->setObjectName(QStringLiteral("BClear"));
    deleteLine->setObjectName(QStringLiteral("BDelLine"));
    for (QPushButton* b : {m_ok, clear, deleteLine})
        b->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, ui::guarded([this] {
                if (m_form.BOkClick())
                    accept();
            }));
    connect(clear, &QPushButton::clicked, this, ui::guarded([this] {
                m_form.BClearClick();
                m_grid->setSelectedField(card::cardcode);
                m_grid->setFocus();
            }));
    connect(deleteLine, &QPushButton::clicked, this, ui::guarded([this] {
                m_form.BDelLineClick();
                m_grid->setSelectedField(card::cardcode);
                m_grid->setFocus();
            }));

    m_rcptTotal->setObjectName(QStringLiteral("rcptTotal"));
    m_amountTotal->setObjectName(QStringLiteral("amountTotal"));
    auto* footer = new QHBoxLayout;
    footer->addStretch(1);
    footer->addWidget(new QLabel(QStringLiteral("จำนวนเงิน"), this));
    footer->addWidget(m_rcptTotal);
    footer->addSpacing(24);
    footer->addWidget(new QLabel(QStringLiteral("รวมเงิน"), this));
    footer->addWidget(m_amountTotal);
    for (QLabel* total : {m_rcptTotal, m_amountTotal}) {
        total->setMinimumWidth(100);
        total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        total->setFrameShape(QFrame::Panel);
        total->setFrameShadow(QFrame::Sunken);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(clear);
    buttons->addWidget(deleteLine);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(footer);
    layout->addLayout(buttons);
    resize(900, 300);
}

bool TFrCreditCardInfoView::run()
{
    m_form.prepareRows();
    showTotals();
    // At the top right of the screen, clear of the bill's total and the receipt page.
    if (QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        adjustSize();
        const QRect area = screen->availableGeometry();
        move(area.right() + 1 - frameGeometry().width(), area.top());
    }
    // The cursor starts in the card type of the current row once the window is up.
    QTimer::singleShot(0, this, [this] {
        m_grid->setFocus(Qt::OtherFocusReason);
        m_grid->setSelectedField(card::cardcode);
    });
    return exec() == QDialog::Accepted;
}

void TFrCreditCardInfoView::showTotals()
{
    m_rcptTotal->setText(m_form.rcptTotalText());
    m_amountTotal->setText(m_form.amountTotalText());
}

} // namespace kvr::pos
