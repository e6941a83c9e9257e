// Line entry: a code or barcode becomes a line; deleting and adding lines.
#include "pos/PosLineEntry.h"

#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosSettings.h"
#include "pos/PosStockStore.h"
#include "products/TDmProduct.h"
#include "products/TDmService.h"
#include "ui/base/Prompter.h"
#include "util/Dates.h"
#include "util/Flags.h"

namespace kvr::pos {

PosLineEntry::PosLineEntry(PosBill& bill, PosMode mode, const Services& services, const QString& headerWarehouseCode,
                           QObject* parent)
    : QObject(parent)
    , m_bill(bill)
    , m_mode(mode)
    , m_services(services)
    , m_headerWarehouseCode(headerWarehouseCode)
{ }

void PosLineEntry::layOutColumns(bool thai, bool editSalePrice)
{
    m_lastProductCode = m_bill.lineText(dt::ProductCode);
    m_lastUnitName = m_bill.lineText(dt::UnitName);
    m_lastProductUnits = m_bill.lineId(dt::ProductUnits);
    LineRowFlags row;
    row.headerHasWarehouse = m_bill.hasHeaderRow() && m_bill.headerId(hd::Warehouse) > 0;
    row.lotControl = m_bill.lineText(dt::LotControl);
    row.useSerial = m_bill.lineText(dt::UseSerial);
    row.editSalePrice = editSalePrice;
    m_columns = LineGridColumns(m_mode, thai, row);
    rememberFigures();
}

void PosLineEntry::rememberFigures()
{
    m_quantityBefore = m_bill.hasLineRow() ? m_bill.QDt().field(dt::Quantity).value() : QVariant();
    m_priceBefore = m_bill.hasLineRow() ? m_bill.QDt().field(dt::Price).value() : QVariant();
}

int PosLineEntry::billYear() const
{
    return util::YearOf(m_bill.hasHeaderRow() ? m_bill.QHd().field(hd::PosDate).asDateTime() : QDateTime());
}

bool PosLineEntry::customerChosen()
{
    emit stockShown(QString());
    if (m_bill.hasHeaderRow() && m_bill.headerId(hd::Customer) < 1) {
        m_services.prompter.information(QStringLiteral("ยังไม่ได้ป้อนรหัสลูกค้า"));
        return false;
    }
    return true;
}

void PosLineEntry::leaveProductCode()
{
    if (!m_bill.hasLineRow())
        return;
    const QString code = m_bill.lineText(dt::ProductCode).trimmed();
    if (code.isEmpty()) {
        emit fieldRequested(dt::Quantity);
        return;
    }
    assignProduct(code, 0);
}

void PosLineEntry::clearLineProduct()
{
    m_bill.QDt().edit();
    m_bill.setLine(dt::Product, QVariant());
    m_bill.setLine(dt::ProductCode, QString());
    m_bill.setLine(dt::PosName, QString());
    emit layoutChanged();
}

void PosLineEntry::setLineUnit(const data::Query& unit)
{
    m_bill.setLine(dt::UnitName, unit.field(QStringLiteral("UnitName")).value());
    m_bill.setLine(dt::ProductUnits, unit.field(QStringLiteral("Id")).value());
    m_bill.setLine(dt::Fraction, unit.field(QStringLiteral("Fraction")).value());
}

void PosLineEntry::assignProduct(const QString& code, int barcodeUnitId)
{
    if (!m_bill.hasLineRow())
        return;
    if (m_mode != PosMode::Goods) {
        assignServiceOrMisc(code);
        return;
    }
    products::TDmProduct& products = m_services.product;
    if (!products.ExistsProduct(code)) {
        clearLineProduct();
        showProductStock();
        emit codeUnknown(code);
        emit fieldRequested(dt::ProductCode);
        return;
    }
    if (products.UseBarCode())
        barcodeUnitId = products.QChkBarCode().field(QStringLiteral("Id")).asInteger();
    const data::Query& found = products.QChkProduct();
    const auto product = [&found](const char* field) { return found.field(QString::fromLatin1(field)); };
    const int productId = product("Id").asInteger();
    const int before = m_bill.lineId(dt::Product);
    const int unitBefore = m_bill.lineId(dt::ProductUnits);
    const bool sameProduct = before == productId;

    m_bill.QDt().edit();
    m_bill.setLine(dt::ProductCode, code);
    m_bill.setLine(dt::Product, productId);
    m_bill.setLine(dt::PriceIE, product("PriceIE").value());
    m_bill.setLine(dt::PrintFrac, product("PrintFrac").value());
    const bool specialNames = m_services.settings.number("SearchProductNo") == 2;
    m_bill.setLine(dt::PosName, specialNames ? products.SpecialName() : product("PosName").asString());

    const bool keepsUnit =
        m_bill.lineValue(dt::Fraction) != 0 && !m_bill.lineText(dt::UnitName).trimmed().isEmpty() && sameProduct;
    const data::Query& barcode = products.QChkBarCode();
    if (barcodeUnitId > 0 && barcode.isOpen() && barcode.field(QStringLiteral("Id")).asInteger() == barcodeUnitId) {
        setLineUnit(barcode);
    } else if (keepsUnit) {
        // The line keeps the unit the cashier chose for this product.
    } else if (specialNames && m_services.settings.isOn("DisplayFraction") &&
               util::isFlagSet(m_bill.lineText(dt::PrintFrac))) {
        products.GetSmallUnit(productId);
        setLineUnit(products.QSmallUnit());
        m_bill.setLine(dt::StockUnitFraction, products.QSmallUnit().field(QStringLiteral("Fraction")).value());
    } else {
        products.GetFirstUnit(productId, products::UnitRole::Sale);
        setLineUnit(products.QFirstUnit());
    }
    // The price stays only for the same product in the same unit: a carton scanned onto a line
    // of bottles is a carton at the carton's price.
    m_sameProduct = sameProduct && m_bill.lineId(dt::ProductUnits) == unitBefore;
    m_bill.setLine(dt::LotControl, product("LotControl").value());
    m_bill.setLine(dt::UseSerial, product("UseSerial").value());

    const int headerWarehouse = m_bill.hasHeaderRow() ? m_bill.headerId(hd::Warehouse) : 0;
    if (headerWarehouse > 0) {
        m_bill.setLine(dt::Warehouse, headerWarehouse);
        m_bill.setLine(dt::WhCode, m_headerWarehouseCode);
    } else if (m_bill.lineId(dt::Warehouse) == 0) {
        m_bill.setLine(dt::Warehouse, product("DefaultWh").value());
        m_bill.setLine(dt::WhCode, product("WhCode").value());
    }
    m_bill.setLine(dt::TaxCode, product("TaxCode").value());
    if (m_bill.QDt().field(dt::Quantity).isNull())
        m_bill.setLine(dt::Quantity, 1.0);
    products.setPrintFrac(util::isFlagSet(product("PrintFrac").asString()));
    assignLinePrice();
    emit layoutChanged();

    // Stock is checked as soon as the line has its product, quantity 1 included: a cashier who
    // never enters the quantity cell must not sell what is not there.
    checkStock();
    if (m_services.settings.isOn("PosUseBarCode")) {
        if (!m_bill.lineText(dt::ProductCode).trimmed().isEmpty() && m_bill.lineId(dt::Product) != before)
            appendNextLine();
    }
    showProductStock();
}

void PosLineEntry::assignServiceOrMisc(const QString& code)
{
    const bool service = m_mode == PosMode::Service;
    products::TDmProduct& products = m_services.product;
    // Typing a code never brings a barcode's unit here: both take the first sale unit.
    const bool found = service ? m_services.service.ExistsService(code) : products.ExistsProduct(code);
    if (!found) {
        clearLineProduct();
        emit codeUnknown(code);
        emit fieldRequested(dt::ProductCode);
        return;
    }
    const data::Query& row = service ? m_services.service.QService() : products.QChkProduct();
    const auto field = [&row](const char* name) { return row.field(QString::fromLatin1(name)); };
    const int productId = field("Id").asInteger();
    m_sameProduct = m_bill.lineId(dt::Product) == productId;
    m_bill.QDt().edit();
    m_bill.setLine(dt::ProductCode, code);
    m_bill.setLine(dt::Product, productId);
    m_bill.setLine(dt::PosName, row.field(service ? dt::PosName : dt::ThaiName).value());
    if (!service)
        m_bill.setLine(dt::ThaiName, field("ThaiName").value());
    m_bill.setLine(dt::PriceIE, field("PriceIE").value());
    m_bill.setLine(dt::PrintFrac, field("PrintFrac").value());
    products.GetFirstUnit(productId, products::UnitRole::Sale);
    setLineUnit(products.QFirstUnit());
    products.setPrintFrac(util::isFlagSet(field("PrintFrac").asString()));
    m_bill.setLine(dt::LotControl, util::flagText(false));
    m_bill.setLine(dt::UseSerial, util::flagText(false));
    m_bill.setLine(dt::Warehouse, QVariant());
    m_bill.setLine(dt::WhCode, QString());
    m_bill.setLine(dt::TaxCode, field("TaxCode").value());
    if (m_bill.QDt().field(dt::Quantity).isNull())
        m_bill.setLine(dt::Quantity, 1.0);
    assignLinePrice();
    emit layoutChanged();
}

void PosLineEntry::appendNextLine()
{
    data::CachedDataset& lines = m_bill.QDt();
    lines.post();
    lines.append();
    emit layoutChanged();
    emit fieldRequested(dt::ProductCode);
}

void PosLineEntry::showProductStock()
{
    const int productId = m_bill.hasLineRow() ? m_bill.lineId(dt::Product) : 0;
    if (productId <= 0) {
        emit stockShown(QString());
        return;
    }
    products::TDmProduct& products = m_services.product;
    QString text = QStringLiteral("คงเหลือรวมทุกคลัง ") + products.ProductQuantity(productId, billYear());
    if (m_services.settings.isOn("ShowBackOrder")) {
        const double reserved = m_services.stock.reservedQuantity(productId, m_bill.QHd().field(hd::PosDate).value());
        text += QStringLiteral(" (จอง=") + products.ShowQuantity(productId, reserved) + QLatin1Char(')');
    }
    emit stockShown(text);
}

void PosLineEntry::enterCellNeedingProduct()
{
    if (m_bill.hasLineRow() && m_bill.lineText(dt::ProductCode).trimmed().isEmpty())
        emit fieldRequested(dt::ProductCode);
}

void PosLineEntry::showSavedCodes()
{
    if (m_services.product.UseBarCode())
        m_bill.forEachLine([this] { m_bill.setLine(dt::ProductCode, m_bill.lineText(dt::BarCode)); });
}

bool PosLineEntry::deleteLine()
{
    data::CachedDataset& lines = m_bill.QDt();
    if (!lines.isOpen() || lines.isEmpty())
        return false;
    lines.remove();
    // A bill always has a line to type into, also when its only one was deleted.
    if (lines.isEmpty())
        lines.append();
    emit layoutChanged();
    emit fieldRequested(dt::ProductCode);
    return true;
}

bool PosLineEntry::appendLine()
{
    const data::CachedDataset& lines = m_bill.QDt();
    if (!m_bill.hasLineRow() || lines.recNo() != lines.recordCount() - 1 ||
        m_bill.lineText(dt::ProductCode).trimmed().isEmpty())
        return false;
    appendNextLine();
    return true;
}

} // namespace kvr::pos
