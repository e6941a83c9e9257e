// The demo shop's page layouts of a POS bill, printed by keys through the print form's window
// to PDF: the full tax invoice carries what the revenue code asks for, and each layout of a bill
// prints first as the original, its reprint says "สำเนา", whatever the other layout printed before.
#include "data/Query.h"
#include "printing/report/ValueText.h"
#include "printing/views/TFrDocPrintFormView.h"
#include "support/DemoSession.h"
#include "support/PdfPrinting.h"
#include "support/WindowWait.h"
#include "util/NumberFormat.h"
#include "util/NumberWords.h"

#include <QRegularExpression>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace kvr::test {
namespace {

// A bill no layout has printed yet.
const QString kUnprinted = QStringLiteral("NOT EXISTS (SELECT 1 FROM UserLog L WHERE L.FunctionListId = 5 AND "
                                          "LTrim(RTrim(L.Remark)) = LTrim(RTrim(H.PosNo)))");

QString money(double value)
{
    return util::FormatNumber(QStringLiteral(",0.00"), value);
}

class DemoForms : public PdfPrinting<DemoSessionFixture>
{
protected:
    // The number and year of the demo's sale bill `skip` places down the bills that match.
    std::pair<QString, int> demoBill(const QString& condition, int skip = 0)
    {
        data::Query q(dm->DMdata(),
                      QStringLiteral("SELECT H.PosNo, H.PosDate FROM PosHd H WHERE H.PosType = 'P' AND "
                                     "%1 ORDER BY H.Id")
                          .arg(condition));
        q.open();
        for (int i = 0; i < skip; ++i)
            q.next();
        EXPECT_FALSE(q.eof());
        return {q.field(QStringLiteral("PosNo")).asString().trimmed(),
                q.field(QStringLiteral("PosDate")).asDate().year()};
    }
    // The bill through the print form: for each row, the row chosen with the arrow keys and
    // printed with Enter; the text of each print, in order.
    QStringList printRows(const std::pair<QString, int>& bill, const std::vector<int>& rows)
    {
        QStringList texts;
        whenModalOpens([&](QWidget*) {
            QTableWidget* list = runner->view()->layoutList();
            ASSERT_TRUE(waitForFocusIn(list));
            for (const int row : rows) {
                while (list->currentRow() != row)
                    pressKey(list->currentRow() < row ? Qt::Key_Down : Qt::Key_Up);
                const QStringList before = pdfFiles();
                pressKey(Qt::Key_Return);
                ASSERT_TRUE(waitUntil([&] { return pdfFiles().size() == before.size() + 1; })) << "row " << row;
                for (const QString& file : pdfFiles())
                    if (!before.contains(file))
                        texts << printedText(file);
            }
            pressKey(Qt::Key_Escape);
        });
        runner->printDocument(bill.first, bill.second, QStringLiteral("POS-P"));
        return texts;
    }
    void exec(const QString& sql) { data::Query(dm->DMdata(), sql).execSql(); }
    static bool markedCopy(const QString& text)
    {
        return pdfLetters(text).contains(pdfLetters(QStringLiteral("สำเนา")));
    }
};

TEST_P(DemoForms, the_full_tax_invoice_carries_every_field_the_revenue_code_asks_for)
{
    data::Query bill(dm->DMdata(),
                     QStringLiteral("SELECT H.Id, H.PosNo, H.PosDate, H.ShipAddr2, H.ShipZipCode, H.TaxTotal, "
                                    "H.Total FROM PosHd H WHERE H.FullTaxNo IS NOT NULL"));
    bill.open();
    ASSERT_FALSE(bill.isEmpty()) << "the demo has a bill with a full tax invoice";
    const auto f = [&](const char* name) { return bill.field(QString::fromLatin1(name)).asString().trimmed(); };
    const double total = bill.field(QStringLiteral("Total")).asFloat();
    const double vat = bill.field(QStringLiteral("TaxTotal")).asFloat();
    data::Query& company = config->QCompany();
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
                          report::thaiDateText(bill.field(QStringLiteral("PosDate")).asDate()),
                          QStringLiteral("ภาษีมูลค่าเพิ่ม 7%") + money(vat),
                          QStringLiteral("มูลค่าสินค้าก่อนภาษีมูลค่าเพิ่ม") + money(total - vat),
                          QStringLiteral("จำนวนเงินรวมทั้งสิ้น") + money(total),
                          QStringLiteral("(") + util::ThaiBahtText(2, total) + QStringLiteral(")")};
    data::Query lines(dm->DMdata(),
                      QStringLiteral("SELECT P.ThaiName, D.Quantity, D.Price, D.Total FROM PosDt D INNER JOIN "
                                     "Product P ON P.Id = D.Product WHERE D.PosHd = :Id ORDER BY D.PosRecNo"));
    lines.setParam(QStringLiteral("Id"), bill.field(QStringLiteral("Id")).value());
    lines.open();
    ASSERT_FALSE(lines.isEmpty());
    for (lines.first(); !lines.eof(); lines.next()) {
        fields << lines.field(QStringLiteral("ThaiName")).asString().trimmed()
               << util::FormatNumber(QStringLiteral("#,##0.##"), lines.field(QStringLiteral("Quantity")).asFloat())
               << money(lines.field(QStringLiteral("Price")).asFloat())
               << money(lines.field(QStringLiteral("Total")).asFloat());
    }
    // Its only layout: Enter prints it and closes the form.
    whenModalOpens([&](QWidget*) {
        ASSERT_TRUE(waitForFocusIn(runner->view()->layoutList()));
        pressKey(Qt::Key_Return);
    });
    EXPECT_TRUE(runner->printDocument(f("PosNo"), bill.field(QStringLiteral("PosDate")).asDate().year(),
                                      QStringLiteral("POS-X1")));
    ASSERT_EQ(pdfFiles().size(), 1);
    const QString text = printedText(pdfFiles().front());
    // No glyph of the font's private area stands for a letter.
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{F700}-\\x{F71F}]")))) << text.toStdString();
    for (const QString& field : fields)
        EXPECT_TRUE(pdfLetters(text).contains(pdfLetters(field))) << field.toStdString() << "\n" << text.toStdString();
}

