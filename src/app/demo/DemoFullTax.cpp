#include "app/demo/DemoFullTax.h"

#include "app/demo/DemoShop.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"
#include "data/StoredProc.h"

#include <vector>

namespace kvr::demo {

namespace {

struct Receipt
{
    int id = 0;
    QString number;
    QDate date;
};

// The buyer block printed on an invoice.
struct Buyer
{
    QString name;
    QString address1;
    QString address2;
    int province = 0;
    QString zipCode;
    QString phone;
    QString taxNumber;
    QString branchCode; // "" for a head office
};

Buyer fromCustomer(const DemoShop& shop, const char* code, const QString& branchCode)
{
    for (const DemoCustomer& c : shop.customers) {
        if (c.code == QLatin1String(code))
            return {c.name, c.address1, c.address2, c.province, c.zipCode, c.phone, c.taxNumber, branchCode};
    }
    throw data::DbError(QStringLiteral("The demo has no customer %1").arg(QLatin1String(code)));
}

std::vector<Receipt> receipts(data::Connection& company, const QString& sql, const QDate& before = {})
{
    data::Query q(company, sql);
    if (before.isValid())
        q.setParam(QStringLiteral("Before"), before);
    q.open();
    std::vector<Receipt> rows;
    for (q.first(); !q.eof(); q.next())
        rows.push_back({q.field(QStringLiteral("Id")).asInteger(), q.field(QStringLiteral("PosNo")).asString(),
                        q.field(QStringLiteral("PosDate")).asDate()});
    return rows;
}

class Issuer
{
public:
    explicit Issuer(data::Connection& company)
        : m_company(company)
    { }

    QString draw(const QString& code, const QDate& date)
    {
        data::StoredProc next(m_company, QStringLiteral("NewDocumentNo"));
        next.setParam(QStringLiteral("@DocCode"), code);
        next.setParam(QStringLiteral("@DocYear"), date.year());
        next.execProc();
        return next.param(QStringLiteral("@NewNo")).toString();
    }

    void issue(const QString& table, const Receipt& receipt, const QString& number, const Buyer& buyer, int menu)
    {
        data::Query update(m_company,
                           QStringLiteral("UPDATE %1 SET FullTaxNo = :FullTaxNo, CustomerName = :Name, "
                                          "ShipAddr1 = :Addr1, ShipAddr2 = :Addr2, ShipAddr3 = NULL, "
                                          "ShipProvince = :Province, ShipZipCode = :Zip, ShipPhone = :Phone, "
                                          "TaxCustomer = :Tax, BranchHead = :Head, BranchCode = :Branch "
                                          "WHERE Id = :Id")
                               .arg(table));
        const bool head = buyer.branchCode.isEmpty();
        update.setParam(QStringLiteral("FullTaxNo"), number);
        update.setParam(QStringLiteral("Name"), buyer.name);
        update.setParam(QStringLiteral("Addr1"), buyer.address1);
        update.setParam(QStringLiteral("Addr2"), buyer.address2);
        update.setParam(QStringLiteral("Province"), buyer.province);
        update.setParam(QStringLiteral("Zip"), buyer.zipCode);
        update.setParam(QStringLiteral("Phone"), buyer.phone);
        update.setParam(QStringLiteral("Tax"), buyer.taxNumber);
        update.setParam(QStringLiteral("Head"), head ? QStringLiteral("Y") : QStringLiteral("N"));
        update.setParam(QStringLiteral("Branch"), buyer.branchCode);
        update.setParam(QStringLiteral("Id"), receipt.id);
        update.execSql();
        // The print of the invoice, as the print form records it.
        data::StoredProc log(m_company, QStringLiteral("UserAddLog"));
        log.setParam(QStringLiteral("@UserId"), ids::userThai);
        log.setParam(QStringLiteral("@MenuId"), menu);
        log.setParam(QStringLiteral("@FunctionListId"), 5);
        log.setParam(QStringLiteral("@DocumentId"),
                     table == QLatin1String("PosHd") ? ids::formFullTaxInvoice : ids::formFullTaxInvoiceHeader);
        log.setParam(QStringLiteral("@Remark"), receipt.number.trimmed());
        log.execProc();
        ++m_issued;
    }

    int issued() const { return m_issued; }

private:
    data::Connection& m_company;
    int m_issued = 0;
};

} // namespace

QString fillFullTaxInvoices(data::Connection& company, const DemoShop& shop)
{
    Issuer issuer(company);
    // Goods receipts of the last day over that have no invoice yet, latest first: their invoices
    // follow the one the bills phase made that day, so the series runs in date order.
    const std::vector<Receipt> open =
        receipts(company,
                 QStringLiteral("SELECT Id, PosNo, PosDate FROM PosHd WHERE PosType = 'P' AND DelFlag = 'N' "
                                "AND FullTaxNo IS NULL AND PosDate < :Before ORDER BY PosDate DESC, Id DESC"),
                 shop.today);
    if (open.size() < 3)
        throw data::DbError(QStringLiteral("The demo bills leave too few receipts for its full tax invoices"));

    // A company's branch asks for an invoice at the counter.
    const Receipt& toBranch = open.front();
    issuer.issue(QStringLiteral("PosHd"), toBranch, issuer.draw(QStringLiteral("POS-X1"), toBranch.date),
                 fromCustomer(shop, "C0002", QStringLiteral("00002")), ids::menuFullTax);

    // Two receipts of one day under one invoice, made out at the day's end in the back office.
    for (size_t i = 1; i + 1 < open.size(); ++i) {
        if (open[i].date != open[i + 1].date)
            continue;
        const QString combined = issuer.draw(QStringLiteral("POS-X1"), open[i].date);
        const Buyer buyer = fromCustomer(shop, "C0001", QString());
        issuer.issue(QStringLiteral("PosHd"), open[i], combined, buyer, ids::menuFullTax);
        issuer.issue(QStringLiteral("PosHd"), open[i + 1], combined, buyer, ids::menuFullTax);
        break;
    }

    // Bills of the other branch: the first gets an invoice for a buyer typed in at the counter,
    // the second was cancelled.
    const std::vector<Receipt> kept =
        receipts(company, QStringLiteral("SELECT Id, PosNo, PosDate FROM PosHeader ORDER BY Id"));
    if (kept.size() >= 2) {
        const Buyer typed = {QStringLiteral("บริษัท ไทยวัสดุภัณฑ์ จำกัด"),
                             QStringLiteral("77 ถนนวิภาวดีรังสิต"),
                             QStringLiteral("แขวงจอมพล เขตจตุจักร"),
                             ids::provinceBangkok,
                             QStringLiteral("10900"),
                             QStringLiteral("02-111-2222"),
                             withThaiTaxCheckDigit(QStringLiteral("010556123456")),
                             QStringLiteral("00005")};
        issuer.issue(QStringLiteral("PosHeader"), kept[0], issuer.draw(QStringLiteral("POS-X2"), kept[0].date), typed,
                     ids::menuFullTax2);
        data::Query cancel(company,
                           QStringLiteral("UPDATE PosHeader SET DelFlag = 'Y', DelRemark = :Reason "
                                          "WHERE Id = :Id"));
        cancel.setParam(QStringLiteral("Reason"), QStringLiteral("สาขาส่งข้อมูลซ้ำ"));
        cancel.setParam(QStringLiteral("Id"), kept[1].id);
        cancel.execSql();
    }
    return QStringLiteral("%1 receipts with full tax invoices added (one combined number on two), a cancelled "
                          "PosHeader bill")
        .arg(issuer.issued());
}

} // namespace kvr::demo
