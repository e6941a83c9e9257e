#include "PosFixture.h"

#include "support/SessionSeed.h"

namespace kvr::test {

namespace {

const QDateTime kShiftOpened(QDate(2026, 6, 15), QTime(8, 30));

void run(data::Connection& c, const QString& sql, const QVariantMap& params = {})
{
    data::Query q(c, sql);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.setParam(it.key(), it.value());
    q.execSql();
}

// The shop, written before the session connects so that it reads the Config row as a start would.
void seedShop(data::Connection& c)
{
    const auto exec = [&c](const char* sql) { run(c, QString::fromUtf8(sql)); };
    exec("INSERT INTO Config (RunYear, MainCurrencyId, LockPosDate, PosLockTax, POS_IE, DefaultTax, SearchProductNo, "
         "DisplayFraction, SalePercentDisc, PosUseBarCode, CheckUserWarehouseFlag) "
         "VALUES (2026, 1, 'Y', 'N', 'I', 1, 0, 'N', 'N', 'N', 'N')");
    exec("INSERT INTO Misc (Id, GroupCode, Code, Description, OrderNo) VALUES (1, 'CURRENCY', 'THB', 'บาท', 1), "
         "(2, 'CURRENCY', 'USD', 'US Dollar', 2), (3, 'DEPARTMENT', 'FRONT', 'หน้าร้าน', 1)");
    exec("INSERT INTO Tax (Id, Code, Description, Rate) VALUES (1, 'V7', 'VAT 7%', 7), (2, 'V0', 'ยกเว้น', 0)");
    exec("INSERT INTO Warehouse (Id, Code, Name, islocation) VALUES (1, 'MAIN', 'หน้าร้าน', 'N'), "
         "(2, 'BACK', 'หลังร้าน', 'N')");
    exec("INSERT INTO Salesman (Id, Code, Name, Status) VALUES (1, 'S01', 'สมศรี', 'Y'), (2, 'S02', 'วิชัย', 'Y')");
    exec("INSERT INTO Customer (Id, Code, Name, NameEng, TaxCode, Salesman, Blocked, PriceLevel) VALUES "
         "(1, 'CASH', 'ลูกค้าเงินสด', 'Cash customer', 1, 2, 'N', 0), "
         "(2, 'C002', 'มูลนิธิ', 'Foundation', 2, 2, 'N', 0), (3, 'BLK', 'ระงับ', 'Blocked', 1, 1, 'Y', 0)");
    exec("INSERT INTO Product (Id, Code, ThaiName, PosName, ProductType, TaxCode, DefaultWh, UseSerial, LotControl, "
         "PrintFrac, Blocked) VALUES "
         "(1, 'P001', 'น้ำดื่ม 600 มล.', 'น้ำดื่ม', 'P', 1, 1, 'N', 'N', 'N', 'N'), "
         "(2, 'P002', 'ข้าวสาร 5 กก.', 'ข้าวสาร', 'P', 2, 1, 'N', 'N', 'N', 'N'), "
         "(3, 'S001', 'ค่าซ่อม', 'ซ่อม', 'S', 1, NULL, 'N', 'N', 'N', 'N'), "
         "(4, 'P004', 'สกรู', 'สกรู', 'P', 1, 1, 'N', 'N', 'Y', 'N')");
    exec("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, BarCode, SaleFlag, StockUnitFlag, SmallUnitFlag) "
         "VALUES (11, 1, 'ขวด', 1, '8850001000011', 'Y', 'Y', 'Y'), (21, 2, 'ถุง', 1, NULL, 'Y', 'Y', 'Y'), "
         "(31, 3, 'ครั้ง', 1, NULL, 'Y', 'Y', 'Y'), (41, 4, 'ตัว', 1, '8850004000018', 'Y', 'N', 'Y'), "
         "(42, 4, 'โหล', 12, NULL, 'Y', 'Y', 'N')");
    exec("INSERT INTO PosMachineNo (Id, MachineCode, WareHouse, Salesman, Department, CashDrawer, BaudRate) "
         "VALUES (1, 'M01', 2, 1, 3, '', 0)");
    for (const char* code : {"POS-P", "POS-S", "POS-M"})
        run(c, QStringLiteral("INSERT INTO DocumentNo (Code, DocYear, Prefix, LastNo, DocumentLength, AutoRun) "
                              "VALUES (:Code, 2026, '', 0, 8, 'Y')"),
            {{QStringLiteral("Code"), QString::fromLatin1(code)}});
    run(c, QStringLiteral("INSERT INTO PosShiftNo (Id, ShiftDate, ShiftNo, PosMachineNo, Closed) VALUES (1, :Date, 1, 1, 'N')"),
        {{QStringLiteral("Date"), kShiftOpened}});
    // May 2026 is closed to documents, June is open.
    run(c, QStringLiteral("INSERT INTO accountperiod (accountyear, Start5, Stop5, Lock5, Start6, Stop6, Lock6) "
                          "VALUES (2026, :S5, :E5, 'Y', :S6, :E6, 'N')"),
        {{QStringLiteral("S5"), QDate(2026, 5, 1).startOfDay()},
         {QStringLiteral("E5"), QDateTime(QDate(2026, 5, 31), QTime(23, 59, 59))},
         {QStringLiteral("S6"), QDate(2026, 6, 1).startOfDay()},
         {QStringLiteral("E6"), QDateTime(QDate(2026, 6, 30), QTime(23, 59, 59))}});
    for (const char* table : {"Misc", "Tax", "Warehouse", "Salesman", "Customer", "Product", "ProductUnits",
                              "PosMachineNo", "PosShiftNo"}) {
        const QString sync = c.dialect().syncIdentitySql(QString::fromLatin1(table));
        if (!sync.isEmpty())
            data::Query(c, sync).open();
    }
}

} // namespace

void PosFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    seedSession(*server);
    {
        auto seeding = server->connection(QStringLiteral("SHOP"));
        seedShop(*seeding);
    }
    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(101, 2);
    config->GetCompanyConfig(QStringLiteral("SHOP"));
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(QStringLiteral("SHOP"));
    dm->setMessageHandler([this](const QString& text) { prompter.information(text); });
    dm->DMdata().open();
    product = std::make_unique<products::TDmProduct>(*dm);
}

