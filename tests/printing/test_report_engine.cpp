#include "PrintFixture.h"

#include "printing/docprint/DocumentFunctions.h"
#include "printing/report/PagePainter.h"
#include "printing/report/Report.h"
#include "printing/report/ReportError.h"
#include "products/QuantityTexts.h"
#include "support/RaisedMessage.h"
#include "util/NumberFormat.h"
#include "util/NumberWords.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <tuple>

using kvr::report::PreparedItem;
using kvr::report::Report;
using kvr::report::ReportError;
using kvr::test::raisedMessage;

namespace {

// A bill's lines with a header on every page and the total once, after the last line.
const char* const kLinesLayout = R"(kvr-layout 1
page A5 portrait
margins 10 10 10 10
data Lines
  SELECT D.PosRecNo, P.ThaiName AS Name, D.Total FROM PosDt D
  INNER JOIN PosHd H ON H.Id = D.PosHd INNER JOIN Product P ON P.Id = D.Product
  WHERE LTrim(RTrim(H.PosNo)) = :DocNo ORDER BY D.PosRecNo
end
band pageheader 12
  text 0 0 128 8 center bold : HEADER [DocNo] PAGE [PAGE]/[PAGES]
end
band detail Lines 6
  text 0 0 10 6 right : [LINE]
  text 12 0 %1 6 wrap : [Lines.Name]
  text 100 0 28 6 right picture=",0.00" : [Lines.Total]
end
band footer 10
  text 60 0 68 8 right bold : TOTAL [SUM('Lines', 'Total')]
end
band pagefooter 6
  text 0 0 128 5 : FOOT
end
)";

class ReportEngine : public kvr::test::PrintFixture
{
protected:
    Report& load(const QString& text, const QString& docNo)
    {
        report = std::make_unique<Report>(dm->DMdata(), &config->DmCfg());
        report->loadFromFile(writeLayout(QStringLiteral("test.kvl"), text));
        report->setVariable(QStringLiteral("DocNo"), docNo);
        return *report;
    }
    std::unique_ptr<Report> report;
};

TEST_P(ReportEngine, a_sixty_line_bill_breaks_into_pages_with_the_header_repeated_and_the_total_once_at_the_end)
{
    addBill(QStringLiteral("PP6900001"), 60);
    Report& r = load(QString::fromUtf8(kLinesLayout).arg(80), QStringLiteral("PP6900001"));
    ASSERT_TRUE(r.prepare());
    const auto& pages = r.prepared().pages;
    ASSERT_GE(pages.size(), 2u) << "60 lines of 6 mm do not fit one A5 page";
    const int count = int(pages.size());
    QString all;
    for (int page = 0; page < count; ++page) {
        const QString text = r.prepared().pageText(page);
        SCOPED_TRACE(page);
        EXPECT_TRUE(text.startsWith(QStringLiteral("HEADER PP6900001 PAGE %1/%2").arg(page + 1).arg(count)));
        EXPECT_TRUE(text.endsWith(QStringLiteral("FOOT")));
        EXPECT_EQ(text.contains(QStringLiteral("TOTAL")), page == count - 1);
        all += text + u'\n';
    }
    // Every line exactly once, in order: 10.50 x (1 + ... + 60).
    for (int n = 1; n <= 60; ++n)
        EXPECT_EQ(all.count(QStringLiteral("สินค้าบรรทัดที่ %1\n").arg(n)), 1) << n;
    EXPECT_EQ(all.count(QStringLiteral("TOTAL 19215")), 1);

    // The PDF has the same pages; what each page holds is the prepared text above.
    const QString pdf = QDir(server->workingDirectory()).filePath(QStringLiteral("lines.pdf"));
    kvr::report::PagePainter::writePdf(r.prepared(), pdf);
    const QStringList pdfPages = kvr::test::pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pdfPages.size(), count);
    EXPECT_TRUE(pdfPages.last().contains(QStringLiteral("TOTAL 19215")));
}

