#include "app/demo/DemoBill.h"
#include "app/demo/DemoRandom.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "pos/PosCalculator.h"
#include "util/Rounding.h"

#include <QMap>
#include <algorithm>
#include <cmath>

namespace kvr::demo {

namespace {

using util::RoundHalfUp;

// The VAT rate of every demo bill's header.
constexpr double kBillTaxRate = 7;

double money(double value)
{
    return RoundHalfUp(value, 15, 2);
}

// Amounts the bill carries as the screen leaves them: to the four places the database keeps.
double stored(double value)
{
    return RoundHalfUp(value, 15, 4);
}

// Numbers as the numbering procedure draws them: prefix of the series and year, running number,
// ten characters in all.
class Numbering
{
public:
    QString next(const QString& code, const QString& prefix, const QDate& date)
    {
        const int year = date.year();
        const int running = ++m_last[{code, year}];
        const QString yy = QString::number(buddhistYear(year) % 100).rightJustified(2, QLatin1Char('0'));
        const QString head = prefix + yy;
        return head + QString::number(running).rightJustified(10 - head.size(), QLatin1Char('0'));
    }
    const QMap<QPair<QString, int>, int>& used() const { return m_last; }

private:
    QMap<QPair<QString, int>, int> m_last;
};

// Makes bills the way a cashier rings them up: a customer, a few lines priced at the customer's
// level with the customer's or the product's discount, VAT included, and a way of paying.
class BillMaker
{
public:
    explicit BillMaker(DemoShop& shop)
        : m_shop(shop)
        , m_random(5)
    {
        const int showcase = minimumProducts();
        for (const DemoProduct& p : shop.products) {
            if (p.blocked || p.units.front().price[0] <= 0)
                continue;
            if (p.service)
                m_services.push_back(&p);
            else
                (&p - shop.products.data() < showcase ? m_showcaseGoods : m_goods).push_back(&p);
        }
        if (m_goods.empty())
            m_goods = m_showcaseGoods;
        for (const DemoCustomer& c : shop.customers) {
            if (!c.blocked && c.code != QLatin1String("BR001") && c.code != QLatin1String("CASH"))
                m_regulars.push_back(&c);
        }
        for (const DemoProduct& p : shop.products) {
            if (p.freeGift)
                m_freeGift = &p;
        }
    }

    DemoRandom& random() { return m_random; }

    const DemoCustomer* walkIn() const { return &m_shop.customers.front(); }
    const DemoCustomer* customer(const char* code) const
    {
        for (const DemoCustomer& c : m_shop.customers) {
            if (c.code == QLatin1String(code))
                return &c;
        }
        return walkIn();
    }

    const DemoCustomer* anyCustomer() { return m_random.chance(65) ? walkIn() : m_random.pick(m_regulars); }

    void fillLines(DemoBill& bill)
    {
        const int count = bill.type == QLatin1Char('S') ? m_random.between(1, 2) : m_random.between(1, 5);
        for (int n = 0; n < count; ++n) {
            const DemoProduct* product = nullptr;
            if (bill.type == QLatin1Char('S'))
                product = m_random.pick(m_services);
            else
                product = m_random.chance(60) ? m_random.pick(m_showcaseGoods) : m_random.pick(m_goods);
            addLine(bill, *product);
        }
        if (bill.type == QLatin1Char('P') && m_freeGift && m_random.chance(10))
            addLine(bill, *m_freeGift);
    }

    // The sums of the bill as the sale screen computes them (prices include VAT at the header's
    // 7 %): the screen's own calculator, so that a recalled demo bill recomputes to what it holds.
    void total(DemoBill& bill, bool endOfBillDiscount)
    {
        pos::BillInput input;
        input.taxRate = kBillTaxRate;
        for (const DemoLine& l : bill.lines)
            input.addLine(lineAmounts(l));
        const bool mixed = input.taxed > 0 && input.untaxed > 0;
        if (endOfBillDiscount && !mixed) {
            bill.discountName = QStringLiteral("ส่วนลดท้ายบิล");
            input.discRate[0] = 5;
        }
        const pos::BillAmounts amounts = pos::PosCalculator::billAmounts(input);
        bill.taxAmount = double(input.taxed);
        bill.noTaxAmount = double(input.untaxed);
        bill.discountRate = amounts.discRate[0];
        bill.discountAmount = amounts.discAmt[0];
        bill.total = amounts.total;
        bill.taxTotal = amounts.taxTotal;
    }

