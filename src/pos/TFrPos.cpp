#include "pos/TFrPos.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

#ifndef KVR_POS_VERSION
#define KVR_POS_VERSION "dev"
#endif

namespace kvr::pos {

namespace {

QStringList machineSql()
{
    return {QStringLiteral("select d.salesman,d.department,d.warehouse,d.CashDrawer, d.Remark, D.PrinterCode,"),
            QStringLiteral("       S.Code CodeSalesman,d.baudrate"),
            QStringLiteral("from posshiftno p"),
            QStringLiteral("inner join posmachineno d on d.id=p.posmachineno"),
            QStringLiteral("Left Join salesman S On (S.Id = D.Salesman)"),
            QStringLiteral("where p.id=:getid")};
}

QStringList customerSql()
{
    return {QStringLiteral("SELECT C.Id, C.Name, C.NameEng, C.HeadCode, C.Vendor, C.TaxNumber, C.TaxCode, C.Address1,"),
            QStringLiteral("  C.Address2, C.Address3, C.Province, C.ZipCode, C.PhoneNo, C.FaxNo, "),
            QStringLiteral("  C.OpenAccount, C.DueDays, C.CreditLimit, C.Transport, C.PriceLevel,"),
            QStringLiteral("  C.DirectCus, C.LocalCustomer, C.DropCredit, C.Blocked, C.Salesman, S.Code,"),
            QStringLiteral("  T.Id TaxId,T.Code CodeTax, T.Rate TaxRate,C.DiscountStr,"),
            QStringLiteral("  C.DiscName1,C.DiscRate1,C.DiscName2,C.DiscRate2,C.DiscName3,C.DiscRate3, C.StoreCode"),
            QStringLiteral("FROM Customer C"),
            QStringLiteral("Inner Join Salesman S On (C.Salesman = S.ID)"),
            QStringLiteral("Inner Join Tax T On (T.Id = C.TaxCode)"),
            QStringLiteral("WHERE (C.Code = :GetCode)")};
}

} // namespace

TFrPos::TFrPos(ui::Prompter& prompter, data::TDM& dm, products::TDmProduct& product, PosMode mode, bool allowZeroPrice,
               QObject* parent)
    : ui::TFrForm(prompter, dm.config().session(), parent)
    , m_dm(dm)
    , m_product(product)
    , m_mode(mode)
    , m_documentCode(PosDocumentCode(mode))
    , m_allowZeroPrice(allowZeroPrice)
    , m_bill(dm.DMdata())
    , m_calc(m_bill, dm, product, prompter)
    , m_qMachineNo(dm.DMdata())
    , m_qCustomer(dm.DMdata())
    , m_qTax(dm.DMdata(), QStringLiteral("SELECT Id, Code, Description, Rate FROM Tax ORDER BY Code"))
    , m_qWarehouseCode(dm.DMdata(), QStringLiteral("SELECT Code FROM Warehouse WHERE Id = :GetId"))
    , m_qDepartment(dm.DMdata(),
                    QStringLiteral("SELECT Id, Code, Description FROM Misc "
                                   "WHERE (GroupCode = 'DEPARTMENT') And (Code = :GetCode)"))
    , m_service(dm)
    , m_quantityTexts(dm)
    , m_qReserved(dm.DMdata())
    , m_qLineCustomer(dm.DMdata(), QStringLiteral("SELECT PriceLevel, DiscountStr FROM Customer WHERE Id = :GetId"))
    , m_card(prompter, dm.DMdata())
{
    m_qReserved.setSqlLines({QStringLiteral("select sum(backorder) qnty"), QStringLiteral("from sodt"),
                             QStringLiteral("where (product=:pid) and (backorder > 0) and (sodate <= :date)")});
    m_qMachineNo.setSqlLines(machineSql());
    m_qCustomer.setSqlLines(customerSql());
    // Services have no warehouse at all; miscellaneous bills keep the field but never use it.
    m_controls.warehouseVisible = mode != PosMode::Service;
    m_controls.warehouseEnabled = mode == PosMode::Goods;
    m_published = m_controls;
    m_captions = PosCaptions::For(session().ThaiLanguage);
    // F10 or the Save button first take what is typed and not yet entered (lines and amounts),
    // so that Save is judged on the bill as it stands; a bill still short goes to its payment.
    AcSave().setBeforeExecute([this] {
        if (!hasHeaderRow())
            return true;
        takeTypedEntries();
        if (!AcSave().isEnabled() && m_changeShortfall && SaveAllowedByRights()) {
            ShowReceiptPage();
            return false;
        }
        return true;
    });
}

void TFrPos::takeTypedEntries()
{
    m_bill.QHd().edit();
    emit paymentEditsWanted();
    CalculateAll();
}

void TFrPos::setCurrentShift(int shiftId, const QDateTime& shiftDate)
{
    m_currentShiftId = shiftId;
    m_currentShiftDate = shiftDate;
    m_product.setCurrentShiftDate(shiftDate);
}

QString TFrPos::configText(const char* field) const
{
    return m_dm.QConfig().field(QString::fromLatin1(field)).asString().trimmed();
}

void TFrPos::message(const QString& text)
{
    prompter().information(text);
}

bool TFrPos::hasHeaderRow() const
{
    return m_bill.QHd().isOpen() && !m_bill.QHd().eof();
}

void TFrPos::setFocusTo(PosFocus focus)
{
    m_focus = focus;
    emit focusRequested(focus);
}

void TFrPos::publishControls()
{
    if (m_controls == m_published)
        return;
    m_published = m_controls;
    emit controlsChanged();
}

void TFrPos::RefreshScreen()
{
    m_captions = PosCaptions::For(session().ThaiLanguage);
    emit captionsChanged();
}

void TFrPos::ToolBar1Click()
{
    data::SessionContext& session = m_dm.config().mutableSession();
    session.ThaiLanguage = !session.ThaiLanguage;
    RefreshScreen();
}

void TFrPos::FormShow()
{
    RefreshScreen();
    m_dm.DMdata().open();
    m_exchangeRateLabel = QStringLiteral("อัตราแลกเปลียน / ") + m_dm.MainCurrencyName().trimmed();
    setCaption(session().MenuCaption.trimmed() + QStringLiteral(" (") + QStringLiteral(KVR_POS_VERSION) +
               QLatin1Char(')'));
    setStatusText(0, session().CompanyNameThai);
    ui::TFrForm::FormShow();
    if (!m_dm.QConfig().isOpen())
        m_dm.QConfig().open();
    m_product.setUseBarCode(configText("PosUseBarCode") == QLatin1String("Y"));
    AcSave().setEnabled(false);
    if (m_shiftDialog && m_shiftDialog()) {
        m_closeWithoutAsking = false;
        AcNewExecute();
    } else {
        m_closeWithoutAsking = true;
        emit closeRequested();
    }
}

bool TFrPos::FormClose()
{
    m_qMachineNo.close();
    if (m_closeWithoutAsking)
        return true;
    return ui::TFrForm::FormClose();
}

void TFrPos::SetDgDtColumn()
{
    if (!m_bill.QDt().isOpen())
        return;
    setStatusText(1, QString());
    m_lastProductCode = m_bill.dtText(QStringLiteral("ProductCode"));
    m_lastUnitName = m_bill.dtText(QStringLiteral("UnitName"));
    m_lastProductUnits = m_bill.dtId(QStringLiteral("ProductUnits"));
    LineRowFlags row;
    row.headerHasWarehouse = hasHeaderRow() && m_bill.hdId(QStringLiteral("Warehouse")) > 0;
    row.lotControl = m_bill.dtText(QStringLiteral("LotControl"));
    row.useSerial = m_bill.dtText(QStringLiteral("UseSerial"));
    row.editSalePrice = session().EditSalePrice;
    m_columns = LineGridColumns(m_mode, session().ThaiLanguage, row);
    emit columnsChanged();
}

void TFrPos::CalculateAll()
{
    m_calc.CalculateAll();
    emit totalsChanged();
    // A new total changes what is still owed: the change and whether the bill may be saved.
    ReceiptChange();
}

QString TFrPos::TotalText() const
{
    return PosTotals::TotalText(hasHeaderRow() ? m_bill.hd(QStringLiteral("Total")) : 0.0);
}

void TFrPos::DgDtFieldChanged(const QString& fieldName)
{
    const QString name = fieldName.toUpper();
    if (name != QLatin1String("QUANTITY") && name != QLatin1String("PRICE") && name != QLatin1String("DISCOUNT"))
        return;
    CalculateDtRecord();
    CalculateAll();
}

} // namespace kvr::pos
