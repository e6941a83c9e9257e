#pragma once

#include "data/CachedDataset.h"
#include "pos/PosMode.h"

#include <functional>

namespace kvr::pos {

// One POS bill as the sale screen edits it: the header (QHd) and its lines (QDt), both held as
// cached updates until the bill is saved in one transaction.
class PosBill
{
public:
    explicit PosBill(data::Connection& connection);
    PosBill(const PosBill&) = delete;
    PosBill& operator=(const PosBill&) = delete;

    data::CachedDataset& QHd() { return m_qHd; }
    data::CachedDataset& QDt() { return m_qDt; }
    const data::CachedDataset& QHd() const { return m_qHd; }
    const data::CachedDataset& QDt() const { return m_qDt; }

    // Opens the saved bill of that number and mode with its lines; false (and no lines) when
    // there is none, which makes the bill on screen a new one.
    bool LoadBill(const QString& number, int docNoLength, PosMode mode);
    void close();
    bool isOpen() const { return m_qHd.isOpen(); }
    // A header row, or a line row, is current.
    bool hasHeaderRow() const { return m_qHd.isOpen() && !m_qHd.eof(); }
    bool hasLineRow() const { return m_qDt.isOpen() && !m_qDt.eof(); }

    // The number as it is looked up and stored: trimmed, then cut or left-padded with spaces to
    // the series' length. A series of unknown length (0) keeps the number as typed, trimmed.
    static QString billNumberKey(const QString& number, int docNoLength);

    // Reads of the current header and line rows (null reads as 0 or empty).
    double headerValue(const QString& field) const { return m_qHd.field(field).asFloat(); }
    int headerId(const QString& field) const { return m_qHd.field(field).asInteger(); }
    QString headerText(const QString& field) const { return m_qHd.field(field).asString(); }
    double lineValue(const QString& field) const { return m_qDt.field(field).asFloat(); }
    int lineId(const QString& field) const { return m_qDt.field(field).asInteger(); }
    QString lineText(const QString& field) const { return m_qDt.field(field).asString(); }
    void setHeader(const QString& field, const QVariant& value) { m_qHd.setValue(field, value); }
    void setLine(const QString& field, const QVariant& value) { m_qDt.setValue(field, value); }

    // Visits every line from the first with the line current, then returns to the line that was
    // current; a line left in edit state is posted before the cursor moves, as a grid would.
    // The way back is taken even when fn throws.
    void forEachLine(const std::function<void()>& fn);
    // A line with a product: what a new bill would throw away.
    bool hasProductLines() const;

    // How the lines meet their warehouse: every goods line leaves one; service and miscellaneous
    // lines have none and are read all the same.
    enum class WarehouseJoin { Inner, Left };
    static WarehouseJoin warehouseJoinOf(PosMode mode);

private:
    void useWarehouseJoin(WarehouseJoin join);

    data::CachedDataset m_qHd;
    data::CachedDataset m_qDt;
    WarehouseJoin m_warehouseJoin = WarehouseJoin::Inner;
};

} // namespace kvr::pos
