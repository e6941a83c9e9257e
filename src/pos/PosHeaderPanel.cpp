#include "pos/PosHeaderPanel.h"

#include "pos/PosColumns.h"
#include "pos/TFrPos.h"
#include "search/LookupFrameView.h"
#include "search/TFaGetCustomer.h"
#include "search/TFaGetDepartment.h"
#include "search/TFaGetSalesman.h"
#include "search/TFaGetWarehouse.h"
#include "ui/base/Guarded.h"
#include "ui/base/LookupEdit.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kvr::pos {

namespace {

// Enter or Tab out of the number field with nothing typed starts the bill all the same: with
// automatic numbering that is how every bill starts. Only the cashier's own moves count, not a
// box opening over the window.
class NumberFieldLeaving : public QObject
{
public:
    NumberFieldLeaving(TFrPos& pos, QLineEdit* edit)
        : QObject(edit)
        , m_pos(pos)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool byCashier = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
            // A typed number is taken by the field's own editing-finished handling.
            if (byCashier && !static_cast<QLineEdit*>(watched)->isModified() && !m_pos.bill().hasHeaderRow())
                m_pos.PosNoExit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TFrPos& m_pos;
};

} // namespace

search::LookupFrameView* makePosFrameView(search::LookupFrame& frame, const char* name)
{
    auto* view = new search::LookupFrameView(frame);
    const QString prefix = QString::fromLatin1(name);
    view->setObjectName(prefix + QStringLiteral("Frame"));
    // The window's caption stands for the frame's and follows the language flip.
    if (auto* caption = view->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        caption->hide();
    view->codeEdit()->setObjectName(prefix + QStringLiteral("CodeLineEdit"));
    view->nameLabel()->setObjectName(prefix + QStringLiteral("NameLabel"));
    return view;
}

PosHeaderPanel::PosHeaderPanel(TFrPos& pos, QWidget* parent)
    : QFrame(parent)
    , m_pos(pos)
{
    setObjectName(QStringLiteral("headerPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    const auto label = [this](QString PosCaptions::*caption) {
        auto* l = new QLabel(this);
        m_captionLabels.push_back({l, caption});
        return l;
    };

    QLineEdit* posNo = addEdit("posNo", PosFocus::PosNo);
    connect(posNo, &QLineEdit::textEdited, this,
            ui::guarded([this](const QString& text) { m_pos.headerTexts().posNo = text; }));
    connect(posNo, &QLineEdit::editingFinished, this, ui::guarded([this, posNo] {
                if (posNo->isModified()) {
                    posNo->setModified(false);
                    m_pos.PosNoExit();
                }
            }));
    new NumberFieldLeaving(m_pos, posNo);
    QLineEdit* date = addEdit("docDate", PosFocus::DocDate);
    date->setInputMask(QStringLiteral("99/99/9999"));
    connect(date, &QLineEdit::editingFinished, this, ui::guarded([this, date] {
                if (date->isModified()) {
                    date->setModified(false);
                    m_pos.FaGetDate1DocDateExit(
                        QDate::fromString(date->text(), QStringLiteral("dd/MM/yyyy")).startOfDay());
                }
            }));
    // The lookup frames check their codes when they are left and hand them to the screen; F5 searches.
    m_customerFrame = addFrame(m_pos.customerFrame(), "customer", PosFocus::Customer);
    search::LookupFrameView* salesman = addFrame(m_pos.salesmanFrame(), "salesman", PosFocus::Salesman);
    m_warehouseFrame = addFrame(m_pos.warehouseFrame(), "warehouse", PosFocus::Warehouse);
    search::LookupFrameView* department = addFrame(m_pos.departmentFrame(), "department", PosFocus::None);
    QWidget* tax = addTaxList();
    QWidget* remark = addRemark();
    m_exchangeRate = new QLabel(this);
    m_exchangeRate->setObjectName(QStringLiteral("exchangeRateLabel"));
    m_exchangeRate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QWidget* currency = addCurrency();

    grid->addWidget(label(&PosCaptions::billNo), 0, 0);
    grid->addWidget(withSearchButton(posNo), 0, 1);
    grid->addWidget(label(&PosCaptions::date), 0, 2);
    grid->addWidget(date, 0, 3);
    grid->addWidget(label(&PosCaptions::tax), 0, 4);
    grid->addWidget(tax, 0, 5);
    grid->addWidget(label(&PosCaptions::customer), 1, 0);
    grid->addWidget(m_customerFrame, 1, 1, 1, 5);
    grid->addWidget(label(&PosCaptions::salesman), 2, 0);
    grid->addWidget(salesman, 2, 1);
    m_warehouseCaption = label(&PosCaptions::warehouse);
    grid->addWidget(m_warehouseCaption, 2, 2);
    grid->addWidget(m_warehouseFrame, 2, 3);
    grid->addWidget(label(&PosCaptions::department), 2, 4);
    grid->addWidget(department, 2, 5);
    grid->addWidget(label(&PosCaptions::remark), 3, 0);
    grid->addWidget(remark, 3, 1, 1, 3);
    grid->addWidget(addShipTo(), 3, 4, 1, 2, Qt::AlignLeft);
    grid->addWidget(m_exchangeRate, 4, 0, 1, 2);
    grid->addWidget(currency, 4, 2, 1, 4, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
}

QLineEdit* PosHeaderPanel::addEdit(const char* name, PosFocus focus)
{
    // Parented by the layout, in layout order: that order is the order Enter and Tab follow.
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name) + QStringLiteral("LineEdit"));
    m_focusEdits.push_back({edit, focus});
    return edit;
}

search::LookupFrameView* PosHeaderPanel::addFrame(search::LookupFrame& frame, const char* name, PosFocus focus)
{
    search::LookupFrameView* view = makePosFrameView(frame, name);
    m_focusEdits.push_back({view->codeEdit(), focus});
    return view;
}

QLineEdit* PosHeaderPanel::edit(PosFocus focus) const
{
    for (const FocusEdit& field : m_focusEdits)
        if (field.focus == focus)
            return field.edit;
    return nullptr;
}

void PosHeaderPanel::applyCaptions(const PosCaptions& captions)
{
    applyCaptionLabels(m_captionLabels, captions);
    m_shipTo->setText(captions.shipTo);
}

void PosHeaderPanel::showControls(const PosControls& controls)
{
    const std::pair<PosFocus, bool> enabled[] = {
        {PosFocus::PosNo, controls.posNoEnabled},         {PosFocus::DocDate, controls.dateEnabled},
        {PosFocus::Customer, controls.customerEnabled},   {PosFocus::Salesman, controls.salesmanEnabled},
        {PosFocus::Warehouse, controls.warehouseEnabled}, {PosFocus::TaxCode, controls.taxEnabled}};
    for (const auto& [field, on] : enabled)
        if (QLineEdit* line = edit(field))
            line->setEnabled(on);
    m_warehouseFrame->setVisible(controls.warehouseVisible);
    m_warehouseCaption->setVisible(controls.warehouseVisible);
    m_pos.customerFrame().setFieldEnabled(controls.customerEnabled);
    m_pos.salesmanFrame().setFieldEnabled(controls.salesmanEnabled);
    m_pos.warehouseFrame().setFieldEnabled(controls.warehouseEnabled);
    showChoiceControls(controls);
}

void PosHeaderPanel::showHeader()
{
    const PosHeaderTexts& texts = m_pos.headerTexts();
    const PosBill& bill = m_pos.bill();
    const bool hasRow = bill.hasHeaderRow();
    // The lookup frames show their own codes and names.
    if (QLineEdit* posNo = edit(PosFocus::PosNo); posNo->text() != texts.posNo)
        posNo->setText(texts.posNo);
    m_exchangeRate->setText(m_pos.exchangeRateLabel());
    edit(PosFocus::DocDate)
        ->setText(hasRow ? bill.QHd().field(hd::PosDate).asDateTime().toString(QStringLiteral("dd/MM/yyyy"))
                         : QString());
    showHeaderFields(m_pos, m_fields);
    showChoices();
}

} // namespace kvr::pos