TEST_P(ReportEngine, a_long_thai_name_wraps_inside_its_box_and_pushes_the_next_line_down)
{
    const QString name = QStringLiteral("น้ำยาปรับผ้านุ่มสูตรเข้มข้นพิเศษกลิ่นดอกไม้นานาพันธุ์ขนาดถุงเติมประหยัด");
    addBill(QStringLiteral("PP6900002"), 2, [&](int n) { return n == 1 ? name : QStringLiteral("น้ำดื่ม"); });
    Report& r = load(QString::fromUtf8(kLinesLayout).arg(40), QStringLiteral("PP6900002"));
    ASSERT_TRUE(r.prepare());
    const PreparedItem* wrapped = nullptr;
    const PreparedItem* next = nullptr;
    for (const PreparedItem& item : r.prepared().pages.at(0).items) {
        if (!item.lines.empty() && item.lines.front().text.startsWith(QStringLiteral("น้ำยา")))
            wrapped = &item;
        if (!item.lines.empty() && item.lines.front().text == u"น้ำดื่ม")
            next = &item;
    }
    ASSERT_TRUE(wrapped && next);
    ASSERT_GE(wrapped->lines.size(), 3u);
    QString joined;
    const QFontMetricsF metrics(wrapped->font);
    for (const auto& line : wrapped->lines) {
        SCOPED_TRACE(line.text.toStdString());
        EXPECT_LE(metrics.horizontalAdvance(line.text) / kvr::report::kDotsPerMm, wrapped->box.width() + 0.5);
        // A break never separates a mark above or below from its letter.
        EXPECT_FALSE(line.text.front().category() == QChar::Mark_NonSpacing);
        joined += line.text;
    }
    EXPECT_EQ(joined, name);
    EXPECT_GE(next->lines.front().baseline.y(), wrapped->lines.back().baseline.y() + 2);
}

TEST_P(ReportEngine, pictures_and_the_suites_functions_give_what_the_utilities_give)
{
    kvr::products::QuantityTexts quantities(*dm);
    kvr::printing::DocumentFunctions functions(quantities);
    struct Case
    {
        QString expression;
        const char* picture;
        QString expected;
    };
    // The quantity functions' cases are their own; one shows they are reached from a layout.
    const Case cases[] = {
        {"1234567.891", ",0.00", kvr::util::FormatNumber(QStringLiteral(",0.00"), 1234567.891)},
        {"tell_real_thai(21.01, 2)", "", QStringLiteral("ยี่สิบเอ็ดบาทหนึ่งสตางค์")},
        {"Tell_Real_Thai2(12.05, 2)", "", kvr::util::ThaiDecimalText(2, 12.05)},
        {"TELL_REAL_ENG(120.5, 2)", "", kvr::util::EnglishBahtText(2, 120.5)},
        {"tell_real_eng2(12.05, 2)", "", kvr::util::EnglishDecimalText(2, 12.05)},
        {QStringLiteral("ONHANDQUANTITY(30, %1)").arg(box), "", quantities.OnhandQuantityText(box, 30)},
        {"FORMATFLOAT('#,##0.0', 1234.56)", "", QStringLiteral("1,234.6")},
        {"DocYear + 543", "", QStringLiteral("2569")},
    };
    QString text = QStringLiteral("kvr-layout 1\nband header 200\n");
    for (size_t i = 0; i < std::size(cases); ++i)
        text += QStringLiteral("  text 0 %1 190 5 picture=\"%2\" : [%3]\n")
                    .arg(i * 6)
                    .arg(QString::fromUtf8(cases[i].picture), cases[i].expression);
    text += QStringLiteral("end\n");
    report = std::make_unique<Report>(dm->DMdata());
    functions.registerOn(*report);
    report->loadFromFile(writeLayout(QStringLiteral("functions.kvl"), text));
    report->setVariable(QStringLiteral("DocYear"), 2026);
    ASSERT_TRUE(report->prepare());
    const auto& items = report->prepared().pages.at(0).items;
    ASSERT_EQ(items.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].expression.toStdString());
        ASSERT_EQ(items[i].lines.size(), 1u);
        EXPECT_EQ(items[i].lines[0].text.trimmed(), cases[i].expected.trimmed());
    }
    EXPECT_EQ(quantities.OnhandQuantityText(box, 30), QStringLiteral("2 แพ็ค 6 ขวด")) << "the case above is not empty";
}