TEST_P(DemoForms, EachLayoutPrintsTheBillFirstAsTheOriginalThenAsACopy)
{
    // Row 0 is the bill (a tax receipt), row 1 the delivery note.
    const auto bill = demoBill(kUnprinted);
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'N' WHERE LTrim(RTrim(PosNo)) = '%1'").arg(bill.first));
    QStringList texts = printRows(bill, {0});
    ASSERT_EQ(texts.size(), 1);
    EXPECT_FALSE(markedCopy(texts[0])) << "the bill's first print";
    // The receipt carries the bill: its number, its total in figures and in words, and the shop.
    const double total =
        scalar(QStringLiteral("SELECT Total FROM PosHd WHERE LTrim(RTrim(PosNo)) = :No"), {{"No", bill.first}})
            .toDouble();
    for (const QString& field : {QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษีอย่างย่อ"), bill.first, money(total),
                                 util::ThaiBahtText(2, total), config->session().CompanyNameThai})
        EXPECT_TRUE(pdfLetters(texts[0]).contains(pdfLetters(field))) << field.toStdString();
    // As the sale screen marks a bill the form printed.
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'Y' WHERE LTrim(RTrim(PosNo)) = '%1'").arg(bill.first));
    texts = printRows(bill, {1, 1, 0});
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(pdfLetters(texts[0]).contains(pdfLetters(QStringLiteral("ใบส่งสินค้า"))));
    EXPECT_TRUE(pdfLetters(texts[0]).contains(bill.first)) << "the delivery note of this bill";
    EXPECT_FALSE(markedCopy(texts[0])) << "the delivery note's first print, after the bill's";
    EXPECT_TRUE(markedCopy(texts[1])) << "the delivery note reprinted";
    EXPECT_TRUE(markedCopy(texts[2])) << "the bill reprinted";

    // A bill whose text receipt was printed: its page layout is a second receipt, a copy. (Its
    // delivery note reads no Printed mark: the first print above is one after Printed = 'Y'.)
    const auto receipted = demoBill(kUnprinted, 1);
    exec(QStringLiteral("UPDATE PosHd SET Printed = 'Y' WHERE LTrim(RTrim(PosNo)) = '%1'").arg(receipted.first));
    texts = printRows(receipted, {0});
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(markedCopy(texts[0]));

    // The full tax invoice's print went through its own layout: the delivery note is an original.
    texts = printRows(demoBill(QStringLiteral("H.FullTaxNo IS NOT NULL")), {1});
    ASSERT_EQ(texts.size(), 1);
    EXPECT_FALSE(markedCopy(texts[0])) << "the delivery note of a bill with a full tax invoice";
}

KVR_INSTANTIATE_BACKENDS(DemoForms);

} // namespace
} // namespace kvr::test
