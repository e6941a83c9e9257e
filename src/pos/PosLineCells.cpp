#include "pos/PosLineCells.h"

#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosLineEntry.h"
#include "pos/PosSettings.h"
#include "pos/PosStockStore.h"
#include "products/ProductSearchDialogs.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"
#include "util/Flags.h"

namespace kvr::pos {

PosLineCells::PosLineCells(PosBill& bill, PosLineEntry& entry, const Services& services, const QDateTime& shiftDate,
                           QObject* parent)
    : QObject(parent)
    , m_bill(bill)
    , m_entry(entry)
    , m_services(services)
    , m_shiftDate(shiftDate)
{ }

void PosLineCells::leaveWarehouse()
{
    if (!m_bill.hasLineRow())
        return;
    m_bill.QDt().edit();
    products::TDmProduct& products = m_services.product;
    const QString typed = m_bill.lineText(dt::WhCode).trimmed();
    if (typed.isEmpty() || !products.ExistsWarehouse(typed)) {
        m_bill.setLine(dt::WhCode, QString());
        m_bill.setLine(dt::Warehouse, QVariant());
        emit stockShown(QString());
        return;
    }
    const QString code = products.QWarehouse().field(QStringLiteral("Code")).asString();
    const int warehouse = products.QWarehouse().field(QStringLiteral("Id")).asInteger();
    m_bill.setLine(dt::WhCode, code);
    m_bill.setLine(dt::Warehouse, warehouse);
    emit stockShown(QStringLiteral("คงเหลือคลัง ") + code + QLatin1Char(' ') +
                    products.ProductWHQuantity(m_bill.lineId(dt::Product), warehouse, m_entry.billYear()));
}

void PosLineCells::leaveLot()
{
    if (!m_bill.hasLineRow())
        return;
    m_bill.QDt().edit();
    const QString typed = m_bill.lineText(dt::LotNoCode).trimmed();
    const QDateTime date = m_bill.hasHeaderRow() ? m_bill.QHd().field(hd::PosDate).asDateTime() : QDateTime();
    products::TDmProduct& products = m_services.product;
    if (typed.isEmpty() || !products.ExistsLotNo(typed, date)) {
        m_bill.setLine(dt::LotNoCode, QString());
        m_bill.setLine(dt::LotNo, QVariant());
        return;
    }
    m_bill.setLine(dt::LotNoCode, products.QLotNo().field(QStringLiteral("Code")).value());
    m_bill.setLine(dt::LotNo, products.QLotNo().field(QStringLiteral("Id")).value());
}

void PosLineCells::leaveSerial()
{
    if (!m_bill.hasLineRow())
        return;
    const data::CachedDataset& lines = m_bill.QDt();
    const QString typed = m_bill.lineText(dt::Serial).trimmed();
    const int product = m_bill.lineId(dt::Product);
    // A product that registers its pieces as they are sold knows every serial typed for it.
    m_services.product.ExistsSerialNo(typed, product);
    // Until this serial is accepted the line holds none: a refused one must not leave the piece
    // accepted before on the line while the cell shows another.
    m_bill.setLine(dt::SerialNo, QVariant());
    const std::optional<SerialPiece> piece = m_services.stock.serialPiece(product, typed);
    if (!piece) {
        m_services.prompter.information(QStringLiteral("ไม่พบ Serial ") + typed);
        return;
    }
    // The piece this saved bill sold is its own still, though no longer in stock.
    const bool ownPiece = piece->id == m_bill.lineId(dt::OldSerialNo);
    if (!ownPiece && !piece->inStock) {
        m_services.prompter.information(QStringLiteral("Serial ") + typed + QStringLiteral(" ถูกตัดไปแล้ว"));
        return;
    }
    // One piece is sold once: the same serial on another line of this bill is refused here,
    // before the stock table could ever see it sold twice.
    for (int row = 0; row < lines.recordCount(); ++row) {
        if (row != lines.recNo() && lines.fieldAt(row, dt::SerialNo).asInteger() == piece->id) {
            m_bill.setLine(dt::SerialNo, QVariant());
            m_bill.setLine(dt::Serial, QString());
            m_services.prompter.information(QStringLiteral("Serial ") + typed +
                                            QStringLiteral(" ถูกป้อนในรายการที่ %1 ของบิลนี้แล้ว").arg(row + 1));
            return;
        }
    }
    m_bill.setLine(dt::SerialNo, piece->id);
}

void PosLineCells::recheckCell(const QString& fieldName)
{
    if (!m_bill.hasLineRow() || m_bill.lineText(dt::ProductCode).trimmed().isEmpty())
        return;
    m_bill.QDt().edit();
    const QString field = fieldName.trimmed();
    const int productId = m_bill.lineId(dt::Product);
    const auto is = [&field](const QString& name) { return field.compare(name, Qt::CaseInsensitive) == 0; };
    if (is(dt::ProductCode)) {
        // A code that did not pass through its editor still gets its product, unit and price.
        const QString code = m_bill.lineText(dt::ProductCode).trimmed();
        if (code != m_entry.lastProductCode().trimmed())
            m_entry.assignProduct(code, 0);
    } else if (is(dt::WhCode)) {
        const QString code = m_bill.lineText(dt::WhCode).trimmed();
        const bool found = !code.isEmpty() && m_services.product.ExistsWarehouse(code);
        m_bill.setLine(dt::Warehouse,
                       found ? m_services.product.QWarehouse().field(QStringLiteral("Id")).value() : QVariant());
        if (!found)
            m_bill.setLine(dt::WhCode, QString());
    } else if (is(dt::LotNoCode)) {
        recheckLot(productId);
    } else if (is(dt::Serial)) {
        recheckSerial(productId);
    } else if (is(dt::UnitName)) {
        recheckUnit(productId);
    }
    emit recalculationWanted();
}

void PosLineCells::recheckLot(int productId)
{
    const QString code = m_bill.lineText(dt::LotNoCode).trimmed();
    products::TDmProduct& products = m_services.product;
    if (util::isFlagSet(m_bill.lineText(dt::LotControl)) && !code.isEmpty() &&
        products.ExistsLotNo(code, m_shiftDate)) {
        const int lot = products.QLotNo().field(QStringLiteral("Id")).asInteger();
        m_bill.setLine(dt::LotNo, lot);
        // The line's own warehouse: the header's is copied into it, and a bill without one
        // would otherwise always read an empty lot.
        if (products.LotNoOnHand(lot, productId, m_bill.lineId(dt::Warehouse), m_entry.billYear()) == 0)
            m_services.prompter.information(QStringLiteral("ไม่มีสินค้า") + m_bill.lineText(dt::ProductCode) +
                                            QStringLiteral("ใน LotNo. ") + code);
    } else {
        m_bill.setLine(dt::LotNo, QVariant());
        m_bill.setLine(dt::LotNoCode, QString());
    }
}

void PosLineCells::recheckSerial(int productId)
{
    const QString serial = m_bill.lineText(dt::Serial).trimmed();
    if (util::isFlagSet(m_bill.lineText(dt::UseSerial))) {
        if (!m_services.product.ExistsSerialNo(serial, productId))
            m_services.prompter.information(QStringLiteral("ไม่พบ Serial No. ") + serial);
    } else {
        m_bill.setLine(dt::SerialNo, QVariant());
        m_bill.setLine(dt::Serial, QString());
    }
}

void PosLineCells::recheckUnit(int productId)
{
    const QString unit = m_bill.lineText(dt::UnitName).trimmed();
    if (unit == m_entry.lastUnitName().trimmed())
        return;
    products::TDmProduct& products = m_services.product;
    if (products.ExistsProductUnit(productId, unit, products::UnitRole::Sale)) {
        m_bill.setLine(dt::ProductUnits, products.QProductUnit().field(QStringLiteral("Id")).value());
        m_bill.setLine(dt::Fraction, products.QProductUnit().field(QStringLiteral("Fraction")).value());
        if (m_bill.lineValue(dt::Price) == 0) {
            m_bill.setLine(dt::Price, m_entry.linePrice(m_services.settings.number("POS_PriceType")));
            m_entry.appendPriceDiscounts();
        }
    } else {
        m_bill.setLine(dt::UnitName, m_entry.lastUnitName());
        const int last = m_entry.lastProductUnits();
        m_bill.setLine(dt::ProductUnits, last > 0 ? QVariant(last) : QVariant());
    }
}

} // namespace kvr::pos
