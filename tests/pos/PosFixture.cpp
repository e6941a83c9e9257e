#include "PosFixture.h"

#include "SaleShop.h"
#include "support/Files.h"
#include "util/Rounding.h"

#include <QDir>
#include <QRegularExpression>

namespace kvr::test {

void PosFixture::buildShop(ShopBuilder& shop)
{
    seedSaleShop(shop.connection());
}

void PosFixture::TearDown()
{
    pos.reset();
    SessionFixture::TearDown();
}

void PosFixture::exec(const QString& sql)
{
    data::Query(dm->DMdata(), sql).execSql();
}

QString PosFixture::toldBy(bool told, const std::function<void()>& action)
{
    if (told)
        prompter.expectInformation();
    const size_t before = prompter.asked(ScriptedPrompter::Kind::Information).size();
    action();
    const auto messages = prompter.asked(ScriptedPrompter::Kind::Information);
    return messages.size() > before ? messages.back().text : QString();
}

void PosFixture::insertRows(const char* tableAndColumns, const std::vector<QVariantList>& rows)
{
    kvr::test::insertRows(dm->DMdata(), tableAndColumns, rows);
}

QString PosFixture::fieldsOf(const data::Query& q, const QString& names, int row)
{
    static const QRegularExpression decimal(QStringLiteral("^-?\\d+\\.\\d+$"));
    QStringList out;
    for (const QString& name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const data::Field field = row < 0 ? q.field(name) : q.fieldAt(row, name);
        // Figures to the four places amounts are stored with, read back alike from either backend: 10,
        // not 10.0000.
        const bool number = field.value().typeId() == QMetaType::Double || decimal.match(field.asString()).hasMatch();
        out << name + QLatin1Char('=') +
                (number ? QString::number(util::RoundHalfUp(field.asFloat(), 15, 4), 'g', 15) : field.asString());
    }
    return out.join(QLatin1Char(' '));
}

QStringList PosFixture::rowsOf(const data::Query& q, const QString& names)
{
    QStringList rows;
    for (int row = 0; row < q.recordCount(); ++row)
        rows << fieldsOf(q, names, row);
    return rows;
}

QStringList PosFixture::selectRows(const QString& names, const QString& from)
{
    data::Query q(
        dm->DMdata(),
        QStringLiteral("SELECT %1 FROM %2").arg(names.split(QLatin1Char(' ')).join(QStringLiteral(", ")), from));
    q.open();
    return rowsOf(q, names);
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

int PosFixture::insertBill(const SavedBill& bill)
{
    const QDateTime date = bill.date.startOfDay();
    const QVariant warehouse = bill.posType == QLatin1String("P") ? QVariant(pos_shop::mainWh) : QVariant();
    runSql(dm->DMdata(),
           QStringLiteral(
               "INSERT INTO PosHd (DelFlag, PosType, PosShiftNo, PosNo, PosDate, Customer, Salesman, Warehouse, "
               "TaxCode, TaxRate, Price_IE, NoTaxAmt, TaxAmt, TaxTotal, Total, DiscRate1, DiscAmt1, Posted, "
               "Printed, CurrencyId, Rate, Cash, Change) VALUES (:DelFlag, :PosType, 1, :PosNo, :PosDate, 1, 1, :Wh, "
               ":TaxCode, :TaxRate, :IE, :NoTaxAmt, :TaxAmt, :TaxTotal, :Total, :DiscRate1, :DiscAmt1, 'N', 'Y', 1, "
               "1, :Total, 0)"),
           {{QStringLiteral("DelFlag"), bill.delFlag},
            {QStringLiteral("PosType"), bill.posType},
            {QStringLiteral("PosNo"), bill.number},
            {QStringLiteral("PosDate"), date},
            {QStringLiteral("Wh"), warehouse},
            {QStringLiteral("TaxCode"), bill.taxCode},
            {QStringLiteral("TaxRate"), bill.taxRate},
            {QStringLiteral("IE"), bill.priceIE},
            {QStringLiteral("NoTaxAmt"), bill.noTaxAmt},
            {QStringLiteral("TaxAmt"), bill.taxAmt},
            {QStringLiteral("TaxTotal"), bill.taxTotal},
            {QStringLiteral("Total"), bill.total},
            {QStringLiteral("DiscRate1"), bill.discRate1},
            {QStringLiteral("DiscAmt1"), bill.discAmt1}});
    const int headerId = scalar(QStringLiteral("SELECT Max(Id) FROM PosHd")).toInt();
    int recNo = 0;
    for (const SavedLine& line : bill.lines)
        insertRows("PosDt (PosHd, PosRecNo, PosDate, Product, Quantity, ProductUnits, Fraction, TaxCode, TaxRate, "
                   "Warehouse, Price, Discount)",
                   {{headerId, ++recNo, date, line.product, line.quantity, line.unit, 1, line.taxCode, 0,
                     line.warehouse, line.price, line.discount}});
    return headerId;
}

SavedBill PosFixture::waterBill(const QString& number, double quantity, double price, QDate date)
{
    const double total = quantity * price;
    const double tax = util::RoundHalfUp(total * 7 / 107, 15, 2);
    SavedBill bill{"P", number, date, "I", pos_shop::vat7, 7, 0, 0, total, tax, total, 0};
    bill.lines.push_back({pos_shop::water, 11, quantity, price, QString(), pos_shop::vat7});
    return bill;
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
    EXPECT_TRUE(writeFile(work.filePath(QStringLiteral("KVR.INI")), "[ReceiptPrinter]\nM01=" + device.toUtf8() + "\n"));
    return device;
}

pos::TFrPos& PosFixture::screen(pos::PosMode mode, bool allowZeroPrice)
{
    pos = std::make_unique<pos::TFrPos>(prompter, *dm, *product, mode, allowZeroPrice);
    pos->setCurrentShift(pos_shop::shift, kSaleShiftOpened);
    return *pos;
}

void PosFixture::newBillWithLines(pos::TFrPos& screen, const std::vector<EnteredLine>& lines)
{
    screen.AcNewExecute();
    data::CachedDataset& dt = screen.QDt();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            dt.append();
        const EnteredLine& line = lines[i];
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

pos::TFrPos& PosFixture::newBill(pos::PosMode mode)
{
    pos::TFrPos& s = screen(mode);
    s.AcNewExecute();
    return s;
}

pos::TFrPos& PosFixture::newBill(const std::vector<EnteredLine>& lines)
{
    pos::TFrPos& s = screen();
    newBillWithLines(s, lines);
    return s;
}

} // namespace kvr::test
