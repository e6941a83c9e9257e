#pragma once

#include <QStringList>

namespace kvr::data {
class Dialect;
}

namespace kvr::search::statements {

// The statements of the full tax invoice's searches: the receipts kept in PosHeader, and the
// buyers, from the buyer blocks of earlier receipts and the customer master.

// PosHeader receipts of the bill type :GetType, newest first; slots kNumberEnd and kCustomerCode
// (SearchStatements.h) take the number ending and the customer code.
QStringList posHeaderSearch();

// Distinct buyers (customername, shipphone, shipaddr1..3, shipprovince, shipzipcode, address,
// TaxNumber) of the receipts of `headerTable` with a buyer name and of the customers, by name.
// The slots kReceiptBuyers and kCustomerBuyers take buyerCondition() for their half.
QStringList buyerSearch(const data::Dialect& dialect, const QString& headerTable);
inline const QString kReceiptBuyers = QStringLiteral("ReceiptBuyers");
inline const QString kCustomerBuyers = QStringLiteral("CustomerBuyers");

// Whose rows a buyer condition is on.
enum class BuyerSource { Receipts, Customers };
// With a telephone, the rows of that telephone (:GetPhone) or, with a name too, containing the
// name (:GetName, a likeContains() pattern); with only a name, the rows containing it; with
// neither, no condition.
QString buyerCondition(const data::Dialect& dialect, BuyerSource source, bool byPhone, bool byName);

// The LIKE pattern of a text to be found anywhere, its "%", "_" and "!" taken literally (the
// conditions above say ESCAPE '!').
QString likeContains(const QString& text);

} // namespace kvr::search::statements
