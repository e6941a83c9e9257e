#include "app/demo/BatchInserter.h"
#include "app/demo/DemoShop.h"

#include "data/Connection.h"

#include <QDateTime>

namespace kvr::demo {

namespace {

struct MiscRow
{
    int id;
    const char* group;
    const char* code;
    const char* description;
};

// Groups sit in blocks of ids, so that a group can grow without moving the ids others refer to.
const MiscRow kMisc[] = {
    {ids::currencyThb, "CURRENCY", "THB", "บาท"},
    {ids::currencyUsd, "CURRENCY", "USD", "ดอลลาร์สหรัฐ"},
    {ids::currencyEur, "CURRENCY", "EUR", "ยูโร"},
    {ids::priceRetail, "PRICETYPE", "RETAIL", "ราคาขายปลีก"},
    {ids::priceWholesale, "PRICETYPE", "WHOLESALE", "ราคาขายส่ง"},
    {ids::priceMember, "PRICETYPE", "MEMBER", "ราคาสมาชิก"},
    {ids::provinceBangkok, "CITY", "10", "กรุงเทพมหานคร"},
    {31, "CITY", "11", "สมุทรปราการ"},
    {32, "CITY", "12", "นนทบุรี"},
    {33, "CITY", "13", "ปทุมธานี"},
    {34, "CITY", "20", "ชลบุรี"},
    {35, "CITY", "30", "นครราชสีมา"},
    {36, "CITY", "40", "ขอนแก่น"},
    {37, "CITY", "50", "เชียงใหม่"},
    {38, "CITY", "83", "ภูเก็ต"},
    {39, "CITY", "90", "สงขลา"},
    {ids::departmentFront, "DEPARTMENT", "FRONT", "หน้าร้าน"},
    {ids::departmentSales, "DEPARTMENT", "SALES", "ฝ่ายขาย"},
    {ids::departmentService, "DEPARTMENT", "SERVICE", "ฝ่ายบริการ"},
    {53, "DEPARTMENT", "OFFICE", "สำนักงาน"},
    {60, "TRANSPORT", "PICKUP", "ลูกค้ารับสินค้าเอง"},
    {61, "TRANSPORT", "TRUCK", "รถส่งของของร้าน"},
    {62, "TRANSPORT", "POST", "ส่งทางไปรษณีย์"},
    {70, "PTYPE", "FG", "สินค้าสำเร็จรูป"},
    {71, "PTYPE", "SV", "งานบริการ"},
    {80, "PGROUP", "DRINK", "เครื่องดื่ม"},
    {81, "PGROUP", "FOOD", "อาหารแห้งและเครื่องปรุง"},
    {82, "PGROUP", "DAIRY", "นมและผลิตภัณฑ์นม"},
    {83, "PGROUP", "HOME", "ของใช้ในบ้าน"},
    {84, "PGROUP", "CARE", "ของใช้ส่วนตัว"},
    {85, "PGROUP", "ELEC", "เครื่องใช้ไฟฟ้า"},
    {86, "PGROUP", "FRESH", "ของสด"},
    {87, "PGROUP", "SERV", "บริการ"},
    {100, "SubType", "NORMAL", "สินค้าปกติ"},
    {101, "SubType", "PROMO", "สินค้าจัดรายการ"},
    {110, "REM_SALE", "R01", "ลูกค้าประจำ"},
    {111, "REM_SALE", "R02", "ส่งสินค้าถึงบ้านลูกค้า"},
    {112, "REM_SALE", "R03", "ลูกค้าขอใบกำกับภาษีเต็มรูป"},
    {113, "REM_SALE", "R04", "สินค้าจัดรายการประจำเดือน"},
    {114, "REM_SALE", "R05", "ชำระด้วยบัตรเครดิต"},
};

int writeMisc(data::Connection& company)
{
    BatchInserter misc(company, QStringLiteral("Misc"),
                       QStringLiteral("Id, GroupCode, Code, Description, OrderNo, Blocked"));
    QString group;
    int order = 0;
    for (const MiscRow& row : kMisc) {
        const QString rowGroup = QString::fromUtf8(row.group);
        order = rowGroup == group ? order + 1 : 1;
        group = rowGroup;
        misc.add({row.id, rowGroup, QString::fromUtf8(row.code), QString::fromUtf8(row.description), order,
                  QStringLiteral("N")});
    }
    misc.finish();
    return int(misc.rowCount());
}

void writeExchangeRates(data::Connection& company, const QDate& today)
{
    BatchInserter rates(company, QStringLiteral("CurrencyEx"),
                        QStringLiteral("Id, Currency, ExchangeDate, PurcScrap, PurcPart, PurcRate, SaleScrap, "
                                       "SalePart, SaleRate"));
    // Each currency has its own latest date: the baht since New Year, the dollar from yesterday
    // (an older figure before it), the euro from today; tomorrow's euro rate must not count yet.
    struct Rate
    {
        int currency;
        QDate date;
        double purchase;
        double sale;
    };
    const Rate list[] = {
        {ids::currencyThb, QDate(today.year(), 1, 1), 1, 1},
        {ids::currencyUsd, today.addDays(-10), 35.10, 35.60},
        {ids::currencyUsd, today.addDays(-1), 35.25, 35.75},
        {ids::currencyEur, today.addDays(-5), 37.90, 38.70},
        {ids::currencyEur, today, 38.10, 38.90},
        {ids::currencyEur, today.addDays(1), 38.40, 39.20},
    };
    int id = 0;
    for (const Rate& r : list)
        rates.add({++id, r.currency, r.date.startOfDay(), 1.0, r.purchase, r.purchase, 1.0, r.sale, r.sale});
    rates.finish();
}

void writeTaxCodes(data::Connection& company)
{
    BatchInserter tax(company, QStringLiteral("Tax"), QStringLiteral("Id, Code, Description, Rate"));
    tax.add({ids::taxVat7, QStringLiteral("V7"), QStringLiteral("ภาษีมูลค่าเพิ่ม 7%"), 7.0});
    tax.add({ids::taxZero, QStringLiteral("V0"), QStringLiteral("ภาษีมูลค่าเพิ่ม 0%"), 0.0});
    tax.add({ids::taxExempt, QStringLiteral("EX"), QStringLiteral("สินค้ายกเว้นภาษีมูลค่าเพิ่ม"), 0.0});
    tax.finish();
}

// Numbering series of the counter for the running and the previous year. LastNo stays 0 here;
// the bills phase moves it past the numbers its bills use.
int writeDocumentNumbers(data::Connection& company, int runYear)
{
    struct Series
    {
        const char* code;
        const char* prefix;
        const char* description;
    };
    const Series series[] = {
        {"POS-P", "PP", "ขายสดสินค้า"},
        {"POS-S", "PS", "ขายสดบริการ"},
        {"POS-M", "PM", "ขายสด เบ็ดเตล็ด"},
        {"POS-X1", "TX", "ใบกำกับภาษีอย่างเต็ม (ขายสด)"},
        {"POS-X2", "TY", "ใบกำกับภาษีอย่างเต็ม (PosHeader)"},
    };
    BatchInserter numbers(company, QStringLiteral("DocumentNo"),
                          QStringLiteral("Id, Code, DocYear, Description, Prefix, LastNo, DocumentLength, AutoRun, "
                                         "DocType"));
    int id = 0;
    for (int year : {runYear - 1, runYear}) {
        // PP69 for 2569 (2026): the two last digits of the Buddhist year.
        const QString yy = QString::number(buddhistYear(year) % 100).rightJustified(2, QLatin1Char('0'));
        for (const Series& s : series)
            numbers.add({++id, QString::fromUtf8(s.code), year, QString::fromUtf8(s.description),
                         QString::fromUtf8(s.prefix) + yy, 0, 10, QStringLiteral("Y"), QStringLiteral("POS")});
    }
    numbers.finish();
    return int(numbers.rowCount());
}

// Twelve calendar months per year; January of the previous year is closed.
void writeAccountPeriods(data::Connection& company, int runYear)
{
    QStringList columns = {QStringLiteral("Id"), QStringLiteral("accountyear")};
    for (int month = 1; month <= 12; ++month)
        columns << QStringLiteral("Start%1").arg(month) << QStringLiteral("Stop%1").arg(month)
                << QStringLiteral("Lock%1").arg(month);
    BatchInserter periods(company, QStringLiteral("accountperiod"), columns);
    int id = 0;
    for (int year : {runYear - 1, runYear}) {
        QVariantList row = {++id, year};
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const bool locked = year == runYear - 1 && month == 1;
            row << first.startOfDay() << first.addMonths(1).addDays(-1).startOfDay()
                << (locked ? QStringLiteral("Y") : QStringLiteral("N"));
        }
        periods.addRow(row);
    }
    periods.finish();
}

void writeConfigRow(data::Connection& company, int runYear)
{
    // The switches of the counter screens, set the way a typical Thai shop runs them: prices
    // include VAT, the date and tax code may be changed, receipts print as text, no head office.
    const QList<QPair<QString, QVariant>> values = {
        {QStringLiteral("Id"), ids::configRow},
        {QStringLiteral("RunYear"), runYear},
        {QStringLiteral("MainCurrencyId"), ids::currencyThb},
        {QStringLiteral("LockPosDate"), QStringLiteral("N")},
        {QStringLiteral("PosLockTax"), QStringLiteral("N")},
        {QStringLiteral("POS_IE"), QStringLiteral("I")},
        {QStringLiteral("DefaultTax"), ids::taxVat7},
        {QStringLiteral("POS_PriceType"), ids::priceRetail},
        {QStringLiteral("ProductPriceIE"), QStringLiteral("Y")},
        {QStringLiteral("UseSpecialDisc"), QStringLiteral("N")},
        {QStringLiteral("SpecialDiscStr"), QString()},
        {QStringLiteral("SalePercentDisc"), QStringLiteral("Y")},
        {QStringLiteral("SalesByUnits"), QStringLiteral("N")},
        {QStringLiteral("DisplayFraction"), QStringLiteral("N")},
        {QStringLiteral("SearchProductNo"), 1},
        {QStringLiteral("SearchProductMethod"), 1},
        {QStringLiteral("ShowLastSearch"), QStringLiteral("N")},
        // Scanning works out of the box; a product code is typed through F5 (the barcode search).
        {QStringLiteral("PosUseBarCode"), QStringLiteral("Y")},
        {QStringLiteral("ShowBackOrder"), QStringLiteral("N")},
        {QStringLiteral("SearchWHShowStock"), QStringLiteral("Y")},
        {QStringLiteral("SearchLotShowStock"), QStringLiteral("Y")},
        {QStringLiteral("RequireDepartment"), QStringLiteral("N")},
        {QStringLiteral("Pos1_PrintType"), QStringLiteral("T")},
        {QStringLiteral("Pos1_PrintLine"), QStringLiteral("N")},
        {QStringLiteral("PosFormTextNo"), 1},
        {QStringLiteral("PrintOldDocument"), QStringLiteral("N")},
        {QStringLiteral("CheckUserWarehouseFlag"), QStringLiteral("N")},
        {QStringLiteral("UnitLeft"), QString()},
        {QStringLiteral("UnitRight"), QString()},
        {QStringLiteral("OnhandDecimal"), 0},
        {QStringLiteral("UseCustomerLinkHead"), QStringLiteral("N")},
        {QStringLiteral("MainServerIP"), QString()},
        {QStringLiteral("MainDbName"), QString()},
        {QStringLiteral("AutoGenGL"), QStringLiteral("N")},
    };
    QStringList columns;
    QVariantList row;
    for (const auto& [column, value] : values) {
        columns << column;
        row << value;
    }
    BatchInserter config(company, QStringLiteral("Config"), columns);
    config.addRow(row);
    config.finish();
}

} // namespace

QString fillCompanySettings(data::Connection& company, DemoShop& shop)
{
    writeConfigRow(company, shop.runYear);
    const int misc = writeMisc(company);
    writeExchangeRates(company, shop.today);
    writeTaxCodes(company);
    const int series = writeDocumentNumbers(company, shop.runYear);
    writeAccountPeriods(company, shop.runYear);
    syncIdentities(company,
                   {QStringLiteral("Config"), QStringLiteral("Misc"), QStringLiteral("CurrencyEx"),
                    QStringLiteral("Tax"), QStringLiteral("DocumentNo"), QStringLiteral("accountperiod")});
    return QStringLiteral("running year %1, %2 code rows, %3 numbering series, 24 accounting periods")
        .arg(shop.runYear)
        .arg(misc)
        .arg(series);
}

} // namespace kvr::demo