TEST_P(ReportEngine, a_value_typed_as_sql_is_bound_not_pasted_into_the_statement)
{
    addBill(QStringLiteral("PP6900003"), 3);
    addBill(QStringLiteral("' OR 1=1 --"), 1);
    const QString layout = QString::fromUtf8(kLinesLayout).arg(80);
    for (const auto& [docNo, lines] :
         {std::pair{QStringLiteral("' OR 1=1 --"), 1}, {QStringLiteral("x' OR '1'='1"), 0}}) {
        SCOPED_TRACE(docNo.toStdString());
        Report& r = load(layout, docNo);
        ASSERT_TRUE(r.prepare());
        EXPECT_EQ(r.prepared().pageText(0).count(QStringLiteral("สินค้าบรรทัดที่")), lines);
    }
}

TEST_P(ReportEngine, a_layout_not_in_our_format_or_with_a_mistake_gets_a_message_naming_the_file_and_line)
{
    // Split: "\x02F" would read as one hex escape.
    QByteArray binary("\x00\x01\x02"
                      "FRF-binary",
                      13);
    // The file's name and content, and what the message must say.
    const std::tuple<const char*, QByteArray, const char*> cases[] = {
        {"old.frf", binary, "is not a page layout of this program: it is a binary file"},
        {"other.xml", "<?xml version=\"1.0\"?><report/>", "is not a page layout of this program: its first line"},
        {"empty.kvl", "", "is empty"},
        {"keyword.kvl", "kvr-layout 1\npage A4\nbandd header 10\n", "line 3: \"bandd\" is not a keyword"},
        {"number.kvl", "kvr-layout 1\nband header 10\n  text 0 zero 10 5 : x\nend\n",
         "line 3: \"zero\" is not a number"},
        {"end.kvl", "kvr-layout 1\ndata Lines\n  SELECT 1\n", "data set Lines has no \"end\""},
        {"script.kvl", "kvr-layout 1\nband header 10\n  text 0 0 10 5 : [1 +* 2]\nend\n",
         "line 3: the expression [1 +* 2] is not valid"},
        {"detail.kvl", "kvr-layout 1\nband detail Rows 5\nend\n", "data set Rows is not defined above the band"},
    };
    for (const auto& [name, content, expected] : cases) {
        SCOPED_TRACE(name);
        const QString path = writeLayout(QString::fromUtf8(name), QString::fromUtf8(content));
        Report r(dm->DMdata());
        const QString message = raisedMessage<ReportError>([&] { r.loadFromFile(path); });
        EXPECT_TRUE(message.contains(path)) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(expected))) << message.toStdString();
    }
    // Mistakes only running can show: a parameter without a variable, an expression that fails.
    Report r(dm->DMdata());
    r.loadFromFile(writeLayout(QStringLiteral("run.kvl"),
                               QStringLiteral("kvr-layout 1\ndata A\n  SELECT 1 AS One WHERE 1 = :Nothing\nend\n")));
    const QString message = raisedMessage<ReportError>([&] { r.prepare(); });
    EXPECT_TRUE(message.contains(QStringLiteral("asks for :Nothing"))) << message.toStdString();
    r.loadFromFile(
        writeLayout(QStringLiteral("fails.kvl"),
                    QStringLiteral("kvr-layout 1\nband header 9\n  text 0 0 9 9 : [Missing.Column]\nend\n")));
    EXPECT_THROW(r.prepare(), ReportError);
}

KVR_INSTANTIATE_BACKENDS(ReportEngine);

} // namespace
