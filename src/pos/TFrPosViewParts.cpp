// The pages, the totals panel and the window's keys, captions and geometry of the sale screen.
#include "pos/TFrPosView.h"

#include "search/LookupFrameView.h"
#include "ui/base/DataGrid.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvr::pos {

namespace {

QString amountText(double value)
{
    return QLocale::c().toString(value, 'f', 2);
}

} // namespace

QWidget* TFrPosView::buildDiscountPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheetDiscount"));
    auto* grid = new QGridLayout(page);
    const auto caption = [this, page](QString PosCaptions::*text) {
        auto* label = new QLabel(page);
        m_captionLabels.emplace_back(label, text);
        return label;
    };
    grid->addWidget(caption(&PosCaptions::discountName), 0, 0);
    grid->addWidget(caption(&PosCaptions::discountPercent), 0, 1);
    for (int i = 1; i <= 3; ++i) {
        auto* name = new QLineEdit(page);
        name->setObjectName(QStringLiteral("discName%1LineEdit").arg(i));
        m_hdFields.emplace_back(name, QStringLiteral("DiscName%1").arg(i));
        auto* rate = addHeaderEdit(QStringLiteral("discRate%1").arg(i).toLatin1().constData(),
                                   i == 1 ? PosFocus::DiscRate1 : PosFocus::None);
        rate->setParent(page);
        m_hdFields.emplace_back(rate, QStringLiteral("DiscRate%1").arg(i));
        const QString field = QStringLiteral("DiscRate%1").arg(i);
        connect(rate, &QLineEdit::editingFinished, this, [this, rate, field] {
            if (!rate->isModified() || !m_pos.QHd().isOpen() || m_pos.QHd().eof())
                return;
            rate->setModified(false);
            m_pos.QHd().edit();
            m_pos.bill().setHd(field, rate->text().toDouble());
            m_pos.GetDiscExit();
            m_pos.CalculateAll();
        });
        grid->addWidget(name, i, 0);
        grid->addWidget(rate, i, 1);
    }
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* TFrPosView::buildReceiptPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("sheetReceipt"));
    // Every recomputed change (a card dialog closed, a new bill) shows at once.
    connect(&m_pos, &TFrPos::changeChanged, this, &TFrPosView::showHeader);
    auto* form = new QFormLayout(page);
    const std::pair<QString PosCaptions::*, const char*> fields[] = {{&PosCaptions::cash, "Cash"},
                                                                     {&PosCaptions::coupon, "Coupon"},
                                                                     {&PosCaptions::card, "CardAmount"},
                                                                     {&PosCaptions::bankAmount, "BankAmount"},
                                                                     {&PosCaptions::change, "Change"}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(page);
        m_captionLabels.emplace_back(label, caption);
        const QString name = QString::fromLatin1(field);
        auto* edit = addHeaderEdit(field, name == QLatin1String("Cash") ? PosFocus::Cash : PosFocus::None);
        edit->setObjectName(name.toLower() + QStringLiteral("LineEdit"));
        edit->setReadOnly(name == QLatin1String("Change"));
        if (name == QLatin1String("Change")) {
            // Large enough for the customer to read across the counter.
            QFont large(QStringLiteral("Times New Roman"));
            large.setPixelSize(53);
            edit->setFont(large);
        }
        edit->setAlignment(Qt::AlignRight);
        if (name != QLatin1String("Change")) {
            // Money only; a cleared amount is none. Every amount entered recomputes the change.
            auto* money = new QDoubleValidator(0, 1e12, 2, edit);
            money->setNotation(QDoubleValidator::StandardNotation);
            money->setLocale(QLocale::c());
            edit->setValidator(money);
            const auto take = [this, edit, name] {
                if (!m_pos.QHd().isOpen() || m_pos.QHd().eof())
                    return;
                const QString text = edit->text().trimmed();
                m_pos.QHd().edit();
                m_pos.bill().setHd(name, text.isEmpty() ? QVariant() : QVariant(QLocale::c().toDouble(text)));
            };
            connect(edit, &QLineEdit::editingFinished, this, [this, take] {
                take();
                m_pos.ReceiptChange();
            });
            // F10 while an amount is still being typed saves what is typed; an amount shown and
            // not touched stays as the header holds it, to the last decimal.
            connect(&m_pos, &TFrPos::paymentEditsWanted, edit, [edit, take] {
                if (edit->isModified())
                    take();
            });
        }
        m_hdFields.emplace_back(edit, name);
        if (name == QLatin1String("CardAmount")) {
            edit->setToolTip(QStringLiteral("ป้อนยอดเงินที่ไม่รวม Charge"));
            // The card details: the amount follows what the dialog adds up.
            auto* details = new QPushButton(page);
            details->setObjectName(QStringLiteral("BCreditCard"));
            details->setAutoDefault(false);
            connect(details, &QPushButton::clicked, this, [this] { m_pos.BCreditCardClick(); });
            auto* row = new QHBoxLayout;
            row->addWidget(edit, 1);
            row->addWidget(details);
            form->addRow(label, row);
            continue;
        }
        form->addRow(label, edit);
        if (name == QLatin1String("BankAmount")) {
            // The account the transfer went to; a transfer is refused on saving without one.
            auto* bankLabel = new QLabel(page);
            m_captionLabels.emplace_back(bankLabel, &PosCaptions::companyBank);
            form->addRow(bankLabel, addHeaderFrame(m_pos.FaGetCompanyBank1(), "companyBank", PosFocus::None));
        }
    }
    return page;
}

