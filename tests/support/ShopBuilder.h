#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace kvr::data {
class Connection;
}

namespace kvr::test {

// Columns of a row by name. A later entry replaces an earlier one of the same name, so `extra`
// can write a flag otherwise (null, "y") or any column the row's fields do not name.
using Columns = std::vector<std::pair<QString, QVariant>>;

// A flag as the program writes it: "Y" or "N".
QVariant flag(bool set);

// What the operations below take. Members are listed in the order designated initializers must
// follow, each with a default ("{}" keeps -Wextra quiet about the ones left out); ids of 0 and
// empty texts are written as null.

struct CustomerSpec
{
    QString code{};
    QString name{};
    QString nameEng{};
    int tax = 0;
    int salesman = 0;
    int province = 0;
    bool blocked = false;
    Columns extra{};
};

struct ProductSpec
{
    QString code{};
    QString name{}; // ThaiName, and PosName unless given
    QString posName{};
    QString nameEng{};
    int tax = 0;
    int warehouse = 0; // DefaultWh
    bool service = false; // ProductType 'S' rather than 'P'
    bool blocked = false;
    bool master = false; // MasterCode: a template, never sold
    bool useSerial = false;
    bool serialMustBeInStock = false; // CheckSerialOnhand
    bool printFrac = false;
    Columns extra{};
};

struct UnitSpec
{
    QString name{};
    double fraction = 1; // smallest units in one of this unit
    QString barcode{};
    bool sale = false;
    bool purchase = false;
    bool stock = false;
    bool small = false;
    Columns extra{};
};

struct LotSpec
{
    QString code{};
    QString description{};
    bool expires = false; // HasExpired: refused after `expiry`
    QDateTime expiry{};
};

struct PromotionSpec
{
    int product = 0;
    int unit = 0;
    int priceLevel = 0;
    int customer = 0; // 0: every customer
    QDateTime start{};
    QDateTime stop{};
    double price = 0;
    QVariant discount{}; // discpercent text, or null
};

struct MachineSpec
{
    QString code{};
    QString location{};
    int warehouse = 0;
    int salesman = 0;
    int department = 0;
    QString cashDrawer{}; // a port name such as "COM1:"
    QVariant baudRate{}; // null unless given
    bool blocked = false;
    Columns extra{};
};

// A shift as a counter leaves it, with the float counted at its opening.
struct ShiftSpec
{
    int machine = 0;
    QDateTime opened{}; // ShiftDate is its day, OpenTime the instant
    int number = 1;
    bool closed = false;
    std::vector<std::pair<int, int>> counted{}; // (coin, pieces): a float row each, summed into OpenMoney
    Columns extra{};
};

// A line of a saved bill: `quantity` of a unit at `price`, its total their product unless given.
struct BillLineSpec
{
    int product = 0;
    int unit = 0;
    double quantity = 1;
    double price = 0;
    QVariant total{};
    Columns extra{};
};

// A saved sale bill with its lines, numbered 1, 2, ... in order and dated as the bill.
struct BillSpec
{
    QString number{}; // PosNo as stored: the program right-aligns it to the series' length
    QString type = QStringLiteral("P"); // PosType: P goods, S services
    QDateTime date{};
    int customer = 0;
    int salesman = 0;
    double total = 0;
    bool printed = false;
    std::vector<BillLineSpec> lines{};
    Columns extra{};
};

// Writes the shop a test starts from through named operations that return the new rows' ids, so
// that a fixture reads as a short description of its shop. Rows get the ids the database gives
// them; keep the returned ids rather than counting on numbers.
class ShopBuilder
{
public:
    explicit ShopBuilder(data::Connection& company);

    // The company's one Config row: written on first use, changed after.
    void config(const Columns& settings);
    // A numbering series of a document type code for a year.
    int numbering(const QString& code, int year, int length, bool automatic = true, const QString& prefix = {});

    int misc(const QString& group, const QString& code, const QString& description);
    int currency(const QString& code, const QString& name) { return misc(QStringLiteral("CURRENCY"), code, name); }
    int department(const QString& code, const QString& name) { return misc(QStringLiteral("DEPARTMENT"), code, name); }
    int tax(const QString& code, double rate, const QString& description = {});
    int warehouse(const QString& code, const QString& name, bool storageLocation = false);
    // With the company's warehouse restriction on, the user works in the warehouses allowed.
    void allowWarehouse(int userId, int warehouse);
    int salesman(const QString& code, const QString& name, bool active = true, const Columns& extra = {});
    int customer(const CustomerSpec& spec);
    int vendor(const QString& code, const QString& name, int currency = 0);
    int bank(const QString& code, const QString& name, const QString& account, bool blocked = false);
    int coin(const QString& description, double face);

    int product(const ProductSpec& spec);
    int unit(int product, const UnitSpec& spec);
    void price(int product, int unit, int priceLevel, double price);
    void customerPrice(int customer, int product, int unit, double price, double quantity, const QVariant& discount);
    void promotion(const PromotionSpec& spec);
    // On hand in smallest units, per unit row, warehouse and year.
    void stock(int product, int unit, int warehouse, int year, double quantity);
    // The back office's current stock figures of a product in a warehouse.
    void currentStock(int product, int warehouse, double onHand, double waitPurchase = 0, double waitSale = 0);
    int lot(const LotSpec& spec);
    void lotStock(int product, int lot, int warehouse, int year, double quantity);
    int serial(int product, const QString& serial, bool inStock = true);

    int machine(const MachineSpec& spec);
    int shift(const ShiftSpec& spec);
    int bill(const BillSpec& spec);

    // Any row of any table, for what has no operation of its own; the new row's id.
    int insert(const QString& table, const Columns& columns);
    void update(const QString& table, int id, const Columns& columns);

    data::Connection& connection() const { return m_company; }

private:
    data::Connection& m_company;
};

} // namespace kvr::test
