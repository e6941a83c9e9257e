// Line entry: a code or barcode becomes a line; the warehouse, lot and serial cells; deleting a line.
#include "data/TDM.h"
#include "pos/TFrPos.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"
#include "util/Dates.h"

namespace kvr::pos {

namespace {

const QString kProductCode = QStringLiteral("ProductCode");

bool lineIsOpen(const data::CachedDataset& dt)
{
    return dt.isOpen() && !dt.eof();
}

} // namespace

int TFrPos::billYear() const
{
    return util::YearOf(hasHeaderRow() ? m_bill.QHd().field(QStringLiteral("PosDate")).asDateTime() : QDateTime());
}

bool TFrPos::ProductCodeEnter()
{
    setStatusText(1, QString());
    if (hasHeaderRow() && m_bill.hdId(QStringLiteral("Customer")) < 1) {
        message(QStringLiteral("ยังไม่ได้ป้อนรหัสลูกค้า"));
        setFocusTo(PosFocus::Customer);
        return false;
    }
    return true;
}

void TFrPos::ProductCodeExit()
{
    if (!lineIsOpen(m_bill.QDt()))
        return;
    const QString code = m_bill.dtText(kProductCode).trimmed();
    if (code.isEmpty()) {
        emit gridFieldRequested(QStringLiteral("Quantity"));
        return;
    }
    AssignProduct(code, 0);
}

void TFrPos::ClearLineProduct()
{
    m_bill.QDt().edit();
    m_bill.setDt(QStringLiteral("Product"), QVariant());
    m_bill.setDt(kProductCode, QString());
    m_bill.setDt(QStringLiteral("PosName"), QString());
    SetDgDtColumn();
}

void TFrPos::setLineUnit(const data::Query& unit)
{
    m_bill.setDt(QStringLiteral("UnitName"), unit.field(QStringLiteral("UnitName")).value());
    m_bill.setDt(QStringLiteral("ProductUnits"), unit.field(QStringLiteral("Id")).value());
    m_bill.setDt(QStringLiteral("Fraction"), unit.field(QStringLiteral("Fraction")).value());
}

void TFrPos::AssignProduct(const QString& code, int barcodeUnitId)
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!lineIsOpen(dt))
        return;
    if (m_mode != PosMode::Goods) {
        assignServiceOrMisc(code);
        return;
    }
    if (!m_product.ExistsProduct(code)) {
        ClearLineProduct();
        showProductStock();
        return;
    }
    if (m_product.UseBarCode())
        barcodeUnitId = m_product.QChkBarCode().field(QStringLiteral("Id")).asInteger();
    const data::Query& found = m_product.QChkProduct();
    const auto product = [&found](const char* field) { return found.field(QString::fromLatin1(field)); };
    const int productId = product("Id").asInteger();
    const int before = m_bill.dtId(QStringLiteral("Product"));
    const int unitBefore = m_bill.dtId(QStringLiteral("ProductUnits"));
    const bool sameProduct = before == productId;

    dt.edit();
    m_bill.setDt(kProductCode, code);
    m_bill.setDt(QStringLiteral("Product"), productId);
    m_bill.setDt(QStringLiteral("PriceIE"), product("PriceIE").value());
    m_bill.setDt(QStringLiteral("PrintFrac"), product("PrintFrac").value());
    const bool specialNames = m_dm.QConfig().field(QStringLiteral("SearchProductNo")).asInteger() == 2;
    m_bill.setDt(QStringLiteral("PosName"), specialNames ? m_product.SpecialName() : product("PosName").asString());

    const bool keepsUnit = m_bill.dt(QStringLiteral("Fraction")) != 0 &&
        !m_bill.dtText(QStringLiteral("UnitName")).trimmed().isEmpty() && sameProduct;
    const data::Query& barcode = m_product.QChkBarCode();
    if (barcodeUnitId > 0 && barcode.isOpen() && barcode.field(QStringLiteral("Id")).asInteger() == barcodeUnitId) {
        setLineUnit(barcode);
    } else if (keepsUnit) {
        // The line keeps the unit the cashier chose for this product.
    } else if (specialNames && configText("DisplayFraction") == QLatin1String("Y") &&
               data::isFlagSet(m_bill.dtText(QStringLiteral("PrintFrac")))) {
        m_product.GetSmallUnit(productId);
        setLineUnit(m_product.QSmallUnit());
        m_bill.setDt(QStringLiteral("StockUnitFraction"),
                     m_product.QSmallUnit().field(QStringLiteral("Fraction")).value());
    } else {
        m_product.GetFirstUnit(productId, products::UnitRole::Sale);
        setLineUnit(m_product.QFirstUnit());
    }
    // The price stays only for the same product in the same unit: a carton scanned onto a line
    // of bottles is a carton at the carton's price.
    m_sameProduct = sameProduct && m_bill.dtId(QStringLiteral("ProductUnits")) == unitBefore;
    m_bill.setDt(QStringLiteral("LotControl"), product("LotControl").value());
    m_bill.setDt(QStringLiteral("UseSerial"), product("UseSerial").value());

    const int headerWarehouse = hasHeaderRow() ? m_bill.hdId(QStringLiteral("Warehouse")) : 0;
    if (headerWarehouse > 0) {
        m_bill.setDt(QStringLiteral("Warehouse"), headerWarehouse);
        m_bill.setDt(QStringLiteral("WhCode"), m_texts.warehouseCode);
    } else if (m_bill.dtId(QStringLiteral("Warehouse")) == 0) {
        m_bill.setDt(QStringLiteral("Warehouse"), product("DefaultWh").value());
        m_bill.setDt(QStringLiteral("WhCode"), product("WhCode").value());
    }
    m_bill.setDt(QStringLiteral("TaxCode"), product("TaxCode").value());
    if (m_bill.QDt().field(QStringLiteral("Quantity")).isNull())
        m_bill.setDt(QStringLiteral("Quantity"), 1.0);
    m_product.setPrintFrac(data::isFlagSet(product("PrintFrac").asString()));
    AssignLinePrice();
    SetDgDtColumn();

    // Stock is checked as soon as the line has its product, quantity 1 included: a cashier who
    // never enters the quantity cell must not sell what is not there.
    QuantityExit();
    if (configText("PosUseBarCode") == QLatin1String("Y")) {
        if (!m_bill.dtText(kProductCode).trimmed().isEmpty() && m_bill.dtId(QStringLiteral("Product")) != before)
            appendNextLine();
    }
    showProductStock();
}

