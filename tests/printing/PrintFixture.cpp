#include "PrintFixture.h"

#include "data/Query.h"
#include "support/SessionSeed.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace kvr::test {

void PrintFixture::SetUp()
{
    BackendTest::SetUp();
    if (IsSkipped())
        return;
    seedSession(*server);
    config = std::make_unique<data::TDMConfig>(server->workingDirectory());
    config->CheckRight(101, 1);
    config->GetCompanyConfig(QStringLiteral("SHOP"));
    dm = std::make_unique<data::TDM>(*config, server->workingDirectory());
    dm->setCompanyCode(QStringLiteral("SHOP"));
    exec(QStringLiteral("INSERT INTO Config (RunYear, OnhandDecimal, UnitLeft, UnitRight, AutoGenGL) "
                        "VALUES (2026, 0, '', '', 'N')"));
    exec(QStringLiteral("INSERT INTO Product (Id, Code, ThaiName, TaxCode) VALUES (1, 'P001', 'น้ำดื่ม', 1)"));
    exec(QStringLiteral("INSERT INTO ProductUnits (Id, Product, UnitName, Fraction, SmallUnitFlag, StockUnitFlag, "
                        "SaleFlag) VALUES (1, 1, 'ขวด', 1, 'Y', 'N', 'Y'), (2, 1, 'แพ็ค', 12, 'N', 'Y', 'Y')"));
}

void PrintFixture::TearDown()
{
    dm.reset();
    config.reset();
    BackendTest::TearDown();
}

int PrintFixture::exec(const QString& sql, Params params)
{
    data::Query q(dm->DMdata(), sql);
    for (const auto& [name, value] : params)
        q.setParam(QString::fromLatin1(name), value);
    return q.execSql();
}

QVariant PrintFixture::scalar(const QString& sql, Params params)
{
    data::Query q(dm->DMdata(), sql);
    for (const auto& [name, value] : params)
        q.setParam(QString::fromLatin1(name), value);
    q.open();
    return q.isEmpty() ? QVariant() : q.field(q.fieldNames().first()).value();
}

void PrintFixture::addBill(const QString& number, int lines, const std::function<QString(int)>& name)
{
    const int id = scalar(QStringLiteral("SELECT COALESCE(MAX(Id), 0) + 1 FROM PosHd")).toInt();
    const double total = 10.5 * lines * (lines + 1) / 2;
    exec(QStringLiteral("INSERT INTO PosHd (Id, PosType, PosNo, PosDate, TaxRate, TaxTotal, Total, Cash, Change) "
                        "VALUES (:Id, 'P', :No, :Date, 7, :Vat, :Total, :Total, 0)"),
         {{"Id", id}, {"No", number}, {"Date", kBillDate}, {"Vat", total * 7 / 107}, {"Total", total}});
    for (int n = 1; n <= lines; ++n) {
        const int productId = 1000 * id + n;
        exec(QStringLiteral("INSERT INTO Product (Id, Code, ThaiName, TaxCode) VALUES (:Id, :Code, :Name, 1)"),
             {{"Id", productId},
              {"Code", QStringLiteral("B%1L%2").arg(id).arg(n, 3, 10, QLatin1Char('0'))},
              {"Name", name ? name(n) : QStringLiteral("สินค้าบรรทัดที่ %1").arg(n)}});
        exec(QStringLiteral("INSERT INTO PosDt (PosHd, PosRecNo, PosDate, Product, Quantity, ProductUnits, Fraction, "
                            "Price, Total) VALUES (:Hd, :No, :Date, :Product, :Qty, 1, 1, 10.5, :Total)"),
             {{"Hd", id}, {"No", n}, {"Date", kBillDate}, {"Product", productId}, {"Qty", n}, {"Total", 10.5 * n}});
    }
}

void PrintFixture::addForm(const QString& code, int order, const QString& description, const QString& file,
                           const QString& procedure, const QString& preview)
{
    exec(QStringLiteral("INSERT INTO SystemForm (FormCode, FormOrderNo, FormDesc, FrfName, SpName, DocCode, "
                        "ShowPrintPreview) VALUES (:Code, :Order, :Desc, :File, :Sp, :Code, :Preview)"),
         {{"Code", code},
          {"Order", order},
          {"Desc", description},
          {"File", file},
          {"Sp", procedure},
          {"Preview", preview}});
}

QString PrintFixture::writeLayout(const QString& name, const QString& text)
{
    const QString path = QDir(workDir()).filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
    return path;
}

int PrintFixture::usageLogs(int function)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM UserLog WHERE FunctionListId = :F"), {{"F", function}}).toInt();
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(60000)) << "pdftotext did not finish";
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace kvr::test