void PosFixture::TearDown()
{
    pos.reset();
    product.reset();
    dm.reset();
    config.reset();
    BackendTest::TearDown();
}

void PosFixture::exec(const QString& sql)
{
    data::Query(dm->DMdata(), sql).execSql();
}

void PosFixture::setConfig(const QString& assignments)
{
    exec(QStringLiteral("UPDATE Config SET ") + assignments);
    dm->QConfig().open();
}

void PosFixture::setNumbering(bool automatic)
{
    exec(QStringLiteral("UPDATE DocumentNo SET AutoRun = '%1'").arg(automatic ? QLatin1Char('Y') : QLatin1Char('N')));
}

void PosFixture::switchUser(int userId)
{
    config->CheckRight(101, userId);
}

int PosFixture::insertBill(const SavedBill& bill)
{
    data::Connection& c = dm->DMdata();
    run(c, QStringLiteral("INSERT INTO PosHd (DelFlag, PosType, PosShiftNo, PosNo, PosDate, Customer, Salesman, Warehouse, "
                          "TaxCode, TaxRate, Price_IE, NoTaxAmt, TaxAmt, TaxTotal, Total, DiscRate1, DiscAmt1, Posted, "
                          "Printed, CurrencyId, Rate) VALUES (:DelFlag, :PosType, 1, :PosNo, :PosDate, 1, 1, :Wh, :TaxCode, "
                          ":TaxRate, :IE, :NoTaxAmt, :TaxAmt, :TaxTotal, :Total, :DiscRate1, :DiscAmt1, 'N', 'Y', 1, 1)"),
        {{QStringLiteral("DelFlag"), bill.delFlag}, {QStringLiteral("PosType"), bill.posType},
         {QStringLiteral("PosNo"), bill.number}, {QStringLiteral("PosDate"), bill.date.startOfDay()},
         {QStringLiteral("Wh"), bill.posType == QLatin1String("P") ? QVariant(pos_shop::mainWh) : QVariant()},
         {QStringLiteral("TaxCode"), bill.taxCode}, {QStringLiteral("TaxRate"), bill.taxRate},
         {QStringLiteral("IE"), bill.priceIE}, {QStringLiteral("NoTaxAmt"), bill.noTaxAmt},
         {QStringLiteral("TaxAmt"), bill.taxAmt}, {QStringLiteral("TaxTotal"), bill.taxTotal},
         {QStringLiteral("Total"), bill.total}, {QStringLiteral("DiscRate1"), bill.discRate1},
         {QStringLiteral("DiscAmt1"), bill.discAmt1}});
    data::Query id(c, QStringLiteral("SELECT Max(Id) AS Id FROM PosHd"));
    id.open();
    const int headerId = id.field(QStringLiteral("Id")).asInteger();
    int recNo = 0;
    for (const SavedLine& line : bill.lines) {
        run(c, QStringLiteral("INSERT INTO PosDt (PosHd, PosRecNo, PosDate, Product, Quantity, ProductUnits, Fraction, "
                              "TaxCode, TaxRate, Warehouse, Price, Discount) VALUES (:Hd, :RecNo, :PosDate, :Product, :Qty, "
                              ":Unit, 1, :TaxCode, 0, :Wh, :Price, :Discount)"),
            {{QStringLiteral("Hd"), headerId}, {QStringLiteral("RecNo"), ++recNo},
             {QStringLiteral("PosDate"), bill.date.startOfDay()}, {QStringLiteral("Product"), line.product},
             {QStringLiteral("Qty"), line.quantity}, {QStringLiteral("Unit"), line.unit},
             {QStringLiteral("TaxCode"), line.taxCode}, {QStringLiteral("Wh"), line.warehouse},
             {QStringLiteral("Price"), line.price}, {QStringLiteral("Discount"), line.discount}});
    }
    return headerId;
}

pos::TFrPos& PosFixture::screen(pos::PosMode mode, bool allowZeroPrice)
{
    pos = std::make_unique<pos::TFrPos>(prompter, *dm, *product, mode, allowZeroPrice);
    pos->setCurrentShift(pos_shop::shift, kShiftOpened);
    return *pos;
}

void PosFixture::newBillWithLines(pos::TFrPos& screen, const std::vector<Line>& lines)
{
    screen.AcNewExecute();
    data::CachedDataset& dt = screen.QDt();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            dt.append();
        const Line& line = lines[i];
        dt.setValue(QStringLiteral("Product"), line.product);
        dt.setValue(QStringLiteral("ProductUnits"), line.product * 10 + 1);
        dt.setValue(QStringLiteral("Fraction"), 1.0);
        dt.setValue(QStringLiteral("Quantity"), line.quantity);
        dt.setValue(QStringLiteral("Price"), line.price);
        dt.setValue(QStringLiteral("Discount"), line.discount);
        dt.setValue(QStringLiteral("TaxRate"), line.lineRate);
    }
    dt.post();
}

} // namespace kvr::test
