#include "data/stores/FullTaxStore.h"

#include "data/Connection.h"
#include "data/SchemaScript.h"
#include "data/TDM.h"
#include "util/Flags.h"

namespace kvr::data {

namespace {

namespace column = fulltax;

// Older databases lack the buyer's tax number and branch on the bill headers.
const QString kSchemaStep = QStringLiteral("IF NOT EXISTS COLUMN PosHeader.TaxCustomer\n"
                                           "Alter Table PosHeader Add TaxCustomer Char(15) Null\n"
                                           "/\n"
                                           "IF NOT EXISTS COLUMN PosHeader.BranchHead\n"
                                           "Alter Table PosHeader Add BranchHead char(1) NULL\n"
                                           "/\n"
                                           "IF NOT EXISTS COLUMN PosHeader.BranchCode\n"
                                           "Alter Table PosHeader Add BranchCode char(5) NULL\n"
                                           "/\n"
                                           "IF NOT EXISTS COLUMN PosHd.TaxCustomer\n"
                                           "Alter Table PosHd Add TaxCustomer Char(15) Null\n"
                                           "/\n"
                                           "IF NOT EXISTS COLUMN PosHd.BranchHead\n"
                                           "Alter Table PosHd Add BranchHead char(1) NULL\n"
                                           "/\n"
                                           "IF NOT EXISTS COLUMN PosHd.BranchCode\n"
                                           "Alter Table PosHd Add BranchCode char(5) NULL\n");

QStringList headerSql(const FullTaxTables& tables)
{
    const QString join = tables.customerRequired ? QStringLiteral("Inner Join") : QStringLiteral("Left Join");
    return {QStringLiteral("Select H.Id, H.PosNo, H.PosDate, H.Total, H.FullTaxNo, H.CustomerName, C.Name, "
                           "H.BranchHead, H.BranchCode,"),
            QStringLiteral("  H.ShipAddr1, H.ShipAddr2, H.ShipAddr3, H.ShipProvince, H.ShipZipCode, H.ShipPhone,"),
            QStringLiteral("  LTrim(RTrim(C.Address1)) Adr1, LTrim(RTrim(C.Address2)) Adr2, LTrim(RTrim(C.Address3)) "
                           "Adr3,"),
            QStringLiteral("  C.Province, C.ZipCode, C.PhoneNo, C.TaxNumber, H.TaxCustomer"),
            QStringLiteral("From %1 H %2 Customer C On (H.Customer = C.Id)").arg(tables.header, join),
            QStringLiteral("Where H.Id = :GetId")};
}

QStringList modifySql(const FullTaxTables& tables)
{
    return {QStringLiteral("update %1 set FullTaxNo = :FullTaxNo, CustomerName = :CustomerName,").arg(tables.header),
            QStringLiteral("  ShipAddr1 = :ShipAddr1, ShipAddr2 = :ShipAddr2, ShipAddr3 = :ShipAddr3,"),
            QStringLiteral("  ShipProvince = :ShipProvince, ShipZipCode = :ShipZipCode, ShipPhone = :ShipPhone,"),
            QStringLiteral("  TaxCustomer = :TaxCustomer, BranchHead = :BranchHead, BranchCode = :BranchCode"),
            QStringLiteral("where Id = :OLD_Id")};
}

QStringList linesSql(const FullTaxTables& tables)
{
    // In the order they were rung up, for both tables.
    return {
        QStringLiteral("Select (Select ThaiName From Product Where Id = D.Product) ProdName,"),
        QStringLiteral("  (Select UnitName From ProductUnits Where Id = D.ProductUnits) UnitName,"),
        QStringLiteral("  D.Price, D.Quantity, D.Total"),
        QStringLiteral("From %1 D Where (D.%2 = :Id) Order By D.PosRecNo, D.Id").arg(tables.lines, tables.lineParent)};
}

} // namespace

FullTaxTables FullTaxTables::posHd()
{
    return {QStringLiteral("PosHd"), QStringLiteral("PosDt"), QStringLiteral("PosHd"), true};
}

FullTaxTables FullTaxTables::posHeader()
{
    return {QStringLiteral("PosHeader"), QStringLiteral("PosDetail"), QStringLiteral("PosHeader"), false};
}

FullTaxStore::FullTaxStore(TDM& dm, FullTaxTables tables)
    : m_dm(dm)
    , m_tables(std::move(tables))
    , m_qHd(dm.DMdata())
    , m_qDt(dm.DMdata())
{
    m_qHd.setSqlLines(headerSql(m_tables));
    m_qHd.modifySql() = modifySql(m_tables);
    m_qDt.setSqlLines(linesSql(m_tables));
}

void FullTaxStore::upgradeSchema()
{
    SchemaScript::fromText(kSchemaStep).run(m_dm.DMdata());
}

ReceiptCheck FullTaxStore::checkReceipt(const QString& number)
{
    Query check(m_dm.DMdata(),
                QStringLiteral("Select Id, PosNo, FullTaxNo, DelFlag, DelRemark From %1 "
                               "Where LTrim(RTrim(PosNo)) = :GetDoc Order By PosDate Desc, Id Desc")
                    .arg(m_tables.header));
    check.setParam(QStringLiteral("GetDoc"), number);
    check.open();
    ReceiptCheck result;
    result.found = !check.isEmpty();
    result.id = check.field(column::kId).asInteger();
    result.fullTaxNo = check.field(column::kFullTaxNo).asString();
    result.cancelled = util::isFlagSet(check.field(column::kDelFlag).asString());
    result.cancelReason = check.field(column::kDelRemark).asString().trimmed();
    return result;
}

void FullTaxStore::openHeader(int id)
{
    m_qHd.cancelUpdates();
    m_qHd.setParam(QStringLiteral("GetId"), id);
    m_qHd.open();
}

void FullTaxStore::openLines(int headerId)
{
    m_qDt.setParam(QStringLiteral("Id"), headerId);
    m_qDt.open();
}

void FullTaxStore::close()
{
    m_qHd.cancelUpdates();
    m_qHd.close();
    m_qDt.close();
}

int FullTaxStore::countSharing(const QString& fullTaxNo)
{
    Query count(m_dm.DMdata(),
                QStringLiteral("Select Count(*) GetCount From %1 "
                               "Where LTrim(RTrim(FullTaxNo)) = :GetFullTaxNo")
                    .arg(m_tables.header));
    count.setParam(QStringLiteral("GetFullTaxNo"), fullTaxNo.trimmed());
    count.open();
    return count.field(QStringLiteral("GetCount")).asInteger();
}

BranchData FullTaxStore::lastBranchData(const QString& customerName)
{
    Connection& connection = m_dm.DMdata();
    Query last(connection,
               connection.dialect().limit(QStringLiteral("select BranchHead, BranchCode from %1 "
                                                         "Where LTrim(RTrim(CustomerName)) = "
                                                         ":GetCustomerName Order By Id Desc")
                                              .arg(m_tables.header),
                                          1));
    last.setParam(QStringLiteral("GetCustomerName"), customerName.trimmed());
    last.open();
    return {last.field(column::kBranchHead).asString(), last.field(column::kBranchCode).asString()};
}

IssueResult FullTaxStore::issue(const QString& documentCode, const QDate& date)
{
    Connection& connection = m_dm.DMdata();
    m_qHd.post();
    IssueResult result;
    {
        Transaction transaction(connection);
        // Another counter printing the same receipt waits here until it has committed, then reads
        // the number it stored. SQLite takes its write lock at the start of the transaction.
        Query lock(connection,
                   QStringLiteral("Select FullTaxNo, DelFlag From %1 Where Id = :Id").arg(m_tables.header) +
                       connection.dialect().forUpdate());
        lock.setParam(column::kId, m_qHd.field(column::kId).value());
        lock.open();
        if (lock.isEmpty()) {
            result.outcome = IssueResult::Outcome::Missing;
            return result;
        }
        if (util::isFlagSet(lock.field(column::kDelFlag).asString())) {
            result.outcome = IssueResult::Outcome::Cancelled;
            return result;
        }
        result.fullTaxNo = lock.field(column::kFullTaxNo).asString();
        if (result.fullTaxNo.trimmed().isEmpty()) {
            result.fullTaxNo = m_dm.DrawDocumentNo(documentCode, date);
            result.drawn = true;
        }
        m_qHd.edit();
        m_qHd.setValue(column::kFullTaxNo, result.fullTaxNo);
        m_qHd.post();
        m_qHd.applyUpdates();
        transaction.commit();
    }
    m_qHd.commitUpdates();
    return result;
}

} // namespace kvr::data
