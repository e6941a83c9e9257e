// Program 4 through its real windows, offscreen, by keys: from the start-up table, F5 picks the
// receipt, Enter loads it, F5 picks the buyer, F10 and Yes print it, and the print form writes
// the invoice as a PDF whose text has the invoice number, the buyer and the receipt's number.
#include "FullTaxFixture.h"

#include "admin/TFrPosFullTranView.h"
#include "support/Files.h"
#include "support/PdfText.h"
#include "support/StartUp.h"
#include "support/WindowWait.h"
#include "ui/base/DataGrid.h"
#include "ui/base/DialogPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace kvr;
namespace column = data::fulltax;

class FullTaxWindow : public test::FullTaxFixture
{
protected:
    void buildShop(test::ShopBuilder& builder) override
    {
        FullTaxFixture::buildShop(builder);
        // The demo shop's invoice layout for POS-X1, printed to PDF files.
        const QDir work(server->workingDirectory());
        work.mkpath(QStringLiteral("forms"));
        const QString layout = QStringLiteral("forms/full-tax-invoice-x1.kvl");
        ASSERT_TRUE(QFile::copy(qEnvironmentVariable("KVR_SOURCE_DIR") + QStringLiteral("/src/app/demo/") + layout,
                                work.filePath(layout)));
        builder.insert(QStringLiteral("SystemForm"),
                       {{"FormCode", QStringLiteral("POS-X1")},
                        {"FormOrderNo", 1},
                        {"FormDesc", QStringLiteral("ใบกำกับภาษีเต็มรูป (A4)")},
                        {"FrfName", layout},
                        {"ShowPrintPreview", QStringLiteral("N")}});
        ASSERT_TRUE(test::writeFile(work.filePath(QStringLiteral("KVR.INI")),
                                    "[DocumentPrint]\nOutput=pdf\nPdfFolder=printed\n"));
    }
};

TEST_P(FullTaxWindow, program_4_prints_a_picked_receipt_for_a_picked_buyer_to_pdf_by_keys)
{
    const QString buyer = QStringLiteral("บริษัท ไทยวัสดุภัณฑ์ จำกัด");
    const QString taxId = QStringLiteral("0105561234560");
    invoicedTo(QStringLiteral("PP69000100"), buyer, QStringLiteral("02-111-2222"), taxId);
    const int id = receipt(kPosHd, {.number = QStringLiteral("PP69000777"), .customer = walkIn});

    ui::DialogPrompter boxes;
    test::StartUp startUp(*dm, *config, *product, boxes);
    const std::unique_ptr<admin::TFrPosFullTranView> view = startUp.show<admin::TFrPosFullTranView>(4);
    ASSERT_TRUE(view);
    ASSERT_TRUE(test::waitForFocusIn(view->receiptNumberEdit()));

    // F5: the saved-bill search; the number's last digits, Enter, Enter.
    test::whenModalOpens([](QWidget* dialog) { test::chooseFirstFound(dialog, QStringLiteral("777")); });
    test::pressKey(Qt::Key_F5);
    ASSERT_TRUE(test::waitUntil([&] { return view->receiptNumberEdit()->text() == QStringLiteral("PP69000777"); }));
    // The window is active again once the dialog has gone (a window manager's part on a desktop).
    ASSERT_TRUE(test::waitForActiveWindow(view.get()));
    ASSERT_TRUE(test::waitForFocusIn(view->receiptNumberEdit()));
    // Enter leaves the number: the receipt loads and the cursor goes to the buyer's name.
    test::pressKey(Qt::Key_Return);
    ASSERT_TRUE(test::waitUntil([&] { return view->fullTaxForm().isLoaded(); }));
    ASSERT_TRUE(test::waitForFocusIn(view->customerNameEdit()));
    EXPECT_FALSE(view->receiptNumberEdit()->isEnabled());
    EXPECT_EQ(view->amountLabel()->text(), QStringLiteral("185.00"));
    EXPECT_EQ(view->grid()->model()->rowCount(), 2);

    // F5: the buyer search by telephone.
    test::whenModalOpens([](QWidget* dialog) { test::chooseFirstFound(dialog, QStringLiteral("02-111-2222")); });
    test::pressKey(Qt::Key_F5);
    ASSERT_TRUE(test::waitUntil([&] { return view->customerNameEdit()->text() == buyer; }));
    ASSERT_TRUE(test::waitForActiveWindow(view.get()));
    ASSERT_TRUE(test::waitForFocusIn(view->customerNameEdit()));
    EXPECT_FALSE(view->headOfficeCheckBox()->isChecked());
    EXPECT_TRUE(view->buyerEdit(column::kBranchCode)->isEnabled());

    // F10, Yes; the print form comes up and Enter prints its one layout.
    bool printFormShown = false;
    test::whenModalOpens([&](QWidget* box) {
        auto* question = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->text(), QStringLiteral("ยืนยันพิมพ์ใบกำกับภาษีอย่างเต็ม ?"));
        test::whenModalOpens(
            [&](QWidget* printForm) {
                ASSERT_TRUE(test::waitForFocusIn(printForm));
                printFormShown = true;
                test::pressKey(Qt::Key_Return);
            },
            box);
        QTest::mouseClick(question->button(QMessageBox::Yes), Qt::LeftButton);
    });
    test::pressKey(Qt::Key_F10);
    ASSERT_TRUE(test::waitUntil([&] { return printFormShown && !QApplication::activeModalWidget(); }));
    ASSERT_TRUE(test::waitForActiveWindow(view.get()));
    EXPECT_TRUE(test::waitForFocusIn(view->receiptNumberEdit())) << "New after printing: ready for the next receipt";
    EXPECT_EQ(view->receiptNumberEdit()->text(), QString());

    const QString invoiceNo = column(kPosHd, id, column::kFullTaxNo).toString();
    EXPECT_EQ(invoiceNo, QStringLiteral("TX69000001"));
    const QStringList pdfs =
        QDir(server->workingDirectory() + QStringLiteral("/printed")).entryList({QStringLiteral("*.pdf")});
    ASSERT_EQ(pdfs.size(), 1) << pdfs.join(u' ').toStdString();
    const QString text = test::pdfText(server->workingDirectory() + QStringLiteral("/printed/") + pdfs.front());
    for (const QString& expected :
         {QStringLiteral("ใบกำกับภาษี"), invoiceNo, buyer, QStringLiteral("เลขประจำตัวผู้เสียภาษีอากร ") + taxId,
          QStringLiteral("สาขาที่ 00003"), QStringLiteral("9 ถนนสาทร"), QStringLiteral("PP69000777")})
        EXPECT_TRUE(test::pdfLetters(text).contains(test::pdfLetters(expected))) << expected.toStdString() << "\n"
                                                                                 << text.toStdString();
}

KVR_INSTANTIATE_BACKENDS(FullTaxWindow);

} // namespace