void TFrPos::assignServiceOrMisc(const QString& code)
{
    const bool service = m_mode == PosMode::Service;
    // Typing a code never brings a barcode's unit here: both take the first sale unit.
    const bool found = service ? m_service.ExistsService(code) : m_product.ExistsProduct(code);
    if (!found) {
        ClearLineProduct();
        return;
    }
    const data::Query& row = service ? m_service.QService() : m_product.QChkProduct();
    const int productId = row.field(QStringLiteral("Id")).asInteger();
    m_sameProduct = m_bill.dtId(QStringLiteral("Product")) == productId;
    m_bill.QDt().edit();
    m_bill.setDt(kProductCode, code);
    m_bill.setDt(QStringLiteral("Product"), productId);
    m_bill.setDt(QStringLiteral("PosName"),
                 row.field(service ? QStringLiteral("PosName") : QStringLiteral("ThaiName")).value());
    if (!service)
        m_bill.setDt(QStringLiteral("ThaiName"), row.field(QStringLiteral("ThaiName")).value());
    m_bill.setDt(QStringLiteral("PriceIE"), row.field(QStringLiteral("PriceIE")).value());
    m_bill.setDt(QStringLiteral("PrintFrac"), row.field(QStringLiteral("PrintFrac")).value());
    m_product.GetFirstUnit(productId, products::UnitRole::Sale);
    setLineUnit(m_product.QFirstUnit());
    m_product.setPrintFrac(data::isFlagSet(row.field(QStringLiteral("PrintFrac")).asString()));
    m_bill.setDt(QStringLiteral("LotControl"), QStringLiteral("N"));
    m_bill.setDt(QStringLiteral("UseSerial"), QStringLiteral("N"));
    m_bill.setDt(QStringLiteral("Warehouse"), QVariant());
    m_bill.setDt(QStringLiteral("WhCode"), QString());
    m_bill.setDt(QStringLiteral("TaxCode"), row.field(QStringLiteral("TaxCode")).value());
    if (m_bill.QDt().field(QStringLiteral("Quantity")).isNull())
        m_bill.setDt(QStringLiteral("Quantity"), 1.0);
    AssignLinePrice();
    SetDgDtColumn();
}

void TFrPos::appendNextLine()
{
    data::CachedDataset& dt = m_bill.QDt();
    dt.post();
    dt.append();
    SetDgDtColumn();
    emit gridFieldRequested(kProductCode);
}

void TFrPos::showProductStock()
{
    const int productId = lineIsOpen(m_bill.QDt()) ? m_bill.dtId(QStringLiteral("Product")) : 0;
    if (productId <= 0) {
        setStatusText(1, QString());
        return;
    }
    QString text = QStringLiteral("คงเหลือรวมทุกคลัง ") + m_product.ProductQuantity(productId, billYear());
    if (configText("ShowBackOrder") == QLatin1String("Y")) {
        m_qReserved.setParam(QStringLiteral("pid"), productId);
        m_qReserved.setParam(QStringLiteral("date"), m_bill.QHd().field(QStringLiteral("PosDate")).value());
        m_qReserved.open();
        const double reserved = m_qReserved.isEmpty() ? 0.0 : m_qReserved.field(QStringLiteral("qnty")).asFloat();
        text += QStringLiteral(" (จอง=") + m_product.ShowQuantity(productId, reserved) + QLatin1Char(')');
    }
    setStatusText(1, text);
}

void TFrPos::LineCellEnter()
{
    if (lineIsOpen(m_bill.QDt()) && m_bill.dtText(kProductCode).trimmed().isEmpty())
        emit gridFieldRequested(kProductCode);
}

