// Leaving a cell of the line grid, and the search dialogs of its columns (F5).
#include "data/TDM.h"
#include "pos/TFrPos.h"
#include "products/ProductSearchDialogs.h"
#include "products/TDmProduct.h"
#include "ui/base/Prompter.h"

namespace kvr::pos {

void TFrPos::DgDtColExit(const QString& fieldName)
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof() || m_bill.dtText(QStringLiteral("ProductCode")).trimmed().isEmpty())
        return;
    dt.edit();
    const QString field = fieldName.trimmed().toUpper();
    const int productId = m_bill.dtId(QStringLiteral("Product"));
    if (field == QLatin1String("PRODUCTCODE")) {
        // A code that did not pass through its editor still gets its product, unit and price.
        const QString code = m_bill.dtText(QStringLiteral("ProductCode")).trimmed();
        if (code != m_lastProductCode.trimmed())
            AssignProduct(code, 0);
    } else if (field == QLatin1String("WHCODE")) {
        const QString code = m_bill.dtText(QStringLiteral("WhCode")).trimmed();
        const bool found = !code.isEmpty() && m_product.ExistsWarehouse(code);
        m_bill.setDt(QStringLiteral("Warehouse"),
                     found ? m_product.QWarehouse().field(QStringLiteral("Id")).value() : QVariant());
        if (!found)
            m_bill.setDt(QStringLiteral("WhCode"), QString());
    } else if (field == QLatin1String("LOTNOCODE")) {
        const QString code = m_bill.dtText(QStringLiteral("LotNoCode")).trimmed();
        const bool lotLine = m_bill.dtText(QStringLiteral("LotControl")).trimmed() == QLatin1String("Y");
        if (lotLine && !code.isEmpty() && m_product.ExistsLotNo(code, m_currentShiftDate)) {
            const int lot = m_product.QLotNo().field(QStringLiteral("Id")).asInteger();
            m_bill.setDt(QStringLiteral("LotNo"), lot);
            // The line's own warehouse: the header's is copied into it, and a bill without one
            // would otherwise always read an empty lot.
            if (m_product.LotNoOnHand(lot, productId, m_bill.dtId(QStringLiteral("Warehouse")), billYear()) == 0)
                message(QStringLiteral("ไม่มีสินค้า") + m_bill.dtText(QStringLiteral("ProductCode")) +
                        QStringLiteral("ใน LotNo. ") + code);
        } else {
            m_bill.setDt(QStringLiteral("LotNo"), QVariant());
            m_bill.setDt(QStringLiteral("LotNoCode"), QString());
        }
    } else if (field == QLatin1String("SERIAL")) {
        const QString serial = m_bill.dtText(QStringLiteral("Serial")).trimmed();
        if (m_bill.dtText(QStringLiteral("UseSerial")).trimmed() == QLatin1String("Y")) {
            if (!m_product.ExistsSerialNo(serial, productId))
                message(QStringLiteral("ไม่พบ Serial No. ") + serial);
        } else {
            m_bill.setDt(QStringLiteral("SerialNo"), QVariant());
            m_bill.setDt(QStringLiteral("Serial"), QString());
        }
    } else if (field == QLatin1String("UNITNAME")) {
        const QString unit = m_bill.dtText(QStringLiteral("UnitName")).trimmed();
        if (unit != m_lastUnitName.trimmed()) {
            if (m_product.ExistsProductUnit(productId, unit, products::UnitRole::Sale)) {
                m_bill.setDt(QStringLiteral("ProductUnits"),
                             m_product.QProductUnit().field(QStringLiteral("Id")).value());
                m_bill.setDt(QStringLiteral("Fraction"),
                             m_product.QProductUnit().field(QStringLiteral("Fraction")).value());
                if (m_bill.dt(QStringLiteral("Price")) == 0) {
                    m_bill.setDt(QStringLiteral("Price"),
                                 linePrice(m_dm.QConfig().field(QStringLiteral("POS_PriceType")).asInteger()));
                    appendPriceDiscounts();
                }
            } else {
                m_bill.setDt(QStringLiteral("UnitName"), m_lastUnitName);
                m_bill.setDt(QStringLiteral("ProductUnits"),
                             m_lastProductUnits > 0 ? QVariant(m_lastProductUnits) : QVariant());
            }
        }
    }
    CalculateAll();
}