QWidget* TFrPosView::buildTotals()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("totalsPanel"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    auto* figures = new QFormLayout;
    figures->setVerticalSpacing(2);
    const std::pair<QString PosCaptions::*, QLabel**> lines[] = {{&PosCaptions::noTaxAmt, &m_noTaxAmt},
                                                                 {&PosCaptions::taxAmt, &m_taxAmt},
                                                                 {&PosCaptions::amountProduct, &m_amountProduct},
                                                                 {&PosCaptions::vat, &m_taxTotal}};
    for (const auto& [caption, value] : lines) {
        auto* label = new QLabel(panel);
        m_captionLabels.emplace_back(label, caption);
        *value = new QLabel(QStringLiteral("0.00"), panel);
        (*value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        (*value)->setMinimumWidth(110);
        (*value)->setFrameShape(QFrame::Panel);
        (*value)->setFrameShadow(QFrame::Sunken);
        figures->addRow(label, *value);
    }
    m_deleteLine = new QPushButton(panel);
    m_deleteLine->setObjectName(QStringLiteral("btDeleteLinePushButton"));
    m_deleteLine->setFocusPolicy(Qt::NoFocus);
    auto* left = new QVBoxLayout;
    left->addLayout(figures);
    left->addWidget(m_deleteLine, 0, Qt::AlignLeft);
    row->addLayout(left);

    m_total = new QLabel(panel);
    m_total->setObjectName(QStringLiteral("totalLabel"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setStyleSheet(QStringLiteral("QLabel { background: black; color: #00ff00; padding: 4px 12px; }"));
    QFont big = m_total->font();
    big.setPointSize(36);
    big.setBold(true);
    m_total->setFont(big);
    m_total->setText(m_pos.TotalText());
    row->addWidget(m_total, 1);
    return panel;
}

void TFrPosView::applyCaptions()
{
    const PosCaptions& captions = m_pos.captions();
    for (const auto& [label, caption] : m_captionLabels)
        label->setText(captions.*caption);
    m_pages->setTabText(0, captions.productPage);
    m_pages->setTabText(1, captions.discountPage);
    m_pages->setTabText(2, captions.receiptPage);
    m_deleteLine->setText(captions.deleteLine);
    if (auto* details = findChild<QPushButton*>(QStringLiteral("BCreditCard")))
        details->setText(captions.cardDetails);
}

void TFrPosView::applyColumns()
{
    const std::vector<GridColumn>& columns = m_pos.columns();
    const QStringList list = ColumnListText(columns);
    if (m_grid->columnList() != list)
        m_grid->setColumnList(list);
    for (const GridColumn& column : columns) {
        m_grid->setColumnReadOnly(column.field, column.readOnly);
        m_grid->setColumnVisible(column.field, column.visible);
        if (!column.displayFormat.isEmpty())
            m_grid->setColumnFormat(column.field, column.displayFormat);
    }
}

void TFrPosView::showControls()
{
    const PosControls& controls = m_pos.controls();
    const std::pair<PosFocus, bool> enabled[] = {
        {PosFocus::PosNo, controls.posNoEnabled},         {PosFocus::DocDate, controls.dateEnabled},
        {PosFocus::Customer, controls.customerEnabled},   {PosFocus::Salesman, controls.salesmanEnabled},
        {PosFocus::Warehouse, controls.warehouseEnabled}, {PosFocus::TaxCode, controls.taxEnabled}};
    for (const auto& [field, on] : enabled)
        if (QLineEdit* edit = headerEdit(field))
            edit->setEnabled(on);
    m_warehouseFrame->setVisible(controls.warehouseVisible);
    for (const auto& [label, caption] : m_captionLabels)
        if (caption == &PosCaptions::warehouse)
            label->setVisible(controls.warehouseVisible);
    const int index = static_cast<int>(controls.page);
    if (m_pages->currentIndex() != index)
        m_pages->setCurrentIndex(index);
    m_deleteLine->setEnabled(controls.deleteLineEnabled);
    m_pos.FaGetCustomer1().setFieldEnabled(controls.customerEnabled);
    m_pos.FaGetSalesman1().setFieldEnabled(controls.salesmanEnabled);
    m_pos.FaGetWarehouse1().setFieldEnabled(controls.warehouseEnabled);
}

void TFrPosView::showHeader()
{
    const PosHeaderTexts& texts = m_pos.headerTexts();
    const bool hasRow = m_pos.QHd().isOpen() && !m_pos.QHd().eof();
    // The lookup frames show their own codes and names.
    if (QLineEdit* posNo = headerEdit(PosFocus::PosNo); posNo->text() != texts.posNo)
        posNo->setText(texts.posNo);
    m_exchangeRate->setText(m_pos.exchangeRateLabel());
    if (QLineEdit* date = headerEdit(PosFocus::DocDate))
        date->setText(
            hasRow ? m_pos.QHd().field(QStringLiteral("PosDate")).asDateTime().toString(QStringLiteral("dd/MM/yyyy"))
                   : QString());
    if (QLineEdit* tax = headerEdit(PosFocus::TaxCode))
        tax->setText(hasRow ? amountText(m_pos.bill().hd(QStringLiteral("TaxRate"))) : QString());
    for (const auto& [edit, field] : m_hdFields) {
        const QString text = !hasRow ? QString()
            : field.startsWith(QLatin1String("Disc")) && !field.startsWith(QLatin1String("DiscName"))
            ? amountText(m_pos.bill().hd(field))
            : field == QLatin1String("Remark") || field.startsWith(QLatin1String("DiscName"))
            ? m_pos.bill().hdText(field)
            : field == QLatin1String("Change") ? m_pos.ChangeText()
                                               : amountText(m_pos.bill().hd(field));
        if (edit->text() != text)
            edit->setText(text);
        // Cash short of the bill: the change shows 0.00 in red.
        if (field == QLatin1String("Change"))
            edit->setStyleSheet(hasRow && m_pos.ChangeShortfall() ? QStringLiteral("color: red;") : QString());
    }
}

void TFrPosView::showTotals()
{
    const PosTotals& totals = m_pos.totals();
    m_noTaxAmt->setText(totals.NoTaxAmtText());
    m_taxAmt->setText(totals.TaxAmtText());
    m_amountProduct->setText(totals.AmountProductText());
    m_taxTotal->setText(totals.TaxTotalText());
    m_total->setText(m_pos.TotalText());
    showHeader();
}

void TFrPosView::moveFocus(PosFocus focus)
{
    QWidget* target = focus == PosFocus::Grid ? static_cast<QWidget*>(m_grid) : headerEdit(focus);
    if (!target)
        return;
    if (focus == PosFocus::Grid)
        m_pages->setCurrentIndex(static_cast<int>(PosPage::Product));
    QTimer::singleShot(0, target, [target] {
        target->setFocus(Qt::OtherFocusReason);
        // What the cashier types replaces the proposed value (the cash proposed as the total).
        if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->selectAll();
    });
}

bool TFrPosView::pageKey(QKeyCombination key)
{
    if (key.keyboardModifiers() != Qt::NoModifier)
        return false;
    const bool inGrid = m_grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == m_grid;
    switch (key.key()) {
    case Qt::Key_F7:
        m_pos.PosPageChange(PosPage::Product);
        if (inGrid)
            moveFocus(PosFocus::Grid);
        return true;
    case Qt::Key_F8: // the page key wins over the base form's delete shortcut on this screen
        m_pos.PosPageChange(PosPage::Discount);
        if (inGrid)
            moveFocus(PosFocus::DiscRate1);
        return true;
    case Qt::Key_F9:
        m_pos.ShowReceiptPage();
        showHeader();
        return true;
    default:
        return false;
    }
}

void TFrPosView::gridColumnEntered(const QString& field)
{
    const QString name = field.trimmed().toUpper();
    const bool nameColumn = name == QLatin1String("POSNAME") || name == QLatin1String("THAINAME");
    if (nameColumn == m_memoMenuOn)
        return;
    m_memoMenuOn = nameColumn;
    for (QAction* action : m_grid->actions())
        m_grid->removeAction(action);
    if (!nameColumn)
        return;
    auto* memo = new QAction(QStringLiteral("ป้อนคำอธิบายเพิ่มเติม"), m_grid);
    memo->setObjectName(QStringLiteral("n1MenuItem"));
    connect(memo, &QAction::triggered, this, &TFrPosView::editMemoLine);
    m_grid->addAction(memo);
}

void TFrPosView::editMemoLine()
{
    if (!m_pos.QDt().isOpen() || m_pos.QDt().eof())
        return;
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("เพิ่มเติม คำอธิบายรายการ"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QPlainTextEdit(m_pos.bill().dtText(QStringLiteral("MemoLine")), &dialog);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_pos.QDt().edit();
    m_pos.bill().setDt(QStringLiteral("MemoLine"), text->toPlainText());
}

bool TFrPosView::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the program passes here first (key preview), the tool bar's clicks among them.
    if (watched == m_toolbar && event->type() == QEvent::MouseButtonPress) {
        // Only the bare tool bar: its buttons take their own clicks.
        m_pos.ToolBar1Click();
        return false;
    }
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        QWidget* focus = QApplication::focusWidget();
        const bool here = focus ? watched == focus && (focus == this || isAncestorOf(focus)) : watched == this;
        if (here && pageKey(static_cast<QKeyEvent*>(event)->keyCombination()))
            return true;
    }
    return ui::TFrFormView::eventFilter(watched, event);
}

void TFrPosView::showEvent(QShowEvent* event)
{
    const bool first = !event->spontaneous() && !m_geometryRestored;
    m_geometryRestored = m_geometryRestored || first;
    // The base form centres the window the first time; the stored place wins over that.
    if (first)
        restoreGeometry(false);
    ui::TFrFormView::showEvent(event);
    // The shift dialog was cancelled: a window cannot close while it is being shown, so it closes
    // right after.
    if (m_pos.CloseWithoutAsking())
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    else if (first)
        restoreGeometry(true);
}

void TFrPosView::closeEvent(QCloseEvent* event)
{
    ui::TFrFormView::closeEvent(event);
    if (event->isAccepted())
        storeGeometry();
}

void TFrPosView::restoreGeometry(bool place)
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(kIniSection));
    if (!ini.contains(QStringLiteral("Width")))
        return;
    const int width = std::max(kMinimumWidth, ini.value(QStringLiteral("Width")).toInt());
    const int height = std::max(minimumHeight(), ini.value(QStringLiteral("Height")).toInt());
    if (!place)
        resize(width, height);
    else
        move(ini.value(QStringLiteral("Left")).toInt(), ini.value(QStringLiteral("Top")).toInt());
}

void TFrPosView::storeGeometry() const
{
    QSettings ini(iniPath(), QSettings::IniFormat);
    ini.beginGroup(QString::fromLatin1(kIniSection));
    ini.setValue(QStringLiteral("Left"), x());
    ini.setValue(QStringLiteral("Top"), y());
    ini.setValue(QStringLiteral("Width"), width());
    ini.setValue(QStringLiteral("Height"), height());
}

} // namespace kvr::pos