void TFrPos::WhCodeExit()
{
    if (!lineIsOpen(m_bill.QDt()))
        return;
    m_bill.QDt().edit();
    const QString typed = m_bill.dtText(QStringLiteral("WhCode")).trimmed();
    if (typed.isEmpty() || !m_product.ExistsWarehouse(typed)) {
        m_bill.setDt(QStringLiteral("WhCode"), QString());
        m_bill.setDt(QStringLiteral("Warehouse"), QVariant());
        setStatusText(1, QString());
        return;
    }
    const QString code = m_product.QWarehouse().field(QStringLiteral("Code")).asString();
    const int warehouse = m_product.QWarehouse().field(QStringLiteral("Id")).asInteger();
    m_bill.setDt(QStringLiteral("WhCode"), code);
    m_bill.setDt(QStringLiteral("Warehouse"), warehouse);
    setStatusText(1,
                  QStringLiteral("คงเหลือคลัง ") + code + QLatin1Char(' ') +
                      m_product.ProductWHQuantity(m_bill.dtId(QStringLiteral("Product")), warehouse, billYear()));
}

void TFrPos::LotNoCodeExit()
{
    if (!lineIsOpen(m_bill.QDt()))
        return;
    m_bill.QDt().edit();
    const QString typed = m_bill.dtText(QStringLiteral("LotNoCode")).trimmed();
    const QDateTime date = hasHeaderRow() ? m_bill.QHd().field(QStringLiteral("PosDate")).asDateTime() : QDateTime();
    if (typed.isEmpty() || !m_product.ExistsLotNo(typed, date)) {
        m_bill.setDt(QStringLiteral("LotNoCode"), QString());
        m_bill.setDt(QStringLiteral("LotNo"), QVariant());
        return;
    }
    m_bill.setDt(QStringLiteral("LotNoCode"), m_product.QLotNo().field(QStringLiteral("Code")).value());
    m_bill.setDt(QStringLiteral("LotNo"), m_product.QLotNo().field(QStringLiteral("Id")).value());
}

void TFrPos::SerialExit()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!lineIsOpen(dt))
        return;
    const QString typed = m_bill.dtText(QStringLiteral("Serial")).trimmed();
    const int product = m_bill.dtId(QStringLiteral("Product"));
    // A product that registers its pieces as they are sold knows every serial typed for it.
    m_product.ExistsSerialNo(typed, product);
    // Until this serial is accepted the line holds none: a refused one must not leave the piece
    // accepted before on the line while the cell shows another.
    m_bill.setDt(QStringLiteral("SerialNo"), QVariant());
    data::Query serial(m_dm.DMdata());
    serial.setSqlLines({QStringLiteral("select id,onhand"), QStringLiteral("from serialno"),
                        QStringLiteral("where product=:pid and serial=:no")});
    serial.setParam(QStringLiteral("pid"), product);
    serial.setParam(QStringLiteral("no"), typed);
    serial.open();
    if (serial.isEmpty()) {
        message(QStringLiteral("ไม่พบ Serial ") + typed);
        return;
    }
    // The piece this saved bill sold is its own still, though no longer in stock.
    const bool ownPiece = serial.field(QStringLiteral("id")).asInteger() == m_bill.dtId(QStringLiteral("OldSerialNo"));
    if (!ownPiece && serial.field(QStringLiteral("onhand")).asString().trimmed() != QLatin1String("Y")) {
        message(QStringLiteral("Serial ") + typed + QStringLiteral(" ถูกตัดไปแล้ว"));
        return;
    }
    const int serialId = serial.field(QStringLiteral("id")).asInteger();
    // One piece is sold once: the same serial on another line of this bill is refused here,
    // before the stock table could ever see it sold twice.
    for (int row = 0; row < dt.recordCount(); ++row) {
        if (row == dt.recNo())
            continue;
        if (dt.fieldAt(row, QStringLiteral("SerialNo")).asInteger() == serialId) {
            m_bill.setDt(QStringLiteral("SerialNo"), QVariant());
            m_bill.setDt(QStringLiteral("Serial"), QString());
            message(QStringLiteral("Serial ") + typed + QStringLiteral(" ถูกป้อนในรายการที่ %1 ของบิลนี้แล้ว").arg(row + 1));
            return;
        }
    }
    m_bill.setDt(QStringLiteral("SerialNo"), serialId);
}

void TFrPos::BtDeleteLineClick()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.isEmpty())
        return;
    dt.remove();
    // A bill always has a line to type into, also when its only one was deleted.
    if (dt.isEmpty())
        dt.append();
    setFocusTo(PosFocus::Grid);
    CalculateAll();
    SetDgDtColumn();
    emit gridFieldRequested(kProductCode);
}

bool TFrPos::AppendLine()
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!lineIsOpen(dt) || dt.recNo() != dt.recordCount() - 1 || m_bill.dtText(kProductCode).trimmed().isEmpty())
        return false;
    appendNextLine();
    return true;
}

} // namespace kvr::pos
