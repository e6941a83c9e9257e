#include "printing/ReceiptLayout.h"
#include "printing/TextReceipt.h"

#include "ByteText.h"
#include "DemoBill.h"
#include "PrintedReceipt.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kvr::printing;
using kvr::test::PrintedReceipt;

namespace {

// The .prn files are the exact bytes sent to the printer (view them with kvrpos-receipt-preview);
// the .txt files were written out by hand from the layouts and say what the paper must show.
// KVR_UPDATE_GOLDEN=1 rewrites the .prn files after a deliberate change.
void ExpectGolden(const QByteArray& actual, const QString& name)
{
    if (qEnvironmentVariableIntValue("KVR_UPDATE_GOLDEN") == 1) {
        QFile f(kvr::test::TestDataPath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(actual);
    }
    const QByteArray expected = kvr::test::ReadTestData(name);
    ASSERT_FALSE(expected.isEmpty()) << "missing " << name.toStdString();
    EXPECT_EQ(Escaped(actual), Escaped(expected));
}

struct GoldenCase
{
    int formNo;
    CharCode code;
    const char* stream;
    const char* paper;
};

class ReceiptGolden : public testing::TestWithParam<GoldenCase>
{ };

TEST_P(ReceiptGolden, the_demo_bill_prints_as_its_golden_receipt)
{
    const GoldenCase& c = GetParam();
    // As the sale screen spools it: lines, totals, and the next receipt's heading.
    const ReceiptJob job{.printerCode = c.code == CharCode::Ku ? QStringLiteral("KU") : QStringLiteral("TIS")};
    const QByteArray bytes = RenderTextReceipt(kvr::test::DemoSettings(c.formNo), kvr::test::DemoReceipt(), job);
    ExpectGolden(bytes, QString::fromUtf8(c.stream));
    const ReceiptPreview paper = ReceiptPreview::decode(bytes, c.code);
    EXPECT_EQ(paper.text(), QString::fromUtf8(kvr::test::ReadTestData(QString::fromUtf8(c.paper))));
    for (const PreviewLine& line : paper.lines())
        EXPECT_LE(line.cells.size(), 40u) << line.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Layouts, ReceiptGolden,
                         testing::Values(GoldenCase{1, CharCode::Tis, "layout1-tis.prn", "layout1.txt"},
                                         GoldenCase{1, CharCode::Ku, "layout1-ku.prn", "layout1.txt"},
                                         GoldenCase{2, CharCode::Tis, "layout2-tis.prn", "layout2.txt"},
                                         GoldenCase{2, CharCode::Ku, "layout2-ku.prn", "layout2.txt"}),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             return "layout" + std::to_string(info.param.formNo) +
                                 (info.param.code == CharCode::Ku ? "_ku" : "_tis");
                         });

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
