#include "app/demo/DemoBillMaker.h"

#include "data/Connection.h"
#include "data/Query.h"

namespace kvr::demo {

namespace {

const char* const kRemarks[] = {"ลูกค้าประจำ", "ส่งสินค้าถึงบ้านลูกค้า", "สินค้าจัดรายการประจำเดือน"};

} // namespace

QString fillBills(data::Connection& company, DemoShop& shop)
{
    BillMaker maker(shop);
    DemoRandom& random = maker.random();
    std::vector<DemoShift> shifts = planShifts(shop, random);
    Numbering numbering;
    std::vector<DemoBill> bills;
    for (DemoShift& shift : shifts) {
        const int daysBack = int(shift.date.daysTo(shop.today));
        const bool serviceCounter = shift.machine->code == QLatin1String("POS03");
        const int count = serviceCounter ? random.between(3, 5) : random.between(6, 10);
        QDateTime at = shift.openTime;
        for (int n = 0; n < count; ++n) {
            at = at.addSecs(60 * random.between(4, 30));
            DemoBill bill;
            bill.id = int(bills.size()) + 1;
            bill.type = serviceCounter ? (random.chance(70) ? QLatin1Char('S') : QLatin1Char('M'))
                                       : (random.chance(90) ? QLatin1Char('P') : QLatin1Char('M'));
            // Yesterday the first bill at the first counter got a full tax invoice for a company,
            // and the second bill at the other counter was cancelled.
            const bool fullTax =
                daysBack == 1 && shift.machine->code == QLatin1String("POS01") && shift.shiftNo == 1 && n == 0;
            bill.cancelled = daysBack == 1 && shift.machine->code == QLatin1String("POS02") && n == 1;
            if (fullTax || bill.cancelled)
                bill.type = QLatin1Char('P');
            bill.customer = fullTax ? maker.customer("C0001") : maker.anyCustomer();
            bill.date = shift.date;
            bill.savedAt = at;
            bill.shift = shift.id;
            bill.department = shift.machine->department;
            bill.warehouse = bill.type == QLatin1Char('P') ? ids::warehouseMain : 0;
            const bool ownSalesman = bill.customer != maker.walkIn() &&
                std::count(shop.activeSalesmen.begin(), shop.activeSalesmen.end(), bill.customer->salesman) > 0;
            bill.salesman = ownSalesman ? bill.customer->salesman : shift.machine->salesman;
            bill.user = shift.user;
            bill.menu = bill.type == QLatin1Char('S') ? ids::menuServiceSale
                : bill.type == QLatin1Char('M')       ? ids::menuMiscSale
                                                      : ids::menuSale;
            if (fullTax)
                bill.remark = QStringLiteral("ลูกค้าขอใบกำกับภาษีเต็มรูป");
            else if (random.chance(15))
                bill.remark = QString::fromUtf8(kRemarks[random.between(0, 2)]);
            maker.fillLines(bill);
            maker.total(bill, !fullTax && random.chance(8));
            maker.pay(bill, daysBack > 0);
            bill.number =
                numbering.next(QStringLiteral("POS-") + bill.type, QStringLiteral("P") + bill.type, bill.date);
            if (fullTax)
                bill.fullTaxNo = numbering.next(QStringLiteral("POS-X1"), QStringLiteral("TX"), bill.date);
            if (bill.cancelled)
                bill.cancelReason = QStringLiteral("ลูกค้าเปลี่ยนใจ ขอยกเลิกการซื้อ");
            bill.posted = daysBack == 2;
            bill.shiftClosed = shift.closed;
            if (shift.closed && !bill.cancelled) {
                shift.saleAmount = stored(shift.saleAmount + bill.total);
                shift.closeMoney = stored(shift.closeMoney + bill.cash - bill.change);
            }
            bills.push_back(std::move(bill));
        }
        if (shift.closed)
            shift.closeMoney = stored(shift.openMoney + shift.closeMoney);
    }

    // Bills a branch sent in, kept apart in PosHeader: no shift of this shop, no card rows.
    std::vector<DemoBill> branchBills;
    for (int n = 0; n < 5; ++n) {
        DemoBill bill;
        bill.id = n + 1;
        bill.customer = maker.walkIn();
        bill.date = shop.today.addDays(-2);
        bill.savedAt = QDateTime(bill.date, QTime(10 + n, 15));
        bill.department = ids::departmentFront;
        bill.warehouse = ids::warehouseBranch;
        bill.salesman = shop.activeSalesmen.back();
        bill.user = ids::userThai;
        bill.menu = ids::menuSale;
        bill.imported = true;
        maker.fillLines(bill);
        maker.total(bill, false);
        bill.cash = bill.total;
        bill.number = numbering.next(QStringLiteral("BRANCH"), QStringLiteral("BN"), bill.date);
        branchBills.push_back(std::move(bill));
    }

    writeShifts(company, shop, shifts);
    writeBills(company, bills, false);
    writeBills(company, branchBills, true);
    writeSoldSerials(company, bills);
    writeUsageLog(company, shifts, bills);

    // The series continue after the numbers these bills took.
    data::Query advance(company,
                        QStringLiteral("UPDATE DocumentNo SET LastNo = :LastNo "
                                       "WHERE Code = :Code AND DocYear = :DocYear"));
    for (auto it = numbering.used().begin(); it != numbering.used().end(); ++it) {
        advance.setParam(QStringLiteral("LastNo"), it.value());
        advance.setParam(QStringLiteral("Code"), it.key().first);
        advance.setParam(QStringLiteral("DocYear"), it.key().second);
        advance.execSql();
    }

    qsizetype lines = 0;
    qsizetype cards = 0;
    for (const DemoBill& b : bills) {
        lines += qsizetype(b.lines.size());
        cards += qsizetype(b.cards.size());
    }
    return QStringLiteral("%1 bills with %2 lines and %3 card payments in %4 shifts, %5 branch bills")
        .arg(bills.size())
        .arg(lines)
        .arg(cards)
        .arg(shifts.size())
        .arg(branchBills.size());
}

} // namespace kvr::demo
