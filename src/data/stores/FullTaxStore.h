#pragma once

#include "data/CachedDataset.h"

#include <QDate>

namespace kvr::data {

class TDM;

// Columns of the POS bill headers (PosHd, PosHeader) that a full tax invoice reads and writes,
// the customer's columns as its header statement names them, and the columns of its lines.
namespace fulltax {
inline const QString kId = QStringLiteral("Id");
inline const QString kPosNo = QStringLiteral("PosNo");
inline const QString kPosDate = QStringLiteral("PosDate");
inline const QString kTotal = QStringLiteral("Total");
inline const QString kFullTaxNo = QStringLiteral("FullTaxNo");
inline const QString kCustomerName = QStringLiteral("CustomerName");
inline const QString kShipAddr1 = QStringLiteral("ShipAddr1");
inline const QString kShipAddr2 = QStringLiteral("ShipAddr2");
inline const QString kShipAddr3 = QStringLiteral("ShipAddr3");
inline const QString kShipProvince = QStringLiteral("ShipProvince");
inline const QString kShipZipCode = QStringLiteral("ShipZipCode");
inline const QString kShipPhone = QStringLiteral("ShipPhone");
inline const QString kTaxCustomer = QStringLiteral("TaxCustomer");
inline const QString kBranchHead = QStringLiteral("BranchHead");
inline const QString kBranchCode = QStringLiteral("BranchCode");
inline const QString kDelFlag = QStringLiteral("DelFlag");
inline const QString kDelRemark = QStringLiteral("DelRemark");

// The receipt's customer.
inline const QString kName = QStringLiteral("Name");
inline const QString kAdr1 = QStringLiteral("Adr1");
inline const QString kAdr2 = QStringLiteral("Adr2");
inline const QString kAdr3 = QStringLiteral("Adr3");
inline const QString kProvince = QStringLiteral("Province");
inline const QString kZipCode = QStringLiteral("ZipCode");
inline const QString kPhoneNo = QStringLiteral("PhoneNo");
inline const QString kTaxNumber = QStringLiteral("TaxNumber");

// The lines.
inline const QString kProdName = QStringLiteral("ProdName");
inline const QString kUnitName = QStringLiteral("UnitName");
inline const QString kPrice = QStringLiteral("Price");
inline const QString kQuantity = QStringLiteral("Quantity");
} // namespace fulltax

// The pair of bill tables a full tax invoice works on. Names come from the program, never from
// what the user types.
struct FullTaxTables
{
    QString header;
    QString lines;
    // The lines' column holding their header's Id.
    QString lineParent;
    // PosHd bills always have a customer; bills kept in PosHeader may come without one.
    bool customerRequired = true;

    static FullTaxTables posHd();
    static FullTaxTables posHeader();
};

// A receipt as the number typed finds it.
struct ReceiptCheck
{
    bool found = false;
    int id = 0;
    QString fullTaxNo;
    bool cancelled = false;
    QString cancelReason;
};

// The head-office flag and branch code a buyer's latest receipt carries; empty when none has them.
struct BranchData
{
    QString head;
    QString code;
};

// What issuing the invoice of the receipt on screen came to.
struct IssueResult
{
    enum class Outcome { Issued, Cancelled, Missing };
    Outcome outcome = Outcome::Issued;
    QString fullTaxNo;
    // False when the receipt had its number already (perhaps from another counter a moment ago).
    bool drawn = false;
};

// The full tax invoice's statements on one pair of bill tables: the receipt found by its number,
// its header with the buyer block (held in a cached dataset while it is edited), its lines, the
// receipts sharing a combined invoice, a buyer's latest branch data, and the one write: the
// invoice number with the buyer block.
class FullTaxStore
{
public:
    FullTaxStore(TDM& dm, FullTaxTables tables);

    const FullTaxTables& tables() const { return m_tables; }

    // The buyer's tax number and branch columns on both header tables, for databases older than them.
    void upgradeSchema();

    // The receipt whose trimmed number is the text given, the newest when several are.
    ReceiptCheck checkReceipt(const QString& number);
    // The receipt's header with its customer's columns: no row when a required customer is missing.
    CachedDataset& QHd() { return m_qHd; }
    const CachedDataset& QHd() const { return m_qHd; }
    void openHeader(int id);
    CachedDataset& QDt() { return m_qDt; }
    void openLines(int headerId);
    void close();

    // How many receipts carry the invoice number (more than one: a combined end-of-day invoice).
    int countSharing(const QString& fullTaxNo);
    BranchData lastBranchData(const QString& customerName);

    // Writes the header on screen in one transaction, after locking its row and reading its
    // number again: a receipt that has one by then keeps it, one without draws the next number of
    // `documentCode` for the year of `date`. A receipt cancelled or deleted meanwhile is left as
    // it is. On a database error nothing is written, the changes stay pending and it goes on.
    IssueResult issue(const QString& documentCode, const QDate& date);

private:
    TDM& m_dm;
    FullTaxTables m_tables;
    CachedDataset m_qHd;
    CachedDataset m_qDt;
};

} // namespace kvr::data
