#pragma once

#include "data/Query.h"

#include <QString>

namespace kvr::data {
class Connection;
}

namespace kvr::search {

// Copies one customer of the head office into the shop's company database, or refreshes the
// shop's copy: every copied column, the code included, is written and the shop's own Id is kept.
// Codes of the head office become the shop's ids: the customer group and the salesman fall back
// to the shop's lowest id when the shop does not know the code, and a province the shop does not
// know is added to its 'CITY' codes first.
class HeadOfficeCustomerSync
{
public:
    HeadOfficeCustomerSync(data::Connection& company, data::Connection& head);

    // The customer of this code (trimmed, capitals) as the head office has it: false when the head
    // office has no such customer and nothing was written. Runs in one transaction of the shop's.
    bool copy(const QString& code);

    // The head office's customer read by the last copy, with its group, salesman and province codes.
    const data::Query& QGetCustomerHead() const { return m_qGetCustomerHead; }

private:
    QVariant localId(const QString& sql, const QVariant& code, const QString& fallbackSql);
    QVariant provinceId();

    data::Connection& m_company;
    data::Query m_qGetCustomerHead;
};

} // namespace kvr::search
