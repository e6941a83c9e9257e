#include "app/demo/BatchInserter.h"
#include "app/demo/DemoBill.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "util/Rounding.h"

namespace kvr::demo {

namespace {

QString flag(bool set)
{
    return set ? QStringLiteral("Y") : QStringLiteral("N");
}

// A reference that a bill may leave empty is stored as null, not as 0.
QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : QVariant();
}

QVariant textOrNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

const QStringList& headerColumns()
{
    static const QStringList columns = {
        QStringLiteral("Id"),           QStringLiteral("DelFlag"),
        QStringLiteral("DelRemark"),    QStringLiteral("PosType"),
        QStringLiteral("PosShiftNo"),   QStringLiteral("PosNo"),
        QStringLiteral("PosDate"),      QStringLiteral("Department"),
        QStringLiteral("Customer"),     QStringLiteral("Salesman"),
        QStringLiteral("Warehouse"),    QStringLiteral("TaxCode"),
        QStringLiteral("TaxRate"),      QStringLiteral("Price_IE"),
        QStringLiteral("NoTaxAmt"),     QStringLiteral("TaxAmt"),
        QStringLiteral("TaxTotal"),     QStringLiteral("Total"),
        QStringLiteral("DiscName1"),    QStringLiteral("DiscRate1"),
        QStringLiteral("DiscAmt1"),     QStringLiteral("DiscRate2"),
        QStringLiteral("DiscAmt2"),     QStringLiteral("DiscRate3"),
        QStringLiteral("DiscAmt3"),     QStringLiteral("Posted"),
        QStringLiteral("Cash"),         QStringLiteral("CardAmount"),
        QStringLiteral("Coupon"),       QStringLiteral("BankAmount"),
        QStringLiteral("Transfer"),     QStringLiteral("Change"),
        QStringLiteral("CompanyBank"),  QStringLiteral("PosPrintDateTime"),
        QStringLiteral("Imported"),     QStringLiteral("Remark"),
        QStringLiteral("Printed"),      QStringLiteral("ShiftClose"),
        QStringLiteral("CurrencyId"),   QStringLiteral("Rate"),
        QStringLiteral("FullTaxNo"),    QStringLiteral("CustomerName"),
        QStringLiteral("ShipAddr1"),    QStringLiteral("ShipAddr2"),
        QStringLiteral("ShipProvince"), QStringLiteral("ShipZipCode"),
        QStringLiteral("ShipPhone"),    QStringLiteral("TaxCustomer"),
        QStringLiteral("BranchHead"),   QStringLiteral("BranchCode"),
    };
    return columns;
}

QStringList lineColumns(const QString& headerColumn)
{
    return {QStringLiteral("Id"),           headerColumn,
            QStringLiteral("PosRecNo"),     QStringLiteral("PosDate"),
            QStringLiteral("Product"),      QStringLiteral("Quantity"),
            QStringLiteral("ProductUnits"), QStringLiteral("Fraction"),
            QStringLiteral("TaxCode"),      QStringLiteral("TaxRate"),
            QStringLiteral("Warehouse"),    QStringLiteral("LotNo"),
            QStringLiteral("SerialNo"),     QStringLiteral("Price"),
            QStringLiteral("Discount"),     QStringLiteral("DiscountAmt"),
            QStringLiteral("Total"),        QStringLiteral("ProductAmount"),
            QStringLiteral("Cost"),         QStringLiteral("MemoLine")};
}

void addHeader(BatchInserter& headers, const DemoBill& b)
{
    const DemoCustomer& c = *b.customer;
    const bool fullTax = !b.fullTaxNo.isEmpty();
    // The buyer block is filled only for a bill that got a full tax invoice; a head office
    // prints no branch code.
    headers.addRow({b.id,
                    flag(b.cancelled),
                    textOrNull(b.cancelReason),
                    QString(b.type),
                    idOrNull(b.shift),
                    b.number,
                    b.date.startOfDay(),
                    idOrNull(b.department),
                    c.id,
                    b.salesman,
                    idOrNull(b.warehouse),
                    ids::taxVat7,
                    7.0,
                    QStringLiteral("I"),
                    b.noTaxAmount,
                    b.taxAmount,
                    b.taxTotal,
                    b.total,
                    textOrNull(b.discountName),
                    b.discountRate,
                    b.discountAmount,
                    0.0,
                    0.0,
                    0.0,
                    0.0,
                    flag(b.posted),
                    b.cash,
                    b.cardAmount,
                    b.coupon,
                    b.bankAmount,
                    QStringLiteral("N"),
                    b.change,
                    idOrNull(b.companyBank),
                    b.savedAt,
                    flag(b.imported),
                    textOrNull(b.remark),
                    QStringLiteral("Y"),
                    flag(b.shiftClosed),
                    ids::currencyThb,
                    1.0,
                    textOrNull(b.fullTaxNo),
                    fullTax ? QVariant(c.name) : QVariant(),
                    fullTax ? QVariant(c.address1) : QVariant(),
                    fullTax ? QVariant(c.address2) : QVariant(),
                    fullTax ? QVariant(c.province) : QVariant(),
                    fullTax ? QVariant(c.zipCode) : QVariant(),
                    fullTax ? QVariant(c.phone) : QVariant(),
                    fullTax ? QVariant(c.taxNumber) : QVariant(),
                    fullTax ? QVariant(QStringLiteral("Y")) : QVariant(),
                    fullTax ? QVariant(QString()) : QVariant()});
}

} // namespace

int nextFreeId(data::Connection& company, const QString& table)
{
    data::Query last(company, QStringLiteral("SELECT Coalesce(Max(Id), 0) AS LastId FROM %1").arg(table));
    last.open();
    return last.field(QStringLiteral("LastId")).asInteger() + 1;
}

