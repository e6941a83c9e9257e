// The demo shop's two page layouts of a POS bill, printed by keys through the print form's
// window to PDF: both carry the bill, and each layout's first print is an original, its reprint
// says "สำเนา", whatever the other layout printed before.
#include "data/Query.h"
#include "printing/views/DocPrintRunner.h"
#include "printing/views/TFrDocPrintFormView.h"
#include "support/DemoSession.h"
#include "support/PdfText.h"
#include "support/WindowWait.h"
#include "util/NumberFormat.h"
#include "util/NumberWords.h"

#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace kvr::test {
namespace {

// A bill no layout has printed yet.
const QString kUnprinted = QStringLiteral("NOT EXISTS (SELECT 1 FROM UserLog L WHERE L.FunctionListId = 5 AND "
                                          "LTrim(RTrim(L.Remark)) = LTrim(RTrim(H.PosNo)))");

class CopyMark : public DemoSessionFixture
{
protected:
    void prepareServer() override
    {
        DemoSessionFixture::prepareServer();
        QFile ini(QDir(server->workingDirectory()).filePath(QStringLiteral("KVR.INI")));
        ASSERT_TRUE(ini.open(QIODevice::Append));
        ini.write("\n[DocumentPrint]\nOutput=pdf\nPdfFolder=printed\n");
    }
    void SetUp() override
    {
        DemoSessionFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        runner = std::make_unique<printing::DocPrintRunner>(
            prompter, *dm, printing::DocPrintSettings::read(server->workingDirectory(), false));
    }
    void TearDown() override
    {
        runner.reset();
        DemoSessionFixture::TearDown();
    }
    QDir printedFolder() const { return QDir(server->workingDirectory()).filePath(QStringLiteral("printed")); }
    QStringList pdfs() const { return printedFolder().entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name); }
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
                const QStringList before = pdfs();
                pressKey(Qt::Key_Return);
                ASSERT_TRUE(waitUntil([&] { return pdfs().size() == before.size() + 1; })) << "row " << row;
                for (const QString& file : pdfs())
                    if (!before.contains(file))
                        texts << pdfText(printedFolder().filePath(file));
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

    std::unique_ptr<printing::DocPrintRunner> runner;
};

TEST_P(CopyMark, EachLayoutPrintsTheBillFirstAsTheOriginalThenAsACopy)
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
    for (const QString& field :
         {QStringLiteral("ใบเสร็จรับเงิน/ใบกำกับภาษีอย่างย่อ"), bill.first, util::FormatNumber(QStringLiteral(",0.00"), total),
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

KVR_INSTANTIATE_BACKENDS(CopyMark);

} // namespace
} // namespace kvr::test
