#include "support/ShopBuilder.h"

#include "data/Connection.h"
#include "data/Query.h"

#include <algorithm>
#include <stdexcept>

namespace kvr::test {

namespace {

// Ids of 0, empty texts and invalid dates are written as null.
template <typename T>
QVariant orNull(const T& value)
{
    return value == T() ? QVariant() : QVariant::fromValue(value);
}

// The columns in order of first mention, each with the value given last.
Columns merged(const Columns& columns)
{
    Columns out;
    for (const auto& [name, value] : columns) {
        auto same = std::find_if(out.begin(), out.end(), [&name](const auto& column) {
            return column.first.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (same == out.end())
            out.emplace_back(name, value);
        else
            same->second = value;
    }
    return out;
}

// Columns from names and values side by side, then the row's extra columns, which keeps each
// operation to a few lines.
Columns row(const QStringList& names, const QVariantList& values, const Columns& extra = {})
{
    Q_ASSERT(names.size() == values.size());
    Columns columns;
    for (qsizetype i = 0; i < names.size(); ++i)
        columns.emplace_back(names[i], values[i]);
    columns.insert(columns.end(), extra.begin(), extra.end());
    return columns;
}

void bind(data::Query& query, const Columns& columns)
{
    for (size_t i = 0; i < columns.size(); ++i)
        query.setParam(QStringLiteral("V%1").arg(i), columns[i].second);
}

} // namespace

QVariant flag(bool set)
{
    return set ? QStringLiteral("Y") : QStringLiteral("N");
}

ShopBuilder::ShopBuilder(data::Connection& company)
    : m_company(company)
{ }

int ShopBuilder::insert(const QString& table, const Columns& columns)
{
    const Columns row = merged(columns);
    QStringList names;
    QStringList values;
    for (size_t i = 0; i < row.size(); ++i) {
        names << row[i].first;
        values << QStringLiteral(":V%1").arg(i);
    }
    data::Query statement(
        m_company, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u", "), values.join(u", ")));
    bind(statement, row);
    statement.execSql();
    data::Query id(m_company, m_company.dialect().lastIdentitySql());
    id.open();
    return id.field(QStringLiteral("New_Id")).asInteger();
}

void ShopBuilder::update(const QString& table, int id, const Columns& columns)
{
    const Columns row = merged(columns);
    QStringList assignments;
    for (size_t i = 0; i < row.size(); ++i)
        assignments << QStringLiteral("%1 = :V%2").arg(row[i].first).arg(i);
    data::Query statement(m_company,
                          QStringLiteral("UPDATE %1 SET %2 WHERE Id = :RowId").arg(table, assignments.join(u", ")));
    bind(statement, row);
    statement.setParam(QStringLiteral("RowId"), id);
    if (statement.execSql() != 1)
        throw std::runtime_error(QStringLiteral("no row %1 in %2").arg(id).arg(table).toStdString());
}

void ShopBuilder::config(const Columns& settings)
{
    data::Query existing(m_company, QStringLiteral("SELECT Id FROM Config"));
    existing.open();
    if (!existing.isEmpty())
        update("Config", existing.field(QStringLiteral("Id")).asInteger(), settings);
    else
        insert("Config", settings);
}

int ShopBuilder::numbering(const QString& code, int year, int length, bool automatic, const QString& prefix)
{
    return insert("DocumentNo",
                  row({"Code", "DocYear", "Prefix", "LastNo", "DocumentLength", "AutoRun"},
                      {code, year, prefix, 0, length, flag(automatic)}));
}

int ShopBuilder::misc(const QString& group, const QString& code, const QString& description)
{
    return insert("Misc", row({"GroupCode", "Code", "Description"}, {group, code, description}));
}

int ShopBuilder::tax(const QString& code, double rate, const QString& description)
{
    return insert("Tax",
                  row({"Code", "Description", "Rate"}, {code, description.isEmpty() ? code : description, rate}));
}

int ShopBuilder::warehouse(const QString& code, const QString& name, bool storageLocation)
{
    return insert("Warehouse", row({"Code", "Name", "islocation"}, {code, name, flag(storageLocation)}));
}

void ShopBuilder::allowWarehouse(int userId, int warehouse)
{
    insert("UserWarehouse", row({"UserName", "Warehouse"}, {userId, warehouse}));
}

int ShopBuilder::salesman(const QString& code, const QString& name, bool active, const Columns& extra)
{
    return insert("Salesman", row({"Code", "Name", "Status"}, {code, name, flag(active)}, extra));
}

int ShopBuilder::customer(const CustomerSpec& spec)
{
    return insert("Customer",
                  row({"Code", "Name", "NameEng", "TaxCode", "Salesman", "PriceLevel", "Province", "Blocked"},
                      {spec.code, spec.name, orNull(spec.nameEng), orNull(spec.tax), orNull(spec.salesman), 0,
                       orNull(spec.province), flag(spec.blocked)},
                      spec.extra));
}

int ShopBuilder::vendor(const QString& code, const QString& name, int currency)
{
    return insert("vendor", row({"Code", "Name", "VendorCurrency"}, {code, name, orNull(currency)}));
}

int ShopBuilder::bank(const QString& code, const QString& name, const QString& account, bool blocked)
{
    return insert("CompanyBank",
                  row({"BankCode", "BankName", "AccountNo", "Blocked"}, {code, name, account, flag(blocked)}));
}

int ShopBuilder::coin(const QString& description, double face)
{
    return insert("Coin", row({"Description", "Fraction"}, {description, face}));
}

int ShopBuilder::product(const ProductSpec& spec)
{
    return insert(
        "Product",
        row({"Code", "ThaiName", "PosName", "EngName", "ProductType", "TaxCode", "DefaultWh", "Blocked", "MasterCode",
             "UseSerial", "CheckSerialOnhand", "LotControl", "PrintFrac"},
            {spec.code, spec.name, spec.posName.isEmpty() ? spec.name : spec.posName, orNull(spec.nameEng),
             spec.service ? "S" : "P", orNull(spec.tax), orNull(spec.warehouse), flag(spec.blocked), flag(spec.master),
             flag(spec.useSerial), flag(spec.serialMustBeInStock), flag(false), flag(spec.printFrac)},
            spec.extra));
}

int ShopBuilder::unit(int product, const UnitSpec& spec)
{
    return insert(
        "ProductUnits",
        row({"Product", "UnitName", "Fraction", "BarCode", "SaleFlag", "PurcFlag", "StockUnitFlag", "SmallUnitFlag"},
            {product, spec.name, spec.fraction, orNull(spec.barcode), flag(spec.sale), flag(spec.purchase),
             flag(spec.stock), flag(spec.small)},
            spec.extra));
}

void ShopBuilder::price(int product, int unit, int priceLevel, double price)
{
    insert("ProductPrice", row({"Product", "ProductUnits", "PriceType", "Price"}, {product, unit, priceLevel, price}));
}

void ShopBuilder::customerPrice(int customer, int product, int unit, double price, double quantity,
                                const QVariant& discount)
{
    insert("customerproductprice",
           row({"customer", "product", "productunits", "price", "quantity", "discount"},
               {customer, product, unit, price, quantity, discount}));
}

void ShopBuilder::promotion(const PromotionSpec& spec)
{
    insert("promotion_dt",
           row({"product", "productunits", "pricetype", "customer", "startdate", "stopdate", "price", "discpercent"},
               {spec.product, spec.unit, spec.priceLevel, spec.customer, spec.start, spec.stop, spec.price,
                spec.discount}));
}

void ShopBuilder::stock(int product, int unit, int warehouse, int year, double quantity)
{
    insert("ProductOnHand",
           row({"Product", "ProductUnits", "Warehouse", "BalanceYear", "Quantity"},
               {product, unit, warehouse, year, quantity}));
}

void ShopBuilder::currentStock(int product, int warehouse, double onHand, double waitPurchase, double waitSale)
{
    insert("view_currentstock",
           row({"Product", "Warehouse", "Onhand", "OnhandQnty", "WaitPO", "WaitSO"},
               {product, warehouse, onHand, onHand, waitPurchase, waitSale}));
}

int ShopBuilder::lot(const LotSpec& spec)
{
    return insert("LotNo",
                  row({"Code", "Description", "HasExpired", "ExpiredDate"},
                      {spec.code, orNull(spec.description), flag(spec.expires), orNull(spec.expiry)}));
}

void ShopBuilder::lotStock(int product, int lot, int warehouse, int year, double quantity)
{
    insert(
        "LotOnHand",
        row({"Product", "LotNo", "Warehouse", "BalanceYear", "Quantity"}, {product, lot, warehouse, year, quantity}));
}

int ShopBuilder::serial(int product, const QString& serial, bool inStock)
{
    return insert("SerialNo", row({"Product", "Serial", "OnHand"}, {product, serial, flag(inStock)}));
}

int ShopBuilder::machine(const MachineSpec& spec)
{
    return insert(
        "PosMachineNo",
        row({"MachineCode", "Location", "WareHouse", "Salesman", "Department", "CashDrawer", "BaudRate", "Blocked"},
            {spec.code, orNull(spec.location), orNull(spec.warehouse), orNull(spec.salesman), orNull(spec.department),
             spec.cashDrawer, spec.baudRate, flag(spec.blocked)},
            spec.extra));
}

int ShopBuilder::shift(const ShiftSpec& spec)
{
    const int id =
        insert("PosShiftNo",
               row({"ShiftDate", "ShiftNo", "PosMachineNo", "OpenTime", "OpenMoney", "Closed"},
                   {spec.opened.date().startOfDay(), spec.number, spec.machine, spec.opened, 0, flag(spec.closed)},
                   spec.extra));
    double total = 0;
    for (const auto& [coin, pieces] : spec.counted) {
        data::Query face(m_company, QStringLiteral("SELECT Fraction FROM Coin WHERE Id = :Coin"));
        face.setParam(QStringLiteral("Coin"), coin);
        face.open();
        const double amount = pieces * face.field(QStringLiteral("Fraction")).asFloat();
        insert("PosShiftMoney",
               row({"PosShiftNo", "Closed", "Coin", "Quantity", "Amount"}, {id, flag(false), coin, pieces, amount}));
        total += amount;
    }
    if (!spec.counted.empty())
        update("PosShiftNo", id, {{"OpenMoney", total}});
    return id;
}

int ShopBuilder::bill(const BillSpec& spec)
{
    const QVariant date = orNull(spec.date);
    const int id = insert("PosHd",
                          row({"PosNo", "PosType", "PosDate", "Customer", "Salesman", "Total", "Printed", "DelFlag"},
                              {spec.number, spec.type, date, orNull(spec.customer), orNull(spec.salesman), spec.total,
                               flag(spec.printed), flag(false)},
                              spec.extra));
    int lineNo = 0;
    for (const BillLineSpec& line : spec.lines) {
        const QVariant total = line.total.isValid() ? line.total : QVariant(line.quantity * line.price);
        insert(
            "PosDt",
            row({"PosHd", "PosRecNo", "PosDate", "Product", "ProductUnits", "Quantity", "Fraction", "Price", "Total"},
                {id, ++lineNo, date, line.product, orNull(line.unit), line.quantity, 1, line.price, total},
                line.extra));
    }
    return id;
}

} // namespace kvr::test