void writeShifts(data::Connection& company, const DemoShop& shop, const std::vector<DemoShift>& shifts)
{
    BatchInserter rows(company, QStringLiteral("PosShiftNo"),
                       QStringLiteral("Id, ShiftDate, ShiftNo, PosMachineNo, OpenTime, OpenMoney, Closed, CloseTime, "
                                      "CloseMoney, SaleAmount"));
    BatchInserter money(company, QStringLiteral("PosShiftMoney"),
                        QStringLiteral("Id, PosShiftNo, Closed, Coin, Quantity, Amount"));
    int moneyId = nextFreeId(company, QStringLiteral("PosShiftMoney")) - 1;
    for (const DemoShift& s : shifts) {
        rows.add({s.id, s.date.startOfDay(), s.shiftNo, s.machine->id, s.openTime, s.openMoney, flag(s.closed),
                  s.closeTime, s.closeMoney, s.saleAmount});
        for (const auto& [coin, pieces] : s.openingFloat) {
            double face = 0;
            for (const auto& [id, value] : shop.coins) {
                if (id == coin)
                    face = value;
            }
            money.add({++moneyId, s.id, QStringLiteral("N"), coin, pieces, util::RoundHalfUp(pieces * face, 15, 2)});
        }
    }
    rows.finish();
    money.finish();
    syncIdentities(company, {QStringLiteral("PosShiftNo"), QStringLiteral("PosShiftMoney")});
}

void writeBills(data::Connection& company, const std::vector<DemoBill>& bills, bool keptInPosHeader)
{
    const QString headerTable = keptInPosHeader ? QStringLiteral("PosHeader") : QStringLiteral("PosHd");
    const QString lineTable = keptInPosHeader ? QStringLiteral("PosDetail") : QStringLiteral("PosDt");
    BatchInserter headers(company, headerTable, headerColumns());
    BatchInserter lines(company, lineTable, lineColumns(headerTable));
    BatchInserter cards(company, QStringLiteral("CreditCardInfo"),
                        QStringLiteral("Id, RcptType, RcptDocId, RcptRecNo, CreditCard, CardNo, SlipNo, VerifyCode, "
                                       "Deposit, CardRcpt, CardRate, CardCharge, CardAmount"));
    // Bills may be written in several batches: each goes on after the rows already there.
    int lineId = nextFreeId(company, lineTable) - 1;
    int cardId = nextFreeId(company, QStringLiteral("CreditCardInfo")) - 1;
    for (const DemoBill& b : bills) {
        addHeader(headers, b);
        int recNo = 0;
        for (const DemoLine& l : b.lines) {
            lines.addRow({++lineId,
                          b.id,
                          ++recNo,
                          b.date.startOfDay(),
                          l.product->id,
                          l.quantity,
                          l.unit->id,
                          l.unit->fraction,
                          l.product->taxCode,
                          l.taxRate,
                          idOrNull(l.warehouse),
                          idOrNull(l.lot),
                          idOrNull(l.serial),
                          l.price,
                          l.discount,
                          l.discountAmount,
                          l.total,
                          l.productAmount,
                          l.cost,
                          QVariant()});
        }
        int cardNo = 0;
        for (const DemoCardPayment& c : b.cards) {
            // Card payments belong to POS bills only (receipt type 1).
            Q_ASSERT(!keptInPosHeader);
            cards.add({++cardId, 1, b.id, ++cardNo, c.card, c.cardNo, c.slipNo, c.approval, flag(c.deposited),
                       c.received, c.rate, c.charge, c.amount});
        }
    }
    headers.finish();
    lines.finish();
    cards.finish();
    syncIdentities(company, {headerTable, lineTable, QStringLiteral("CreditCardInfo")});
}

void writeSoldSerials(data::Connection& company, const std::vector<DemoBill>& bills)
{
    BatchInserter serials(company, QStringLiteral("SerialNo"), QStringLiteral("Id, Product, Serial, OnHand"));
    for (const DemoBill& b : bills) {
        for (const DemoLine& l : b.lines) {
            if (l.serial > 0)
                serials.add({l.serial, l.product->id, l.serialCode, flag(b.cancelled)});
        }
    }
    serials.finish();
    syncIdentities(company, {QStringLiteral("SerialNo")});
}

void writeUsageLog(data::Connection& company, const std::vector<DemoShift>& shifts, const std::vector<DemoBill>& bills)
{
    // Function ids of the usage log: 1 new document saved, 3 cancelled, 4 shift opened, 5 printed.
    BatchInserter log(company, QStringLiteral("UserLog"),
                      QStringLiteral("Id, LogDate, UserId, MenuId, FunctionListId, DocumentId, Remark"));
    int id = 0;
    for (const DemoShift& s : shifts)
        log.add({++id, s.openTime, s.user, ids::menuSale, 4, s.id, QString()});
    for (const DemoBill& b : bills) {
        log.add({++id, b.savedAt, b.user, b.menu, 1, 0, b.number.trimmed()});
        if (b.cancelled)
            log.add({++id, b.savedAt.addSecs(1800), ids::userThai, ids::menuCancel, 3, b.id, b.number.trimmed()});
        if (!b.fullTaxNo.isEmpty())
            log.add({++id, b.savedAt.addSecs(600), ids::userThai, ids::menuFullTax, 5, ids::formFullTaxInvoice,
                     b.number.trimmed()});
    }
    log.finish();
    syncIdentities(company, {QStringLiteral("UserLog")});
}

} // namespace kvr::demo
