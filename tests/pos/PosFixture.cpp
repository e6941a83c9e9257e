#include "PosFixture.h"

#include "SaleShop.h"
#include "support/SessionSeed.h"
#include "util/Rounding.h"

#include <QDir>
#include <QFile>

namespace kvr::test {

void PosFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    prepareServer();
    if (IsSkipped() || HasFatalFailure())
        return;
    seedSession(*server);
    {
        auto seeding = server->connection(QStringLiteral("SHOP"));
        seedSaleShop(*seeding);
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
    runSql(c,
           QStringLiteral(
               "INSERT INTO PosHd (DelFlag, PosType, PosShiftNo, PosNo, PosDate, Customer, Salesman, Warehouse, "
               "TaxCode, TaxRate, Price_IE, NoTaxAmt, TaxAmt, TaxTotal, Total, DiscRate1, DiscAmt1, Posted, "
               "Printed, CurrencyId, Rate, Cash, Change) VALUES (:DelFlag, :PosType, 1, :PosNo, :PosDate, 1, 1, :Wh, "
               ":TaxCode, :TaxRate, :IE, :NoTaxAmt, :TaxAmt, :TaxTotal, :Total, :DiscRate1, :DiscAmt1, 'N', 'Y', 1, "
               "1, :Total, 0)"),
           {{QStringLiteral("DelFlag"), bill.delFlag},
            {QStringLiteral("PosType"), bill.posType},
            {QStringLiteral("PosNo"), bill.number},
            {QStringLiteral("PosDate"), bill.date.startOfDay()},
            {QStringLiteral("Wh"), bill.posType == QLatin1String("P") ? QVariant(pos_shop::mainWh) : QVariant()},
            {QStringLiteral("TaxCode"), bill.taxCode},
            {QStringLiteral("TaxRate"), bill.taxRate},
            {QStringLiteral("IE"), bill.priceIE},
            {QStringLiteral("NoTaxAmt"), bill.noTaxAmt},
            {QStringLiteral("TaxAmt"), bill.taxAmt},
            {QStringLiteral("TaxTotal"), bill.taxTotal},
            {QStringLiteral("Total"), bill.total},
            {QStringLiteral("DiscRate1"), bill.discRate1},
            {QStringLiteral("DiscAmt1"), bill.discAmt1}});
    data::Query id(c, QStringLiteral("SELECT Max(Id) AS Id FROM PosHd"));
    id.open();
    const int headerId = id.field(QStringLiteral("Id")).asInteger();
    int recNo = 0;
    for (const SavedLine& line : bill.lines) {
        runSql(c,
               QStringLiteral(
                   "INSERT INTO PosDt (PosHd, PosRecNo, PosDate, Product, Quantity, ProductUnits, Fraction, "
                   "TaxCode, TaxRate, Warehouse, Price, Discount) VALUES (:Hd, :RecNo, :PosDate, :Product, :Qty, "
                   ":Unit, 1, :TaxCode, 0, :Wh, :Price, :Discount)"),
               {{QStringLiteral("Hd"), headerId},
                {QStringLiteral("RecNo"), ++recNo},
                {QStringLiteral("PosDate"), bill.date.startOfDay()},
                {QStringLiteral("Product"), line.product},
                {QStringLiteral("Qty"), line.quantity},
                {QStringLiteral("Unit"), line.unit},
                {QStringLiteral("TaxCode"), line.taxCode},
                {QStringLiteral("Wh"), line.warehouse},
                {QStringLiteral("Price"), line.price},
                {QStringLiteral("Discount"), line.discount}});
    }
    return headerId;
}

SavedBill PosFixture::waterBill(const QString& number, double quantity, double price, QDate date)
{
    const double total = quantity * price;
    const double tax = util::RoundHalfUp(total * 7 / 107, 15, 2);
    return {"P",
            number,
            date,
            "I",
            pos_shop::vat7,
            7,
            0,
            0,
            total,
            tax,
            total,
            0,
            {{pos_shop::water, 11, quantity, price, QString(), pos_shop::vat7}}};
}

pos::TFrPos& PosFixture::recall(pos::TFrPos& s, const QString& number)
{
    s.AcNewExecute();
    s.headerTexts().posNo = number;
    s.PosNoExit();
    return s;
}

QString PosFixture::textReceiptsTo(QString device)
{
    setConfig(QStringLiteral("Pos1_PrintType = 'T', Pos1_PrintLine = 'N', PosFormTextNo = 1"));
    const QDir work(server->workingDirectory());
    if (device.isEmpty())
        device = work.filePath(QStringLiteral("receipt.bin"));
    QFile ini(work.filePath(QStringLiteral("KVR.INI")));
    EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[ReceiptPrinter]\nM01=" + device.toUtf8() + "\n");
    return device;
}

pos::TFrPos& PosFixture::screen(pos::PosMode mode, bool allowZeroPrice)
{
    pos = std::make_unique<pos::TFrPos>(prompter, *dm, *product, mode, allowZeroPrice);
    pos->setCurrentShift(pos_shop::shift, kSaleShiftOpened);
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
