#include "app/demo/BatchInserter.h"
#include "app/demo/DemoShop.h"

#include "data/Connection.h"

#include <QDateTime>

namespace kvr::demo {

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

void writeWarehouses(data::Connection& company)
{
    BatchInserter warehouses(company, QStringLiteral("Warehouse"),
                             QStringLiteral("Id, Code, Name, islocation, flagin, flagout"));
    warehouses.add({ids::warehouseMain, s("MAIN"), s("คลังหน้าร้าน"), s("N"), s("Y"), s("Y")});
    warehouses.add({ids::warehouseBack, s("BACK"), s("คลังหลังร้าน"), s("N"), s("Y"), s("Y")});
    warehouses.add({ids::warehouseBranch, s("BR2"), s("คลังสาขาบางนา"), s("N"), s("Y"), s("Y")});
    warehouses.add({ids::warehouseShelf, s("A01"), s("ชั้นวางสินค้า A01"), s("Y"), s("Y"), s("Y")});
    warehouses.add({ids::warehouseReturns, s("RMA"), s("คลังสินค้ารับคืน (RMA)"), s("N"), s("Y"), s("N")});
    warehouses.finish();

    BatchInserter granted(company, QStringLiteral("UserWarehouse"), QStringLiteral("Id, UserName, Warehouse"));
    int id = 0;
    for (int warehouse : ids::warehouses)
        granted.add({++id, ids::userThai, warehouse});
    granted.add({++id, ids::userEnglish, ids::warehouseMain});
    granted.add({++id, ids::userEnglish, ids::warehouseBack});
    granted.add({++id, ids::userNoAccess, ids::warehouseMain});
    granted.finish();
}

void writeSalesmen(data::Connection& company, DemoShop& shop)
{
    struct Salesman
    {
        const char* code;
        const char* name;
        const char* surname;
        int department;
        bool active;
        const char* phone;
    };
    const Salesman list[] = {
        {"S001", "สมหญิง", "ใจงาม", ids::departmentFront, true, "081-234-5601"},
        {"S002", "วิชัย", "ขยันยิ่ง", ids::departmentFront, true, "081-234-5602"},
        {"S003", "ปรียา", "สุขสันต์", ids::departmentService, true, "081-234-5603"},
        {"S004", "ธนพล", "มั่นคง", ids::departmentSales, true, "081-234-5604"},
        {"S005", "อรุณี", "ศรีสุข", ids::departmentSales, false, "081-234-5605"},
    };
    BatchInserter salesmen(
        company, QStringLiteral("Salesman"),
        QStringLiteral("Id, Code, Name, SurName, Department, Status, StartDate, StopDate, Address1, Address2, "
                       "Address3, Province, ZipCode, PhoneNo, FaxNo, Email"));
    int id = 0;
    for (const Salesman& m : list) {
        ++id;
        // A salesman who has left keeps his row for the old bills, with Status 'N'.
        const QVariant stop = m.active ? QVariant() : QVariant(shop.today.addMonths(-2).startOfDay());
        salesmen.add({id, s(m.code), s(m.name), s(m.surname), m.department, m.active ? s("Y") : s("N"),
                      QDate(shop.runYear - 3, 6, 1).startOfDay(), stop, s("12/3 ซอยสุขุมวิท 31"),
                      s("แขวงคลองเตยเหนือ เขตวัฒนา"), s("กรุงเทพมหานคร"), ids::provinceBangkok, s("10110"), s(m.phone),
                      QString(), QStringLiteral("s%1@demo-shop.example").arg(id, 3, 10, QLatin1Char('0'))});
        if (m.active)
            shop.activeSalesmen.push_back(id);
    }
    salesmen.finish();
}

void writeCustomers(data::Connection& company, DemoShop& shop)
{
    BatchInserter groups(company, QStringLiteral("CustomerGroup"), QStringLiteral("Id, Code, Name"));
    groups.add({1, s("GEN"), s("ลูกค้าทั่วไป")});
    groups.add({2, s("MEM"), s("สมาชิก")});
    groups.add({3, s("CORP"), s("ลูกค้านิติบุคคล")});
    groups.add({4, s("BRANCH"), s("สาขาของบริษัท")});
    groups.finish();

    struct Customer
    {
        const char* code;
        const char* name;
        const char* nameEng;
        int group;
        int priceLevel;
        const char* discount;
        int salesman;
        bool blocked;
        const char* taxId12; // corporate customers: the first twelve digits of the tax number
        const char* branchCode;
        const char* storeCode;
        const char* address1;
        const char* address2;
        int province;
        const char* zip;
        const char* phone;
    };
    const Customer list[] = {
        {"CASH", "ลูกค้าเงินสด", "Walk-in Customer", 1, ids::priceRetail, "", 1, false, nullptr, nullptr, nullptr, "-", "",
         ids::provinceBangkok, "10110", ""},
        {"M0001", "คุณสมศรี แสงทอง", "Somsri Saengthong", 2, ids::priceMember, "5%", 1, false, nullptr, nullptr, nullptr,
         "45/12 หมู่บ้านร่มเย็น ถนนรามคำแหง", "แขวงหัวหมาก เขตบางกะปิ", ids::provinceBangkok, "10240", "089-111-2233"},
        {"M0002", "คุณประเสริฐ วงศ์ไทย", "Prasert Wongthai", 2, ids::priceMember, "", 2, false, nullptr, nullptr, nullptr,
         "88 ซอยงามวงศ์วาน 23", "ตำบลบางกระสอ อำเภอเมืองนนทบุรี", 32, "11000", "086-444-5566"},
        {"M0003", "คุณวิไลวรรณ ทองคำ", "Wilaiwan Thongkham", 2, ids::priceMember, "10%", 1, false, nullptr, nullptr,
         nullptr, "7/7 ถนนนิมมานเหมินท์", "ตำบลสุเทพ อำเภอเมืองเชียงใหม่", 37, "50200", "053-222-333"},
        {"C0001", "บริษัท สยามการค้า จำกัด", "Siam Trading Co., Ltd.", 3, ids::priceWholesale, "", 4, false, "010555801234",
         "00000", nullptr, "1024 ถนนพระราม 4", "แขวงคลองเตย เขตคลองเตย", ids::provinceBangkok, "10110", "02-249-1000"},
        {"C0002", "ห้างหุ้นส่วนจำกัด รุ่งเรืองพาณิชย์", "Rungruang Panich Ltd., Part.", 3, ids::priceWholesale, "2%", 4, false,
         "020354400987", "00002", nullptr, "55/1 ถนนสุขุมวิท", "ตำบลบางปลาสร้อย อำเภอเมืองชลบุรี", 34, "20000", "038-271-555"},
        {"BR001", "ร้านค้าสาธิต สาขาบางนา", "Demo Retail Bang Na Branch", 4, ids::priceWholesale, "", 4, false,
         "010556012345", "00001", "BR2", "99 ถนนบางนา-ตราด", "แขวงบางนา เขตบางนา", ids::provinceBangkok, "10260",
         "02-399-1111"},
        {"X0001", "คุณมานพ ทองดี", "Manop Thongdee", 1, ids::priceRetail, "", 2, true, nullptr, nullptr, nullptr,
         "19 ถนนมิตรภาพ", "ตำบลในเมือง อำเภอเมืองขอนแก่น", 36, "40000", "043-111-999"},
        {"G0001", "คุณอนันต์ ศรีวิไล", "Anan Sriwilai", 1, ids::priceRetail, "", 1, false, nullptr, nullptr, nullptr,
         "101 ถนนเทพารักษ์", "ตำบลเทพารักษ์ อำเภอเมืองสมุทรปราการ", 31, "10270", "081-555-0101"},
        {"G0002", "คุณนภาพร ใจเย็น", "Napaporn Jaiyen", 1, -1, "", 2, false, nullptr, nullptr, nullptr,
         "23/4 ถนนรังสิต-นครนายก", "ตำบลประชาธิปัตย์ อำเภอธัญบุรี", 33, "12130", "081-555-0102"},
        {"G0003", "คุณกิตติศักดิ์ พูนผล", "Kittisak Poonpol", 1, ids::priceRetail, "", 3, false, nullptr, nullptr, nullptr,
         "9 ถนนมิตรภาพ", "ตำบลในเมือง อำเภอเมืองนครราชสีมา", 35, "30000", "044-242-424"},
        {"G0004", "คุณจันทร์เพ็ญ แก้วมณี", "Chanpen Kaewmanee", 1, ids::priceRetail, "", 1, false, nullptr, nullptr, nullptr,
         "62 ถนนภูเก็ต", "ตำบลตลาดใหญ่ อำเภอเมืองภูเก็ต", 38, "83000", "076-210-210"},
        {"G0005", "คุณสุรชัย บุญมา", "Surachai Boonma", 1, ids::priceRetail, "", 2, false, nullptr, nullptr, nullptr,
         "3 ถนนกาญจนวนิช", "ตำบลหาดใหญ่ อำเภอหาดใหญ่", 39, "90110", "074-232-232"},
    };
    const QStringList columns = {
        QStringLiteral("Id"),
        QStringLiteral("Code"),
        QStringLiteral("CustomerGroup"),
        QStringLiteral("Name"),
        QStringLiteral("NameEng"),
        QStringLiteral("NameShort"),
        QStringLiteral("TaxNumber"),
        QStringLiteral("TaxCode"),
        QStringLiteral("Address1"),
        QStringLiteral("Address2"),
        QStringLiteral("Address3"),
        QStringLiteral("Province"),
        QStringLiteral("ZipCode"),
        QStringLiteral("PhoneNo"),
        QStringLiteral("OpenAccount"),
        QStringLiteral("DueDays"),
        QStringLiteral("CreditLimit"),
        QStringLiteral("Salesman"),
        QStringLiteral("Transport"),
        QStringLiteral("PriceLevel"),
        QStringLiteral("DirectCus"),
        QStringLiteral("LocalCustomer"),
        QStringLiteral("DropCredit"),
        QStringLiteral("Blocked"),
        QStringLiteral("Remark"),
        QStringLiteral("AddDate"),
        QStringLiteral("Currency"),
        QStringLiteral("DiscountStr"),
        QStringLiteral("DiscName1"),
        QStringLiteral("DiscRate1"),
        QStringLiteral("BranchHead"),
        QStringLiteral("BranchCode"),
        QStringLiteral("StoreCode"),
        QStringLiteral("BarCodeId"),
    };
    BatchInserter customers(company, QStringLiteral("Customer"), columns);
    int id = 0;
    for (const Customer& c : list) {
        DemoCustomer customer;
        customer.id = ++id;
        customer.code = s(c.code);
        customer.name = s(c.name);
        customer.priceLevel = c.priceLevel;
        customer.discount = s(c.discount);
        customer.salesman = c.salesman;
        customer.blocked = c.blocked;
        customer.corporate = c.taxId12 != nullptr;
        customer.taxNumber = c.taxId12 ? withThaiTaxCheckDigit(s(c.taxId12)) : QString();
        customer.address1 = s(c.address1);
        customer.address2 = s(c.address2);
        customer.province = c.province;
        customer.zipCode = s(c.zip);
        customer.phone = s(c.phone);
        const bool head = customer.corporate && QLatin1String(c.branchCode) == QLatin1String("00000");
        const QVariant branchCode = c.branchCode ? QVariant(s(c.branchCode)) : QVariant();
        customers.addRow({customer.id,
                          customer.code,
                          c.group,
                          customer.name,
                          s(c.nameEng),
                          customer.name.left(30),
                          customer.taxNumber,
                          ids::taxVat7,
                          customer.address1,
                          customer.address2,
                          QString(),
                          c.province,
                          customer.zipCode,
                          customer.phone,
                          customer.corporate ? s("Y") : s("N"),
                          customer.corporate ? 30 : 0,
                          customer.corporate ? 50000.0 : 0.0,
                          c.salesman,
                          60,
                          c.priceLevel,
                          s("Y"),
                          s("Y"),
                          s("N"),
                          c.blocked ? s("Y") : s("N"),
                          c.blocked ? s("ระงับการขาย: ค้างชำระเกิน 90 วัน") : QString(),
                          QDate(shop.runYear - 1, 3, 1).startOfDay(),
                          ids::currencyThb,
                          customer.discount,
                          customer.corporate ? s("ส่วนลดการค้า") : QString(),
                          customer.corporate ? 2.0 : 0.0,
                          customer.corporate ? QVariant(head ? s("Y") : s("N")) : QVariant(),
                          branchCode,
                          c.storeCode ? QVariant(s(c.storeCode)) : QVariant(),
                          0});
        shop.customers.push_back(customer);
    }
    customers.finish();
}

void writeVendorsAndBanks(data::Connection& company, DemoShop& shop)
{
    BatchInserter vendors(company, QStringLiteral("vendor"), QStringLiteral("Id, Code, Name, VendorCurrency"));
    vendors.add({1, s("V001"), s("บริษัท ไทยเครื่องดื่ม จำกัด"), ids::currencyThb});
    vendors.add({2, s("V002"), s("บริษัท สยามคอนซูเมอร์ จำกัด"), ids::currencyThb});
    vendors.add({3, s("V003"), s("บริษัท อีสเทิร์นอิมพอร์ต จำกัด"), ids::currencyUsd});
    vendors.finish();

    BatchInserter banks(company, QStringLiteral("CompanyBank"),
                        QStringLiteral("Id, BankCode, BankName, AccountNo, Blocked"));
    banks.add({1, s("BK01"), s("ธนาคารทองไทย สาขาสุขุมวิท 21"), s("101-2-34567-8"), s("N")});
    banks.add({2, s("BK02"), s("ธนาคารรวมใจ สาขาอโศก"), s("204-5-67890-1"), s("N")});
    banks.add({3, s("BK03"), s("ธนาคารเจ้าพระยา สาขาสีลม (ปิดบัญชีแล้ว)"), s("309-8-76543-2"), s("Y")});
    banks.finish();
    shop.companyBanks = {1, 2};

    BatchInserter cards(company, QStringLiteral("CreditCard"), QStringLiteral("Id, CardCode, CardName, Charge"));
    const std::pair<const char*, double> list[] = {{"VISA", 0}, {"MASTER", 0}, {"JCB", 2}, {"AMEX", 3}, {"DEBIT", 0}};
    const char* names[] = {"บัตรวีซ่า", "บัตรมาสเตอร์การ์ด", "บัตรเจซีบี", "บัตรอเมริกันเอ็กซ์เพรส", "บัตรเดบิต"};
    int id = 0;
    for (const auto& [code, charge] : list) {
        cards.add({++id, s(code), s(names[id - 1]), charge});
        shop.creditCards.emplace_back(id, charge);
    }
    cards.finish();
}

// The coins and notes of the baht, counted into each shift's opening float.
void writeCoins(data::Connection& company, DemoShop& shop)
{
    const std::pair<double, const char*> list[] = {
        {0.25, "เหรียญ 25 สตางค์"}, {0.50, "เหรียญ 50 สตางค์"}, {1, "เหรียญ 1 บาท"},       {2, "เหรียญ 2 บาท"},
        {5, "เหรียญ 5 บาท"},       {10, "เหรียญ 10 บาท"},     {20, "ธนบัตร 20 บาท"},     {50, "ธนบัตร 50 บาท"},
        {100, "ธนบัตร 100 บาท"},   {500, "ธนบัตร 500 บาท"},   {1000, "ธนบัตร 1000 บาท"},
    };
    BatchInserter coins(company, QStringLiteral("Coin"), QStringLiteral("Id, Description, Fraction"));
    int id = 0;
    for (const auto& [value, description] : list) {
        coins.add({++id, s(description), value});
        shop.coins.emplace_back(id, value);
    }
    coins.finish();
}

void writeMachines(data::Connection& company, DemoShop& shop)
{
    struct Machine
    {
        const char* code;
        const char* location;
        bool blocked;
        const char* remark; // the revenue department's registration, printed after "TAX Rd "
        const char* printerCode;
        int salesman;
        int department;
        const char* drawer;
        const char* display;
    };
    const Machine list[] = {
        {"POS01", "หน้าร้าน ช่องชำระเงิน 1", false, "E051000012345", "TIS", 1, ids::departmentFront, "COM1:", "COM2:"},
        {"POS02", "หน้าร้าน ช่องชำระเงิน 2", false, "E051000012346", "KU", 2, ids::departmentFront, "COM3:", "COM4:"},
        {"POS03", "เคาน์เตอร์บริการลูกค้า", false, "E051000012347", "TIS", 3, ids::departmentService, "COM1:", ""},
        {"POS04", "ช่องชำระเงินสำรอง (งดใช้ชั่วคราว)", true, "E051000012348", "TIS", 2, ids::departmentFront,
         "COM5:", "COM6:"},
    };
    BatchInserter machines(
        company, QStringLiteral("PosMachineNo"),
        QStringLiteral("Id, MachineCode, Location, Blocked, Remark, PrinterName, PrinterCode, WareHouse, Salesman, "
                       "Department, CashDrawer, BaudRate, PosDisplayHello1, PosDisplayHello2, PosDisplayBaudRate, "
                       "PosDisplayComport"));
    int id = 0;
    for (const Machine& m : list) {
        ++id;
        machines.add({id, s(m.code), s(m.location), m.blocked ? s("Y") : s("N"), s(m.remark),
                      QStringLiteral("เครื่องพิมพ์ใบเสร็จ %1").arg(s(m.code)), s(m.printerCode), ids::warehouseMain,
                      m.salesman, m.department, s(m.drawer), 9600, s("ยินดีต้อนรับ"), s("ร้านค้าสาธิต"), 9600, s(m.display)});
        shop.machines.push_back({id, s(m.code), m.salesman, m.department, m.blocked});
    }
    machines.finish();
}

} // namespace

QString fillCompanyMasters(data::Connection& company, DemoShop& shop)
{
    writeWarehouses(company);
    writeSalesmen(company, shop);
    writeCustomers(company, shop);
    writeVendorsAndBanks(company, shop);
    writeCoins(company, shop);
    writeMachines(company, shop);
    syncIdentities(company,
                   {QStringLiteral("Warehouse"), QStringLiteral("UserWarehouse"), QStringLiteral("Salesman"),
                    QStringLiteral("CustomerGroup"), QStringLiteral("Customer"), QStringLiteral("vendor"),
                    QStringLiteral("CompanyBank"), QStringLiteral("CreditCard"), QStringLiteral("Coin"),
                    QStringLiteral("PosMachineNo")});
    return QStringLiteral("5 warehouses, 5 salesmen, %1 customers, %2 POS machines, %3 coins and notes")
        .arg(shop.customers.size())
        .arg(shop.machines.size())
        .arg(shop.coins.size());
}

} // namespace kvr::demo
