#include "app/demo/DemoBillMaker.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/Query.h"

#include <algorithm>

namespace kvr::demo {

namespace {

// A shop with four counters rings up about 2,000 bills a day.
constexpr int kBillsPerDay = 2000;
// Bills held in memory before they are written: a few tens of megabytes.
constexpr int kBillsPerChunk = 20000;

const char* const kCancelReasons[] = {"ลูกค้าเปลี่ยนใจ ขอยกเลิกการซื้อ", "พนักงานคีย์ราคาผิด", "ลูกค้าขอเปลี่ยนสินค้า",
                                      "ชำระเงินไม่สำเร็จ"};

// The numbers the plain demo took this year and last: the history's bills of those years follow them.
void continueSeries(data::Connection& company, Numbering& numbering)
{
    data::Query taken(company, QStringLiteral("SELECT Code, DocYear, LastNo FROM DocumentNo"));
    taken.open();
    for (taken.first(); !taken.eof(); taken.next())
        numbering.continueAfter(taken.field(QStringLiteral("Code")).asString(),
                                taken.field(QStringLiteral("DocYear")).asInteger(),
                                taken.field(QStringLiteral("LastNo")).asInteger());
}

// Every series and year the history used ends where it stopped; years before the demo's two
// get their series as a copy of this year's.
void storeSeries(data::Connection& company, const Numbering& numbering, int runYear)
{
    data::Query advance(company,
                        QStringLiteral("UPDATE DocumentNo SET LastNo = :LastNo "
                                       "WHERE Code = :Code AND DocYear = :DocYear"));
    data::Query add(company,
                    QStringLiteral("INSERT INTO DocumentNo (Code, DocYear, Description, Prefix, LastNo, "
                                   "DocumentLength, AutoRun, DocType) "
                                   "SELECT Code, CAST(:DocYear AS INTEGER), Description, CAST(:Prefix AS VARCHAR(20)), "
                                   "CAST(:LastNo AS INTEGER), DocumentLength, AutoRun, DocType FROM DocumentNo "
                                   "WHERE Code = :Code AND DocYear = :RunYear"));
    for (auto it = numbering.used().begin(); it != numbering.used().end(); ++it) {
        const QString& code = it.key().first;
        const int year = it.key().second;
        advance.setParam(QStringLiteral("LastNo"), it.value());
        advance.setParam(QStringLiteral("Code"), code);
        advance.setParam(QStringLiteral("DocYear"), year);
        if (advance.execSql() > 0)
            continue;
        const QString prefix =
            (code == QLatin1String("POS-X1") ? QStringLiteral("TX") : QStringLiteral("P") + code.right(1)) +
            QString::number(buddhistYear(year) % 100).rightJustified(2, QLatin1Char('0'));
        add.setParam(QStringLiteral("DocYear"), year);
        add.setParam(QStringLiteral("Prefix"), prefix);
        add.setParam(QStringLiteral("LastNo"), it.value());
        add.setParam(QStringLiteral("Code"), code);
        add.setParam(QStringLiteral("RunYear"), runYear);
        add.execSql();
    }
}

} // namespace

QString fillHistory(data::Connection& company, DemoShop& shop, qint64 billCount)
{
    if (billCount <= 0)
        return QStringLiteral("none asked for");
    BillMaker maker(shop, 22);
    DemoRandom& random = maker.random();
    Numbering numbering;
    continueSeries(company, numbering);

    std::vector<const DemoMachine*> counters;
    for (const DemoMachine& m : shop.machines) {
        if (!m.blocked)
            counters.push_back(&m);
    }
    if (counters.empty())
        throw data::DbError(QStringLiteral("The demo shop has no counter to ring up its history"));
    // The days before the plain demo's three, back as far as the bills reach at a shop's pace.
    const int days = int(std::max<qint64>(30, (billCount + kBillsPerDay - 1) / kBillsPerDay));
    const QDate lastDay = shop.today.addDays(-3);
    const QDate firstDay = lastDay.addDays(-(days - 1));

    int shiftId = nextFreeId(company, QStringLiteral("PosShiftNo"));
    int billId = nextFreeId(company, QStringLiteral("PosHd"));
    qint64 made = 0, cancelled = 0, fullTax = 0;
    std::vector<DemoShift> shifts;
    std::vector<DemoBill> bills;
    const auto write = [&] {
        writeShifts(company, shop, shifts);
        writeBills(company, bills, false);
        writeSoldSerials(company, bills);
        shifts.clear();
        bills.clear();
    };
    for (int day = 0; day < days; ++day) {
        const QDate date = firstDay.addDays(day);
        // What is left spread over the days left, a little more or less each day.
        const qint64 left = billCount - made;
        const qint64 dayBills = day == days - 1 ? left : left / (days - day);
        for (std::size_t c = 0; c < counters.size(); ++c) {
            const DemoMachine& machine = *counters[c];
            const bool serviceCounter = machine.code == QLatin1String("POS03");
            const qint64 count = c + 1 == counters.size() ? dayBills - dayBills / qint64(counters.size()) * qint64(c)
                                                          : dayBills / qint64(counters.size());
            DemoShift shift;
            shift.id = shiftId++;
            shift.date = date;
            shift.machine = &machine;
            shift.openTime = QDateTime(date, QTime(8, random.between(0, 20)));
            shift.closed = true;
            shift.closeTime = shift.openTime.addSecs(13 * 3600);
            shift.user = machine.code == QLatin1String("POS02") ? ids::userEnglish : ids::userThai;
            for (const auto& [coin, face] : shop.coins) {
                const int pieces = face >= 500 ? 0 : random.between(2, 10);
                shift.openingFloat.emplace_back(coin, pieces);
                shift.openMoney += pieces * face;
            }
            shift.openMoney = util::RoundHalfUp(shift.openMoney, 15, 2);
            // The day's bills of the counter spread over its thirteen hours.
            const qint64 step = count > 0 ? std::max<qint64>(1, 13 * 3600 / count) : 1;
            for (qint64 n = 0; n < count; ++n) {
                DemoBill bill;
                bill.id = billId++;
                bill.type = serviceCounter ? (random.chance(70) ? QLatin1Char('S') : QLatin1Char('M'))
                                           : (random.chance(95) ? QLatin1Char('P') : QLatin1Char('M'));
                bill.customer = maker.anyCustomer();
                bill.date = date;
                bill.savedAt = shift.openTime.addSecs(n * step + random.between(0, int(step / 2)));
                bill.shift = shift.id;
                bill.department = machine.department;
                bill.warehouse = bill.type == QLatin1Char('P') ? ids::warehouseMain : 0;
                bill.salesman = machine.salesman;
                bill.user = shift.user;
                bill.menu = bill.type == QLatin1Char('S') ? ids::menuServiceSale
                    : bill.type == QLatin1Char('M')       ? ids::menuMiscSale
                                                          : ids::menuSale;
                maker.fillLines(bill);
                maker.total(bill, random.chance(8));
                maker.pay(bill, true);
                bill.number =
                    numbering.next(QStringLiteral("POS-") + bill.type, QStringLiteral("P") + bill.type, bill.date);
                // About one bill in a hundred is cancelled, and one in fifty gets a full tax invoice.
                bill.cancelled = random.chance(1);
                if (bill.cancelled) {
                    bill.cancelReason = QString::fromUtf8(kCancelReasons[random.between(0, 3)]);
                    ++cancelled;
                } else if (bill.type == QLatin1Char('P') && bill.customer != maker.walkIn() && random.chance(6)) {
                    bill.fullTaxNo = numbering.next(QStringLiteral("POS-X1"), QStringLiteral("TX"), bill.date);
                    ++fullTax;
                }
                bill.posted = date.daysTo(shop.today) > 31;
                bill.shiftClosed = true;
                if (!bill.cancelled) {
                    shift.saleAmount = stored(shift.saleAmount + bill.total);
                    shift.closeMoney = stored(shift.closeMoney + bill.cash - bill.change);
                }
                bills.push_back(std::move(bill));
            }
            shift.closeMoney = stored(shift.openMoney + shift.closeMoney);
            shifts.push_back(std::move(shift));
            made += count;
        }
        if (bills.size() >= kBillsPerChunk)
            write();
    }
    write();
    storeSeries(company, numbering, shop.runYear);
    return QStringLiteral("%1 bills from %2 to %3, %4 cancelled, %5 with a full tax invoice")
        .arg(made)
        .arg(firstDay.toString(QStringLiteral("dd/MM/yyyy")), lastDay.toString(QStringLiteral("dd/MM/yyyy")))
        .arg(cancelled)
        .arg(fullTax);
}

} // namespace kvr::demo
