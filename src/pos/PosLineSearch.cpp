// The search dialogs of the line grid's columns (F5).
#include "pos/PosBill.h"
#include "pos/PosColumns.h"
#include "pos/PosLineCells.h"
#include "pos/PosLineEntry.h"
#include "pos/PosSettings.h"
#include "products/ProductSearchDialogs.h"
#include "products/TDmProduct.h"

namespace kvr::pos {

bool PosLineCells::searchCell(const QString& fieldName, const QString& posType)
{
    if (!m_bill.hasLineRow())
        return false;
    const QString field = fieldName.trimmed();
    const auto is = [&field](const QString& name) { return field.compare(name, Qt::CaseInsensitive) == 0; };
    const int productId = m_bill.lineId(dt::Product);
    products::TDmProduct& products = m_services.product;
    if (is(dt::ProductCode)) {
        if (products.UseBarCode()) {
            if (products.SearchProductBarCode()) {
                m_bill.QDt().edit();
                m_bill.setLine(dt::ProductCode, products.SearchResult());
                m_entry.leaveProductCode();
                // The total and the change follow the new line before the cashier reads them.
                emit recalculationWanted();
            }
            return true;
        }
        QStringList codes;
        if (m_productSearch && m_productSearch(posType, codes) && !codes.isEmpty())
            pickProducts(codes);
        return true;
    }
    if (is(dt::WhCode))
        return searchWarehouse(productId);
    if (is(dt::LotNoCode))
        return searchLot(productId);
    if (is(dt::UnitName)) {
        // A line takes only a unit that may be sold: the others would be set back on leaving.
        if (products.SearchUnitName(productId, products::UnitRole::Sale)) {
            m_bill.QDt().edit();
            m_bill.setLine(dt::UnitName, products.SearchResult());
            m_entry.leaveUnit();
            emit recalculationWanted();
        }
        return true;
    }
    return false;
}

// Several products picked at once: the first on the current line, the others on new lines.
void PosLineCells::pickProducts(const QStringList& codes)
{
    data::CachedDataset& lines = m_bill.QDt();
    const int startRow = lines.recNo();
    try {
        for (qsizetype i = 0; i < codes.size(); ++i) {
            if (i > 0) {
                lines.post();
                lines.append();
            }
            lines.edit();
            m_bill.setLine(dt::ProductCode, codes[i]);
            m_entry.leaveProductCode();
            emit layoutChanged();
        }
    } catch (...) {
        // A row that cannot be added ends the picking; the lines added so far stay.
        emit errorCaught(std::current_exception());
    }
    emit recalculationWanted();
    lines.post();
    lines.setRecNo(std::min(startRow, lines.recordCount() - 1));
    emit layoutChanged();
    emit fieldRequested(dt::ProductCode);
}

// Warehouses and lots are offered with their stock unless the company wants plain lists.
bool PosLineCells::searchWarehouse(int productId)
{
    if (m_bill.hasHeaderRow() && m_bill.headerId(hd::Warehouse) > 0)
        return false;
    products::TDmProduct& products = m_services.product;
    products::ProductSearchDialogs* dialogs = products.searchDialogs();
    QString chosen;
    bool picked = false;
    if (m_services.settings.isOff("SearchWHShowStock")) {
        picked = products.SearchWarehouse();
        chosen = products.SearchResult();
    } else {
        picked = dialogs && dialogs->searchWarehouseOnHand(productId, chosen);
    }
    if (picked) {
        m_bill.QDt().edit();
        m_bill.setLine(dt::WhCode, chosen);
        leaveWarehouse();
    }
    return true;
}

bool PosLineCells::searchLot(int productId)
{
    products::ProductSearchDialogs* dialogs = m_services.product.searchDialogs();
    if (m_services.settings.isOff("SearchLotShowStock")) {
        // The line's product's own lots: another product's lot would be refused on leaving.
        QString chosen;
        if (dialogs && dialogs->searchProductLotNo(productId, chosen)) {
            m_bill.QDt().edit();
            m_bill.setLine(dt::LotNoCode, chosen);
            leaveLot();
        }
        return true;
    }
    QString code;
    int lot = 0;
    if (dialogs && dialogs->searchLotOnHand(productId, m_entry.billYear(), 0, code, lot)) {
        m_bill.QDt().edit();
        m_bill.setLine(dt::LotNoCode, code);
        m_bill.setLine(dt::LotNo, lot > 0 ? QVariant(lot) : QVariant());
    }
    return true;
}

} // namespace kvr::pos
