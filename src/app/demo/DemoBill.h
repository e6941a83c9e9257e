#pragma once

#include "app/demo/DemoShop.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace kvr::demo {

// A sample bill as the sale screen would have saved it, held in memory until it is written.
struct DemoLine
{
    const DemoProduct* product = nullptr;
    const DemoUnit* unit = nullptr;
    double quantity = 1;
    double price = 0;
    QString discount;
    double discountAmount = 0;
    double total = 0;
    double productAmount = 0; // the total without VAT
    double taxRate = 0;
    int warehouse = 0; // 0: none (service and miscellaneous bills)
    int lot = 0;
    int serial = 0;
    QString serialCode;
    double cost = 0;
};

struct DemoCardPayment
{
    int card = 0;
    double received = 0; // without the card company's surcharge
    double rate = 0;
    double charge = 0;
    double amount = 0;
    QString cardNo;
    QString slipNo;
    QString approval;
    bool deposited = false;
};

struct DemoBill
{
    int id = 0;
    QChar type = QLatin1Char('P');
    QString number;
    QDate date;
    QDateTime savedAt;
    int shift = 0; // 0: a bill kept in PosHeader, from no shift of this shop
    const DemoCustomer* customer = nullptr;
    int salesman = 0;
    int department = 0;
    int warehouse = 0;
    int user = 0;
    int menu = 0;
    QString remark;
    std::vector<DemoLine> lines;
    double taxAmount = 0; // goods with VAT
    double noTaxAmount = 0; // goods without VAT
    double taxTotal = 0;
    double total = 0;
    QString discountName;
    double discountRate = 0;
    double discountAmount = 0;
    double cash = 0;
    double cardAmount = 0;
    double coupon = 0;
    double bankAmount = 0;
    int companyBank = 0;
    double change = 0;
    std::vector<DemoCardPayment> cards;
    bool cancelled = false;
    QString cancelReason;
    bool posted = false;
    bool shiftClosed = false;
    bool imported = false;
    QString fullTaxNo;
};

struct DemoShift
{
    int id = 0;
    QDate date;
    int shiftNo = 1;
    const DemoMachine* machine = nullptr;
    QDateTime openTime;
    QDateTime closeTime;
    bool closed = false;
    std::vector<std::pair<int, int>> openingFloat; // coin id, pieces
    double openMoney = 0;
    double closeMoney = 0;
    double saleAmount = 0;
    int user = 0;
};

class DemoRandom;

// Three days of work: every machine in use opens a shift each day, the first counter two on the
// days already over; today's shifts are still open.
std::vector<DemoShift> planShifts(const DemoShop& shop, DemoRandom& random);

// The id after the largest one of the table.
int nextFreeId(data::Connection& company, const QString& table);

// Writes the shifts with their float, the bills with lines and card payments into PosHd/PosDt
// (or PosHeader/PosDetail for bills of no shift), the serials sold and the usage log.
void writeShifts(data::Connection& company, const DemoShop& shop, const std::vector<DemoShift>& shifts);
void writeBills(data::Connection& company, const std::vector<DemoBill>& bills, bool keptInPosHeader);
void writeSoldSerials(data::Connection& company, const std::vector<DemoBill>& bills);
void writeUsageLog(data::Connection& company, const std::vector<DemoShift>& shifts, const std::vector<DemoBill>& bills);

} // namespace kvr::demo