bool TFrPos::DgDtSearch(const QString& fieldName)
{
    data::CachedDataset& dt = m_bill.QDt();
    if (!dt.isOpen() || dt.eof())
        return false;
    const QString field = fieldName.trimmed().toUpper();
    const int productId = m_bill.dtId(QStringLiteral("Product"));
    if (field == QLatin1String("PRODUCTCODE")) {
        if (m_product.UseBarCode()) {
            if (m_product.SearchProductBarCode()) {
                dt.edit();
                m_bill.setDt(QStringLiteral("ProductCode"), m_product.SearchResult());
                ProductCodeExit();
            }
            return true;
        }
        QStringList codes;
        if (!m_productSearch || !m_productSearch(PosType(), codes) || codes.isEmpty())
            return true;
        const int startRow = dt.recNo();
        try {
            for (qsizetype i = 0; i < codes.size(); ++i) {
                if (i > 0) {
                    dt.post();
                    dt.append();
                }
                dt.edit();
                m_bill.setDt(QStringLiteral("ProductCode"), codes[i]);
                ProductCodeExit();
                SetDgDtColumn();
            }
        } catch (const std::exception&) {
            // A row that cannot be added ends the picking; the lines added so far stay.
        }
        CalculateAll();
        dt.post();
        dt.setRecNo(std::min(startRow, dt.recordCount() - 1));
        SetDgDtColumn();
        emit gridFieldRequested(QStringLiteral("ProductCode"));
        return true;
    }
    // Warehouses and lots are offered with their stock unless the company wants plain lists.
    products::ProductSearchDialogs* dialogs = m_product.searchDialogs();
    if (field == QLatin1String("WHCODE")) {
        if (hasHeaderRow() && m_bill.hdId(QStringLiteral("Warehouse")) > 0)
            return false;
        QString chosen;
        bool picked = false;
        if (configText("SearchWHShowStock") == QLatin1String("N")) {
            picked = m_product.SearchWarehouse();
            chosen = m_product.SearchResult();
        } else {
            picked = dialogs && dialogs->searchWarehouseOnHand(productId, chosen);
        }
        if (picked) {
            dt.edit();
            m_bill.setDt(QStringLiteral("WhCode"), chosen);
            WhCodeExit();
        }
        return true;
    }
    if (field == QLatin1String("LOTNOCODE")) {
        if (configText("SearchLotShowStock") == QLatin1String("N")) {
            // The line's product's own lots: another product's lot would be refused on leaving.
            QString chosen;
            if (dialogs && dialogs->searchProductLotNo(productId, chosen)) {
                dt.edit();
                m_bill.setDt(QStringLiteral("LotNoCode"), chosen);
                LotNoCodeExit();
            }
            return true;
        }
        QString code;
        int lot = 0;
        if (dialogs && dialogs->searchLotOnHand(productId, billYear(), 0, code, lot)) {
            dt.edit();
            m_bill.setDt(QStringLiteral("LotNoCode"), code);
            m_bill.setDt(QStringLiteral("LotNo"), lot > 0 ? QVariant(lot) : QVariant());
        }
        return true;
    }
    if (field == QLatin1String("UNITNAME")) {
        // A line takes only a unit that may be sold: the others would be set back on leaving.
        if (m_product.SearchUnitName(productId, products::UnitRole::Sale)) {
            dt.edit();
            m_bill.setDt(QStringLiteral("UnitName"), m_product.SearchResult());
            FrPOS();
        }
        return true;
    }
    return false;
}

} // namespace kvr::pos
