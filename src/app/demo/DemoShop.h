#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <vector>

namespace kvr::data {
class Connection;
}

namespace kvr::demo {

// Every demo row is written with an explicit id, so that the tables can refer to each other
// before anything is read back. These are the ids other phases and the configuration database use.
namespace ids {
constexpr int company = 1;
constexpr int configRow = 1;

constexpr int currencyThb = 1;
constexpr int currencyUsd = 2;
constexpr int currencyEur = 3;
// The barcode lookup reads the unit's price at price level 19, so retail sits there.
constexpr int priceRetail = 19;
constexpr int priceWholesale = 20;
constexpr int priceMember = 21;
constexpr std::array<int, 3> priceLevels{priceRetail, priceWholesale, priceMember};
constexpr int provinceBangkok = 30;
constexpr int departmentFront = 50;
constexpr int departmentSales = 51;
constexpr int departmentService = 52;

constexpr int taxVat7 = 1;
constexpr int taxZero = 2;
constexpr int taxExempt = 3;

constexpr int warehouseMain = 1;
constexpr int warehouseBack = 2;
constexpr int warehouseBranch = 3;
constexpr int warehouseShelf = 4;
constexpr int warehouseReturns = 5; // code 'RMA': returned goods, left out of per-unit stock
constexpr std::array<int, 5> warehouses{warehouseMain, warehouseBack, warehouseBranch, warehouseShelf,
                                        warehouseReturns};

constexpr int userThai = 1;
constexpr int userEnglish = 2;
constexpr int userNoAccess = 3;

// Menu item = 100 + program number.
constexpr int menuSale = 101;
constexpr int menuMachines = 102;
constexpr int menuCancel = 103;
constexpr int menuFullTax = 104;
constexpr int menuFullTax2 = 105;
constexpr int menuServiceSale = 111;
constexpr int menuMiscSale = 121;
constexpr int menuSaleNoZero = 122;

// Print layouts (SystemForm.Id); the print log names the layout a print went through.
constexpr int formBill = 1;
constexpr int formDelivery = 2;
constexpr int formFullTaxInvoice = 3; // POS-X1, receipts of PosHd
constexpr int formFullTaxInvoiceHeader = 4; // POS-X2, receipts of PosHeader
} // namespace ids

struct DemoOptions
{
    QString serverName;
    QString workingDirectory;
    int products = 300;
    qint64 stockRows = -1; // -1: four balances per stocked product
    qint64 historyBills = 0; // saved bills of the years before the demo's days
    bool force = false;
};

struct DemoUnit
{
    int id = 0;
    QString name;
    int fraction = 1;
    std::array<double, 3> price{}; // by price level; 0 where the level has no price row
    bool stockUnit = false;
    bool smallUnit = false;
};

struct DemoProduct
{
    int id = 0;
    QString code;
    QString name;
    bool service = false;
    bool blocked = false;
    bool freeGift = false; // priced 0 at every level
    bool lotControl = false;
    bool useSerial = false;
    int taxCode = ids::taxVat7;
    double taxRate = 7;
    double discount = 0; // default line discount, percent
    double unitCost = 0; // per smallest unit
    std::vector<DemoUnit> units; // smallest first
    QVector<int> lots; // LotNo ids still valid for sale
    int expiredLot = 0;
    int serialCount = 0; // serial numbers given out so far, on hand or sold
    const DemoUnit& stockUnit() const;
};

struct DemoCustomer
{
    int id = 0;
    QString code;
    QString name;
    int priceLevel = ids::priceRetail; // a PRICETYPE id, or -1 for the company default
    QString discount;
    int salesman = 1;
    bool blocked = false;
    bool corporate = false;
    QString taxNumber;
    QString address1, address2, zipCode, phone;
    int province = ids::provinceBangkok;
};

struct DemoMachine
{
    int id = 0;
    QString code;
    int salesman = 0;
    int department = 0;
    bool blocked = false;
};

// What one phase leaves for the next: the dates, the masters with their ids, the catalogue.
struct DemoShop
{
    QDate today;
    int runYear = 0;
    std::vector<DemoCustomer> customers;
    std::vector<DemoMachine> machines;
    std::vector<std::pair<int, double>> coins; // id, face value
    std::vector<std::pair<int, double>> creditCards; // id, surcharge percent
    std::vector<int> companyBanks;
    std::vector<int> activeSalesmen;
    std::vector<DemoProduct> products;
    int lastSerialId = 0;
};

// Each phase writes into the open transaction of its connection and answers with a one-line summary.
QString fillConfigDatabase(data::Connection& config, DemoShop& shop);
QString fillCompanySettings(data::Connection& company, DemoShop& shop);
QString fillCompanyMasters(data::Connection& company, DemoShop& shop);
QString fillProducts(data::Connection& company, DemoShop& shop, int productCount);
QString fillStock(data::Connection& company, DemoShop& shop, qint64 stockRows);
// How many stock balances the catalogue of that many products can hold, one per product, unit,
// warehouse and year; the stock phase refuses more.
qint64 maxStockRows(int productCount);
// The fewest products a demo shop has: the hand-picked items every screen needs.
int minimumProducts();
QString fillBills(data::Connection& company, DemoShop& shop);
// Years of trading before the plain demo's three days: that many saved bills at about 2,000 a day,
// with lines, card payments, cancelled bills and full tax invoice numbers, closed shifts of every
// counter; written in batches, so that millions fit in memory.
QString fillHistory(data::Connection& company, DemoShop& shop, qint64 billCount);
// After rows were written with explicit ids: PostgreSQL's identity sequences move past them.
void syncIdentities(data::Connection& connection, const QStringList& tables);

// Thai tax identification numbers end with a check digit over the first twelve.
QString withThaiTaxCheckDigit(const QString& twelveDigits);
// Buddhist-era year, as Thai shops print it in document numbers.
inline int buddhistYear(int year)
{
    return year + 543;
}

} // namespace kvr::demo
