#pragma once

#include <QStringList>

namespace kvr::data {
class Dialect;
class Query;
} // namespace kvr::data

namespace kvr::search::statements {

// The statements of the searches over the masters (codes, salesmen, warehouses, customers, banks,
// machines) and the saved bills. Criteria are bound as parameter values (:GetCode, :GetName ...);
// the named slots (data::Query::setSlot) take the conditions given here.

// Codes of the Misc group :GroupCode by code and description.
QStringList miscSearch(const data::Dialect& dialect);

// Active salesmen by code and full name.
QStringList salesmanSearch(const data::Dialect& dialect);

// Warehouses by code and name; slot kUserRestriction takes userWarehouses() or nothing.
QStringList warehouseSearch(const data::Dialect& dialect);
inline const QString kUserRestriction = QStringLiteral("UserRestriction");
// Only the warehouses granted to :UserId.
QString userWarehouses();

// Unblocked customers by name, code and telephone; slot kBranches takes noBranches() or nothing.
QStringList customerSearch(const data::Dialect& dialect);
inline const QString kBranches = QStringLiteral("Branches");
QString noBranches();

// The customer search of the head-office link, on whichever database it runs: each criterion
// typed adds its condition in its slot.
struct CustomerPosSearch
{
    enum class Criterion { Province, Salesman, Code, Phone, Fax, Name, NameEng };

    static QStringList lines(const data::Dialect& dialect);
    static inline const QString kBlocked = QStringLiteral("Blocked");
    static inline const QString kAttribute = QStringLiteral("Attribute");
    static inline const QString kOrder = QStringLiteral("Order");
    // The slot of a criterion and its condition on :Get<criterion>.
    static QString slotOf(Criterion criterion);
    static QString condition(const data::Dialect& dialect, Criterion criterion);
    static QString blocked(bool shown);
    // Customers with an attribute code between :AttrFrom and :AttrTo.
    static QString attributeRange();
    // The order of the column clicked; empty for a column that does not sort.
    static QString orderBy(const QString& field);
    static QString defaultOrder();
};

// Company bank accounts that are not blocked, by bank code and name.
QStringList companyBankSearch(const data::Dialect& dialect);

// Registered POS machines by location.
QStringList machineSearch(const data::Dialect& dialect);

// Saved bills of the sale screen of the mode :GetType; slots kNumberEnd and kCustomerCode take
// the conditions of setNumberEnding() and setCustomerCode(), slot kOrder posBillOrder().
QStringList posBillSearch();
inline const QString kOrder = QStringLiteral("Order");
inline const QString kNumberEnd = QStringLiteral("NumberEnd");
inline const QString kCustomerCode = QStringLiteral("CustomerCode");
// The bills (aliased H) whose trimmed number ends with the typed text; none typed, every bill.
void setNumberEnding(data::Query& search, const QString& typed);
// The bills of the customers whose code starts with the typed text; none typed, every bill.
void setCustomerCode(data::Query& search, const QString& typed);
QString posBillOrder(bool byNumber);

// The statement with every ORDER BY from there on replaced by the ordinal of a result column.
QStringList sortedByColumn(const QStringList& lines, int ordinal, bool descending);

} // namespace kvr::search::statements
