#include "data/Query.h"
#include "printing/docprint/PdfFolder.h"
#include "printing/docprint/TFrDocPrintForm.h"
#include "printing/report/ValueText.h"
#include "support/DemoSession.h"
#include "support/PdfText.h"
#include "util/NumberFormat.h"
#include "util/NumberWords.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using kvr::printing::DocPrintSettings;
using kvr::printing::PdfFolderDevices;
using kvr::printing::TFrDocPrintForm;

namespace {

QString money(double value)
{
    return kvr::util::FormatNumber(QStringLiteral(",0.00"), value);
}

// The demo shop's layouts printed to PDF as the print form prints them without a display.
class DemoForms : public kvr::test::DemoSessionFixture
{
protected:
    void SetUp() override
    {
        DemoSessionFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        settings = DocPrintSettings::read(server->workingDirectory(), false);
        devices = std::make_unique<PdfFolderDevices>(settings.pdfFolder);
        form = std::make_unique<TFrDocPrintForm>(prompter, *dm, *devices, settings);
    }
    void TearDown() override
    {
        form.reset();
        DemoSessionFixture::TearDown();
    }
    // Prints the layout at `row` of the code; the PDF's text.
    QString printed(const QString& number, int year, const QString& code, int row)
    {
        form->setDocumentNo(number);
        form->setDocumentYear(year);
        form->setPrintCode(code);
        form->FormShow();
        form->setCurrentLayout(row);
        form->BtPrintClick();
        EXPECT_TRUE(form->printed());
        return kvr::test::pdfText(devices->lastFile());
    }
    void expectAll(const QString& text, const QStringList& fields)
    {
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{F700}-\\x{F71F}]")))) << text.toStdString();
        const QString page = kvr::test::pdfLetters(text);
        for (const QString& field : fields)
            EXPECT_TRUE(page.contains(kvr::test::pdfLetters(field))) << field.toStdString() << "\n"
                                                                     << text.toStdString();
    }

    DocPrintSettings settings;
    std::unique_ptr<PdfFolderDevices> devices;
    std::unique_ptr<TFrDocPrintForm> form;
};

TEST_P(DemoForms, the_full_tax_invoice_carries_every_field_the_revenue_code_asks_for)
{
    kvr::data::Query bill(dm->DMdata(),
                          QStringLiteral("SELECT H.Id, H.PosNo, H.PosDate, H.ShipAddr2, H.ShipZipCode, H.TaxTotal, "
                                         "H.Total FROM PosHd H WHERE H.FullTaxNo IS NOT NULL"));
    bill.open();
    ASSERT_FALSE(bill.isEmpty()) << "the demo has a bill with a full tax invoice";
    const auto f = [&](const char* name) { return bill.field(QString::fromLatin1(name)).asString().trimmed(); };
    const double total = bill.field(QStringLiteral("Total")).asFloat();
    const double vat = bill.field(QStringLiteral("TaxTotal")).asFloat();
    kvr::data::Query& company = config->QCompany();
    const auto c = [&](const char* name) { return company.field(QString::fromLatin1(name)).asString().trimmed(); };
    // The title, the invoice's number and the buyer's name, address, tax number and branch are
    // checked where program 4 prints this layout (tests/admin/test_full_tax_views.cpp).
    QStringList fields = {c("NameThai"),
                          c("Address1"),
                          c("Address2"),
                          c("Address3"),
                          c("Zip"),
                          QStringLiteral("เลขประจำตัวผู้เสียภาษีอากร ") + c("TaxNo"),
                          QStringLiteral("สำนักงานใหญ่"),
                          f("ShipAddr2"),
                          f("ShipZipCode"),
                          kvr::report::thaiDateText(bill.field(QStringLiteral("PosDate")).asDate()),
                          QStringLiteral("ภาษีมูลค่าเพิ่ม 7%") + money(vat),
                          QStringLiteral("มูลค่าสินค้าก่อนภาษีมูลค่าเพิ่ม") + money(total - vat),
                          QStringLiteral("จำนวนเงินรวมทั้งสิ้น") + money(total),
                          QStringLiteral("(") + kvr::util::ThaiBahtText(2, total) + QStringLiteral(")")};
    kvr::data::Query lines(dm->DMdata(),
                           QStringLiteral("SELECT P.ThaiName, D.Quantity, D.Price, D.Total FROM PosDt D INNER JOIN "
                                          "Product P ON P.Id = D.Product WHERE D.PosHd = :Id ORDER BY D.PosRecNo"));
    lines.setParam(QStringLiteral("Id"), bill.field(QStringLiteral("Id")).value());
    lines.open();
    ASSERT_FALSE(lines.isEmpty());
    for (lines.first(); !lines.eof(); lines.next()) {
        fields << lines.field(QStringLiteral("ThaiName")).asString().trimmed()
               << kvr::util::FormatNumber(QStringLiteral("#,##0.##"), lines.field(QStringLiteral("Quantity")).asFloat())
               << money(lines.field(QStringLiteral("Price")).asFloat())
               << money(lines.field(QStringLiteral("Total")).asFloat());
    }
    const QString text =
        printed(f("PosNo"), bill.field(QStringLiteral("PosDate")).asDate().year(), QStringLiteral("POS-X1"), 0);
    expectAll(text, fields);
}

KVR_INSTANTIATE_BACKENDS(DemoForms);

} // namespace
