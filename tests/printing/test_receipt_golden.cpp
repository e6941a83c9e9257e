#include "printing/ReceiptLayout.h"
#include "printing/TextReceipt.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"
#include "support/Files.h"

#include <gtest/gtest.h>

using namespace kvr::printing;
using kvr::test::PrintedReceipt;

namespace {

QString DataPath(const QString& name)
{
    return qEnvironmentVariable("KVR_SOURCE_DIR") + QStringLiteral("/tests/printing/data/") + name;
}

// The .prn files are the exact bytes sent to the printer (view them with kvrpos-receipt-preview);
// the .txt files were written out by hand from the layouts and say what the paper must show.
// KVR_UPDATE_GOLDEN=1 rewrites the .prn files after a deliberate change.
void ExpectGolden(const QByteArray& actual, const QString& name)
{
    if (qEnvironmentVariableIntValue("KVR_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(kvr::test::writeFile(DataPath(name), actual));
    }
    const QByteArray expected = FileContents(DataPath(name));
    ASSERT_FALSE(expected.isEmpty()) << "missing " << name.toStdString();
    EXPECT_EQ(Escaped(actual), Escaped(expected));
}

// Layouts 1 and 2 on TIS and on KU, as the sale screen spools them: lines, totals, and the
// next receipt's heading.
TEST(ReceiptGolden, the_demo_bill_prints_as_its_golden_receipt)
{
    for (const int formNo : {1, 2}) {
        for (const QString& printerCode : {QStringLiteral("TIS"), QStringLiteral("KU")}) {
            const QString stream = QStringLiteral("layout%1-%2.prn").arg(formNo).arg(printerCode.toLower());
            SCOPED_TRACE(stream.toStdString());
            const QByteArray bytes = RenderTextReceipt(kvr::test::DemoSettings(formNo), kvr::test::DemoReceipt(),
                                                       ReceiptJob{.printerCode = printerCode});
            ExpectGolden(bytes, stream);
            const ReceiptPreview paper =
                ReceiptPreview::decode(bytes, printerCode == u"KU" ? CharCode::Ku : CharCode::Tis);
            EXPECT_EQ(paper.text(),
                      QString::fromUtf8(FileContents(DataPath(QStringLiteral("layout%1.txt").arg(formNo)))));
            for (const PreviewLine& line : paper.lines())
                EXPECT_LE(line.cells.size(), 40u) << line.text().toStdString();
        }
    }
}

// The heading as the previous receipt left it on the paper, for previews of a whole receipt.
TEST(ReceiptGolden, the_heading_alone_prints_as_its_golden_receipt)
{
    for (const int formNo : {1, 2}) {
        SCOPED_TRACE(formNo);
        const ReceiptSettings settings = kvr::test::DemoSettings(formNo);
        const PrintedReceipt printed =
            PrintedReceipt::of([&](ReceiptPrinter& p) { PrintReceiptHeading(p, settings, false); });
        ExpectGolden(printed.bytes, QStringLiteral("heading-layout%1-tis.prn").arg(formNo));
    }
}

} // namespace
