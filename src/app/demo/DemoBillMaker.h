#pragma once

#include "app/demo/DemoBill.h"
#include "app/demo/DemoRandom.h"

#include "pos/PosCalculator.h"
#include "util/Rounding.h"

#include <QMap>
#include <algorithm>
#include <cmath>

// How the demo rings up bills: shared by the few days of the plain demo and the years of history.
namespace kvr::demo {

using util::RoundHalfUp;

// The VAT rate of every demo bill's header.
inline constexpr double kBillTaxRate = 7;

inline double money(double value)
{
    return RoundHalfUp(value, 15, 2);
}

// Amounts the bill carries as the screen leaves them: to the four places the database keeps.
inline double stored(double value)
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
    // The series of that year goes on after a number already taken.
    void continueAfter(const QString& code, int year, int last) { m_last[{code, year}] = last; }

private:
    QMap<QPair<QString, int>, int> m_last;
};

// Makes bills the way a cashier rings them up: a customer, a few lines priced at the customer's
// level with the customer's or the product's discount, VAT included, and a way of paying.
class BillMaker
{
public:
    explicit BillMaker(DemoShop& shop, std::uint32_t seed = 5)
        : m_shop(shop)
        , m_random(seed)
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

} // namespace kvr::demo
