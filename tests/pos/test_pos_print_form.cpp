// A company printing its bills on pages: the sale screen prints through the print form after
// saving (a reprint takes the same way), and a bill counts as printed only when the form printed it.
#include "SaleFixture.h"

#include "printing/views/TFrDocPrintFormView.h"
#include "support/Files.h"
#include "support/PdfPrinting.h"
#include "support/WindowWait.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosPrintForm : public PdfPrinting<SaleFixture>
{
protected:
    void SetUp() override
    {
        PdfPrinting::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(
            writeFile(QDir(server->workingDirectory()).filePath(QStringLiteral("forms/bill.kvl")),
                      "kvr-layout 1\npage A5\nband header 20\n  text 0 0 120 8 : BILL [DocNo] [DocYear]\nend\n"));
        exec(QStringLiteral("INSERT INTO SystemForm (FormCode, FormOrderNo, FormDesc, FrfName, SpName, DocCode, "
                            "ShowPrintPreview) VALUES ('POS-P', 1, 'บิลขายสด', 'forms/bill.kvl', '', 'POS-P', 'N')"));
        setConfig(QStringLiteral("Pos1_PrintType = 'F'"));
    }
    QString printedOf(const QString& number)
    {
        return scalar(QStringLiteral("SELECT Printed FROM PosHd WHERE PosNo = :No"), {{QStringLiteral("No"), number}})
            .toString();
    }
    QString lastNumber() { return scalar(QStringLiteral("SELECT PosNo FROM PosHd ORDER BY Id DESC")).toString(); }
    // The print form, once it opens: Print, or Escape to close it without printing.
    void whenFormOpens(bool print)
    {
        whenModalOpens([this, print](QWidget* dialog) {
            ASSERT_EQ(dialog, runner->view());
            if (print)
                QTest::mouseClick(runner->view()->printButton(), Qt::LeftButton);
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }
};

TEST_P(PosPrintForm, SavedBillPrintsThroughTheFormAndIsMarkedOnlyWhenItPrinted)
{
    pos::TFrPos& screen = billWith({{water, 1, 60}});
    screen.saver().setDocumentPrint(runner.get());
    pay(screen, 60);
    prompter.answerConfirm(true);
    whenFormOpens(true);
    screen.AcSaveExecute();
    const QString printed = lastNumber();
    ASSERT_EQ(pdfFiles().size(), 1);
    // The form takes the bill's number and the year of its date.
    const QString text = printedText(pdfFiles().front()).simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("BILL %1 2026").arg(printed.trimmed()))) << text.toStdString();
    EXPECT_EQ(printedOf(printed), QStringLiteral("Y"));

    // The next bill's form is closed without printing: saved, not marked, nothing printed.
    ringUp(screen, {{water, 2, 60}});
    pay(screen, 120);
    prompter.answerConfirm(true);
    whenFormOpens(false);
    screen.AcSaveExecute();
    const QString cancelled = lastNumber();
    ASSERT_NE(cancelled, printed);
    EXPECT_EQ(printedOf(cancelled), QStringLiteral("N"));
    EXPECT_EQ(pdfFiles().size(), 1);
    EXPECT_TRUE(screen.isNewBill());
}

KVR_INSTANTIATE_BACKENDS(PosPrintForm);

} // namespace
} // namespace kvr::test
