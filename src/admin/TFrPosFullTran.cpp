#include "admin/TFrPosFullTran.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "printing/docprint/DocumentPrint.h"
#include "search/SearchRunner.h"
#include "search/TFrSearchPos.h"
#include "search/TFrSearchPosHeader.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"
#include "util/ThaiTaxId.h"

namespace kvr::admin {

namespace column = data::fulltax;

FullTaxVariant FullTaxVariant::posBills()
{
    return {data::FullTaxTables::posHd(), QStringLiteral("POS-X1"), QStringLiteral("พิมพ์ใบกำกับภาษีอย่างเต็ม"),
            ReceiptSearch::PosBills};
}

FullTaxVariant FullTaxVariant::posHeader()
{
    return {data::FullTaxTables::posHeader(), QStringLiteral("POS-X2"),
            QStringLiteral("พิมพ์ใบกำกับภาษีอย่างเต็ม (อ้าง PosHeader)"), ReceiptSearch::PosHeader};
}

FullTaxCaptions FullTaxCaptions::forLanguage(bool thai)
{
    const auto pick = [thai](const char* th, const char* en) { return QString::fromUtf8(thai ? th : en); };
    FullTaxCaptions c;
    c.receiptNumber = pick("ใบกำกับภาษีอย่างย่อ เลขที่     ", "Receipt No.");
    c.receiptSearchHint = pick("ค้นหาบิลขายสดอย่างเต็ม", "Search cash sales");
    c.date = pick("วันที่", "Date");
    c.amount = pick("จำนวนเงิน", "Amount");
    c.customerName = pick("ชื่อลูกค้า", "Customer");
    c.customerSearchHint = pick("ค้นหาชื่อลูกค้า", "Search customers");
    c.address = pick("ที่อยู่", "Address");
    c.zipCode = pick("รหัสไปรษณีย์", "Zip code");
    c.phone = pick("โทรศัพท์", "Telephone");
    c.taxNumber = pick("เลขที่ผู้เสียภาษี", "Tax ID");
    c.headOffice = pick("เป็นสำนักงานใหญ่", "Head office");
    c.branchCode = pick("รหัสสาขา", "Branch No.");
    c.lines = pick(" รายการสินค้า ", " Items ");
    return c;
}

TFrPosFullTran::TFrPosFullTran(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner,
                               printing::DocumentPrint& print, FullTaxVariant variant, QObject* parent)
    : ui::TFrForm(prompter, dm.config().session(), parent)
    , m_dm(dm)
    , m_runner(runner)
    , m_print(print)
    , m_variant(std::move(variant))
    , m_store(dm, m_variant.tables)
    , m_faGetProvince1(dm, prompter, runner)
{
    if (m_variant.receiptSearch == FullTaxVariant::ReceiptSearch::PosHeader)
        m_buyerSearch = std::make_unique<search::TFrSearchCustomerPosHeader>(dm, prompter);
    else
        m_buyerSearch = std::make_unique<search::TFrSearchCustomerPosHd>(dm, prompter);
    m_faGetProvince1.bind(QHd(), column::kShipProvince);
    // The province is chosen with the frame's search button only.
    m_faGetProvince1.setFieldEnabled(false);
}

TFrPosFullTran::~TFrPosFullTran() = default;

std::vector<ui::DataGridColumn> TFrPosFullTran::lineColumns() const
{
    const bool thai = session().ThaiLanguage;
    const auto line = [](const QString& field, int width, const QString& title, const QString& format = {}) {
        ui::DataGridColumn c;
        c.field = field;
        c.width = width;
        c.title = title;
        c.readOnly = true;
        c.editor = ui::CellEditorKind::None;
        c.displayFormat = format;
        return c;
    };
    const QString money = QStringLiteral("#,##0.00");
    return {line(column::kProdName, 40, thai ? QStringLiteral(" สินค้า ") : QStringLiteral("Product")),
            line(column::kUnitName, 10, thai ? QStringLiteral("หน่วยนับ") : QStringLiteral("Unit")),
            line(column::kPrice, 12, thai ? QStringLiteral("ราคา/หน่วย") : QStringLiteral("Price"), money),
            line(column::kQuantity, 10, thai ? QStringLiteral("จำนวน") : QStringLiteral("Quantity"),
                 QStringLiteral("#,##0.##")),
            line(column::kTotal, 12, thai ? QStringLiteral("รวม") : QStringLiteral("Total"), money)};
}

void TFrPosFullTran::setControls(const FullTaxControls& controls)
{
    m_faGetProvince1.setSearchEnabled(controls.buyerEnabled);
    if (m_controls == controls)
        return;
    m_controls = controls;
    emit controlsChanged();
}

void TFrPosFullTran::setReceiptNumberText(const QString& text)
{
    if (m_receiptNumberText == text)
        return;
    m_receiptNumberText = text;
    emit receiptNumberTextChanged();
}

void TFrPosFullTran::setBuyerValue(const QString& column, const QVariant& value)
{
    if (isLoaded())
        QHd().setValue(column, value);
}

QString TFrPosFullTran::text(const QString& column) const
{
    return QHd().field(column).asString();
}

bool TFrPosFullTran::isHeadOffice() const
{
    return util::isFlagSet(text(column::kBranchHead));
}

void TFrPosFullTran::showMessage(const QString& thai, const QString& english)
{
    prompter().information(session().ThaiLanguage ? thai : english);
}

void TFrPosFullTran::FormShow()
{
    const QString menuCaption = session().MenuCaption.trimmed();
    setCaption(menuCaption.isEmpty() ? m_variant.resourceCaption : menuCaption);
    setStatusText(0, session().CompanyNameThai);
    m_store.upgradeSchema();
    if (!m_dm.QConfig().isOpen())
        m_dm.QConfig().open();
    ui::TFrForm::FormShow();
    // New, Print and Exit only.
    AcDel().setButtonVisible(false);
    AcSave().setButtonVisible(false);
}

void TFrPosFullTran::AcNewExecute()
{
    ui::TFrForm::AcNewExecute();
    m_store.close();
    setReceiptNumberText(QString());
    m_newFullTax = true;
    AcPrint().setEnabled(false);
    AcPrint().setButtonVisible(true);
    setControls({.receiptEnabled = true, .buyerEnabled = false, .branchCodeEnabled = false});
    m_faGetProvince1.refresh();
    emit recordChanged();
    emit focusRequested(Field::ReceiptNumber);
}

ui::TFrForm::KeyOutcome TFrPosFullTran::FormKeyDown(QKeyCombination key)
{
    if (key == QKeyCombination(Qt::Key_F10) && AcPrint().isEnabled())
        return AcPrint().execute() ? KeyOutcome::Handled : KeyOutcome::Ignored;
    return ui::TFrForm::FormKeyDown(key);
}

void TFrPosFullTran::EdShotNoExit()
{
    const QString number = m_receiptNumberText.trimmed();
    if (!m_controls.receiptEnabled || number.isEmpty())
        return;
    if (!loadReceipt(number))
        AcNewExecute();
}

bool TFrPosFullTran::loadReceipt(const QString& number)
{
    const data::ReceiptCheck check = m_store.checkReceipt(number);
    if (!check.found) {
        showMessage(QStringLiteral("ไม่พบ เอกสารเลขที่ : ") + number, QStringLiteral("Document not found : ") + number);
        return false;
    }
    // A full tax invoice would be a tax document for a sale that was voided.
    if (check.cancelled) {
        prompter().warning(cancelledMessage(number, check.cancelReason));
        return false;
    }
    m_store.openHeader(check.id);
    if (QHd().isEmpty()) {
        showMessage(QStringLiteral("ไม่พบ เอกสารเลขที่ : ") + number + QStringLiteral("\n(ไม่พบข้อมูลลูกค้าของบิลนี้)"),
                    QStringLiteral("Document not found : ") + number +
                        QStringLiteral("\n(the receipt's customer does not exist)"));
        return false;
    }
    m_newFullTax = check.fullTaxNo.trimmed().isEmpty();
    AcPrint().setEnabled(true);
    QHd().edit();
    setReceiptNumberText(text(column::kPosNo));
    if (m_newFullTax)
        fillBuyerFromCustomer();
    m_store.openLines(check.id);
    showBuyer(text(column::kCustomerName));
    // A combined end-of-day invoice is reprinted where it was made, never here.
    if (!m_newFullTax && m_store.countSharing(check.fullTaxNo) > 1) {
        showMessage(QStringLiteral("ได้ออกใบกำกับภาษีอย่างเต็ม แบบรวม ณ สิ้นวัน แล้ว"),
                    QStringLiteral("A combined end-of-day full tax invoice was issued for this receipt"));
        return false;
    }
    emit focusRequested(Field::CustomerName);
    return true;
}

QString TFrPosFullTran::cancelledMessage(const QString& number, const QString& reason) const
{
    QString message = session().ThaiLanguage
        ? QStringLiteral("บิลเลขที่ %1 ถูกยกเลิกแล้ว ไม่สามารถออกใบกำกับภาษีอย่างเต็มได้").arg(number)
        : QStringLiteral("Receipt %1 was cancelled: no full tax invoice can be issued for it").arg(number);
    if (!reason.isEmpty())
        message += QStringLiteral("\nสาเหตุยกเลิก : ") + reason;
    return message;
}

void TFrPosFullTran::fillBuyerFromCustomer()
{
    data::CachedDataset& header = QHd();
    const auto copy = [&](const QString& to, const QString& from) { header.setValue(to, header.field(from).value()); };
    copy(column::kTaxCustomer, column::kTaxNumber);
    copy(column::kCustomerName, column::kName);
    copy(column::kShipAddr1, column::kAdr1);
    copy(column::kShipAddr2, column::kAdr2);
    copy(column::kShipAddr3, column::kAdr3);
    copy(column::kShipProvince, column::kProvince);
    copy(column::kShipZipCode, column::kZipCode);
    copy(column::kShipPhone, column::kPhoneNo);
}

void TFrPosFullTran::showBuyer(const QString& customerName)
{
    const data::BranchData branch = m_store.lastBranchData(customerName);
    QHd().setValue(column::kBranchHead, branch.head);
    QHd().setValue(column::kBranchCode, branch.code);
    setControls({.receiptEnabled = false, .buyerEnabled = true, .branchCodeEnabled = !isHeadOffice()});
    m_faGetProvince1.refresh();
    emit recordChanged();
}

bool TFrPosFullTran::EdShotNoKeyDown(QKeyCombination key)
{
    if (key != QKeyCombination(Qt::Key_F5))
        return false;
    BtSearchShotNoClick();
    return true;
}

bool TFrPosFullTran::CustomerNameKeyDown(QKeyCombination key)
{
    if (key != QKeyCombination(Qt::Key_F5))
        return false;
    BtSearchCustomerClick();
    return true;
}

void TFrPosFullTran::BtSearchShotNoClick()
{
    if (!m_controls.receiptEnabled)
        return;
    // Created for this search and freed afterwards.
    std::unique_ptr<search::TFrSearch> receipts;
    if (m_variant.receiptSearch == FullTaxVariant::ReceiptSearch::PosHeader)
        receipts = std::make_unique<search::TFrSearchPosHeader>(m_dm, prompter());
    else
        receipts = std::make_unique<search::TFrSearchPos>(m_dm, prompter());
    receipts->setDocType(QStringLiteral("P"));
    if (!m_runner.run(*receipts))
        return;
    setReceiptNumberText(receipts->result().trimmed());
    emit focusRequested(Field::ReceiptNumber);
}

void TFrPosFullTran::BtSearchCustomerClick()
{
    if (!m_controls.buyerEnabled || !m_runner.run(*m_buyerSearch))
        return;
    const search::TFrSearchCustomerPosHd& chosen = *m_buyerSearch;
    const data::Field name = chosen.chosen(QStringLiteral("customername"));
    if (name.isNull())
        return;
    const std::pair<QString, const char*> block[] = {
        {column::kCustomerName, "customername"}, {column::kShipAddr1, "shipaddr1"},
        {column::kShipAddr2, "shipaddr2"},       {column::kShipAddr3, "shipaddr3"},
        {column::kShipZipCode, "shipzipcode"},   {column::kShipPhone, "shipphone"},
        {column::kShipProvince, "shipprovince"}, {column::kTaxCustomer, "TaxNumber"},
    };
    for (const auto& [to, from] : block)
        QHd().setValue(to, chosen.chosen(QLatin1String(from)).value());
    showBuyer(name.asString());
    emit focusRequested(Field::CustomerName);
}

void TFrPosFullTran::ChkBranchHeadClick(bool checked)
{
    if (!isLoaded())
        return;
    QHd().setValue(column::kBranchHead, util::flagText(checked));
    setControls({.receiptEnabled = false, .buyerEnabled = true, .branchCodeEnabled = !checked});
}

QString TFrPosFullTran::documentCode() const
{
    if (!session().QdwSite)
        return m_variant.modeCode;
    const QDate date = QHd().field(column::kPosDate).asDate();
    return m_variant.modeCode.trimmed() + QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
}

QStringList TFrPosFullTran::buyerNumberProblems() const
{
    const bool thai = session().ThaiLanguage;
    const QString taxNumber = text(column::kTaxCustomer).trimmed();
    QStringList problems;
    // An empty number is a buyer without one (a person, a foreign buyer); old records may hold
    // other forms, so the cashier decides.
    if (!taxNumber.isEmpty() && !util::isThaiTaxId(taxNumber))
        problems << (thai ? QStringLiteral("เลขที่ผู้เสียภาษี \"%1\" ไม่ถูกต้อง (ต้องเป็นตัวเลข 13 หลัก และเลขหลักสุดท้าย"
                                           "ต้องตรงกับเลขตรวจสอบ)")
                          : QStringLiteral("Tax ID \"%1\" is not valid (13 digits, the last one a check digit)"))
                        .arg(taxNumber);
    const QString branchCode = text(column::kBranchCode).trimmed();
    if (!taxNumber.isEmpty() && !isHeadOffice() && !util::isBranchCode(branchCode))
        problems << (thai ? QStringLiteral("รหัสสาขา \"%1\" ไม่ถูกต้อง (ต้องเป็นตัวเลข 5 หลัก เช่น 00001)")
                          : QStringLiteral("Branch No. \"%1\" is not valid (5 digits, such as 00001)"))
                        .arg(branchCode);
    return problems;
}

void TFrPosFullTran::AcPrintExecute()
{
    if (!isLoaded())
        return;
    const QString code = documentCode();
    const QStringList problems = buyerNumberProblems();
    if (!problems.isEmpty()) {
        const QString question = problems.join(QLatin1Char('\n')) +
            (session().ThaiLanguage ? QStringLiteral("\n\nพิมพ์ใบกำกับภาษีตามที่บันทึกไว้ ?")
                                    : QStringLiteral("\n\nPrint the invoice as it stands ?"));
        if (!prompter().confirm(question, ui::ConfirmColour::Plain)) {
            emit focusRequested(util::isThaiTaxId(text(column::kTaxCustomer).trimmed()) ? Field::BranchCode
                                                                                        : Field::TaxCustomer);
            return;
        }
    }
    if (!ConfirmDialog(QStringLiteral("ยืนยันพิมพ์ใบกำกับภาษีอย่างเต็ม ?")))
        return;
    if (isHeadOffice())
        QHd().setValue(column::kBranchCode, QString());
    const QString number = text(column::kPosNo).trimmed();
    const QDate date = QHd().field(column::kPosDate).asDate();
    data::IssueResult issued;
    try {
        issued = m_store.issue(code, date);
    } catch (...) {
        // Nothing was written: the receipt stays on screen as typed, to be printed again.
        QHd().edit();
        emit recordChanged();
        throw;
    }
    if (issued.outcome != data::IssueResult::Outcome::Issued) {
        if (issued.outcome == data::IssueResult::Outcome::Cancelled)
            prompter().warning(cancelledMessage(number, QString()));
        else
            showMessage(QStringLiteral("ไม่พบ เอกสารเลขที่ : ") + number,
                        QStringLiteral("Document not found : ") + number);
        AcNewExecute();
        return;
    }
    m_print.printDocument(number, date.year(), m_variant.modeCode);
    AcNewExecute();
}

TFrPosFullTran2::TFrPosFullTran2(ui::Prompter& prompter, data::TDM& dm, search::SearchRunner& runner,
                                 printing::DocumentPrint& print, QObject* parent)
    : TFrPosFullTran(prompter, dm, runner, print, FullTaxVariant::posHeader(), parent)
{ }

} // namespace kvr::admin