    void pay(DemoBill& bill, bool deposited)
    {
        const int way = m_random.between(1, 100);
        double left = bill.total;
        if (way <= 20) {
            addCard(bill, left, deposited);
            left = 0;
        } else if (way <= 27 && left >= 100) {
            const double half = std::floor(left / 2);
            addCard(bill, half, deposited);
            addCard(bill, stored(left - half), deposited);
            left = 0;
        } else if (way <= 35 && left >= 100) {
            const double part = std::floor(left / 2);
            addCard(bill, part, deposited);
            left = stored(left - part);
        } else if (way <= 42 && left > 60) {
            bill.coupon = left > 150 ? 100 : 50;
            left = stored(left - bill.coupon);
        } else if (way <= 50) {
            bill.bankAmount = left;
            bill.companyBank = m_random.pick(m_shop.companyBanks);
            left = 0;
        }
        bill.cash = left > 0 ? tendered(left) : 0;
        double charges = 0;
        for (const DemoCardPayment& c : bill.cards)
            charges += c.charge;
        // Change = cash + cards - card surcharges + coupon + transfer - total: surcharges never pay the bill.
        bill.change = stored(bill.cash + bill.cardAmount - charges + bill.coupon + bill.bankAmount - bill.total);
    }

private:
    static pos::LineAmounts lineAmounts(const DemoLine& line)
    {
        return pos::PosCalculator::lineAmounts(line.quantity * line.price, line.discount, line.taxRate, true, false);
    }

    void addLine(DemoBill& bill, const DemoProduct& product)
    {
        DemoLine line;
        line.product = &product;
        const bool box = product.units.size() > 1 && !product.useSerial && m_random.chance(25);
        line.unit = box ? &product.units.back() : &product.units.front();
        const bool byWeight = product.units.size() == 1 && product.taxCode == ids::taxExempt;
        if (product.useSerial)
            line.quantity = 1;
        else if (byWeight)
            line.quantity = m_random.between(10, 30) / 10.0;
        else
            line.quantity = box ? m_random.between(1, 2) : m_random.between(1, 6);
        line.price = priceFor(*bill.customer, *line.unit);
        line.discount = !bill.customer->discount.isEmpty() ? bill.customer->discount
            : product.discount > 0                         ? QString::number(product.discount) + QLatin1Char('%')
                                                           : QString();
        line.taxRate = product.taxRate;
        const pos::LineAmounts amounts = lineAmounts(line);
        line.total = amounts.total;
        line.discountAmount = amounts.discountAmt;
        line.productAmount = amounts.productAmount;
        line.cost = money(product.unitCost * line.unit->fraction * line.quantity);
        // Only the goods screen keeps warehouse, lot and serial on its lines.
        if (bill.type == QLatin1Char('P')) {
            line.warehouse = bill.warehouse;
            if (product.lotControl && !product.lots.isEmpty())
                line.lot = product.lots[m_random.between(0, int(product.lots.size()) - 1)];
            if (product.useSerial) {
                DemoProduct& sold = m_shop.products[std::size_t(product.id - 1)];
                line.serial = ++m_shop.lastSerialId;
                line.serialCode =
                    QStringLiteral("SN%1-%2").arg(product.code).arg(++sold.serialCount, 4, 10, QLatin1Char('0'));
            }
        }
        bill.lines.push_back(line);
    }

    // The customer's price level, the company's default level where the customer has none or
    // the unit has no price at that level.
    static double priceFor(const DemoCustomer& customer, const DemoUnit& unit)
    {
        for (std::size_t level = 0; level < ids::priceLevels.size(); ++level) {
            if (ids::priceLevels[level] == customer.priceLevel && unit.price[level] > 0)
                return unit.price[level];
        }
        return unit.price[0];
    }

    void addCard(DemoBill& bill, double received, bool deposited)
    {
        const auto& [card, rate] = m_random.pick(m_shop.creditCards);
        DemoCardPayment payment;
        payment.card = card;
        payment.received = received;
        payment.rate = rate;
        payment.charge = rate > 0 ? money(received * rate / 100) : 0;
        payment.amount = stored(received + payment.charge);
        payment.cardNo =
            QStringLiteral("%1-XXXX-XXXX-%2").arg(m_random.between(4000, 5599)).arg(m_random.between(1000, 9999));
        payment.slipNo = QStringLiteral("%1").arg(++m_slip, 6, 10, QLatin1Char('0'));
        payment.approval = QString::number(m_random.between(100000, 999999));
        payment.deposited = deposited;
        bill.cards.push_back(payment);
        bill.cardAmount = stored(bill.cardAmount + payment.amount);
    }

    // What a customer hands over: the exact amount, or the next note that covers it.
    double tendered(double amount)
    {
        if (m_random.chance(35))
            return amount;
        const double notes[] = {20, 50, 100, 500, 1000};
        const double note = notes[m_random.between(0, 4)];
        return std::ceil(amount / note) * note;
    }

    DemoShop& m_shop;
    DemoRandom m_random;
    std::vector<const DemoProduct*> m_showcaseGoods;
    std::vector<const DemoProduct*> m_goods;
    std::vector<const DemoProduct*> m_services;
    std::vector<const DemoCustomer*> m_regulars;
    const DemoProduct* m_freeGift = nullptr;
    int m_slip = 0;
};

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
