// Preparing a 200-line document into pages and writing it as PDF, beside painting the same 200
// lines of text bare with QPainter into a PDF: what the report engine costs over the painting.
#include "data/Connection.h"
#include "data/Query.h"
#include "printing/report/PagePainter.h"
#include "printing/report/Report.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kLines = 200;

const char* const kLayout = R"(kvr-layout 1
page A4 portrait
margins 15 12 15 12
font Loma 10
data Lines
  SELECT No, Name, Quantity, Price, Total FROM BenchLines ORDER BY No
end
band pageheader 14
  text 0 0 180 8 center bold size=14 : ใบกำกับภาษี [DocNo]  หน้า [PAGE]
end
band detail Lines 6
  text 0 0 10 6 right : [Lines.No]
  text 12 0 110 6 : [Lines.Name]
  text 122 0 18 6 right picture="#,##0.##" : [Lines.Quantity]
  text 140 0 18 6 right picture=",0.00" : [Lines.Price]
  text 158 0 22 6 right picture=",0.00" : [Lines.Total]
end
band footer 10
  text 100 0 80 8 right bold : รวม [FORMATFLOAT(',0.00', SUM('Lines', 'Total'))]
end
)";

QString lineName(int n)
{
    return QStringLiteral("สินค้าทดสอบรายการที่ %1 น้ำดื่มตราสาธิต ขนาด 600 มล.").arg(n);
}

struct Shop
{
    Shop()
        : server(kvr::test::BackendKind::Sqlite)
    {
        server.createDatabase(QStringLiteral("BENCH"));
        connection = server.connection(QStringLiteral("BENCH"));
        connection->execDirect(QStringLiteral(
            "CREATE TABLE BenchLines (No INTEGER, Name VARCHAR(200), Quantity DECIMAL(19,4), Price DECIMAL(19,4), "
            "Total DECIMAL(19,4))"));
        for (int n = 1; n <= kLines; ++n) {
            kvr::data::Query insert(*connection,
                                    QStringLiteral("INSERT INTO BenchLines VALUES (:No, :Name, :Q, :P, :T)"));
            insert.setParam(QStringLiteral("No"), n);
            insert.setParam(QStringLiteral("Name"), lineName(n));
            insert.setParam(QStringLiteral("Q"), n % 7 + 1);
            insert.setParam(QStringLiteral("P"), 12.5);
            insert.setParam(QStringLiteral("T"), 12.5 * (n % 7 + 1));
            insert.execSql();
        }
        layoutPath = QDir(server.workingDirectory()).filePath(QStringLiteral("bench.kvl"));
        QFile file(layoutPath);
        file.open(QIODevice::WriteOnly);
        file.write(kLayout);
    }
    kvr::test::TestServer server;
    std::unique_ptr<kvr::data::Connection> connection;
    QString layoutPath;
};

Shop& shop()
{
    static Shop s;
    return s;
}

void BM_ReportPrepareAndPdf(benchmark::State& state)
{
    QTemporaryDir out;
    kvr::report::Report report(*shop().connection);
    int pages = 0;
    for (auto _ : state) {
        report.loadFromFile(shop().layoutPath);
        report.setVariable(QStringLiteral("DocNo"), QStringLiteral("TX6900001"));
        report.prepare();
        kvr::report::PagePainter::writePdf(report.prepared(), out.filePath(QStringLiteral("report.pdf")));
        pages = int(report.prepared().pages.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ReportPrepareAndPdf)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

// The same lines, fonts and page breaks, painted directly.
void BM_BarePainterPdf(benchmark::State& state)
{
    QTemporaryDir out;
    const double dotsPerMm = 1200 / 25.4;
    for (auto _ : state) {
        QPdfWriter writer(out.filePath(QStringLiteral("bare.pdf")));
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        QFont font(QStringLiteral("Loma"));
        font.setPixelSize(167);
        painter.setFont(font);
        double y = 26;
        for (int n = 1; n <= kLines; ++n) {
            if (y > 280) {
                writer.newPage();
                y = 26;
            }
            const double base = y * dotsPerMm + 140;
            painter.drawText(QPointF(15 * dotsPerMm, base), QString::number(n));
            painter.drawText(QPointF(27 * dotsPerMm, base), lineName(n));
            painter.drawText(QPointF(137 * dotsPerMm, base), QString::number(n % 7 + 1));
            painter.drawText(QPointF(155 * dotsPerMm, base), QStringLiteral("12.50"));
            painter.drawText(QPointF(173 * dotsPerMm, base), QString::number(12.5 * (n % 7 + 1), 'f', 2));
            y += 6;
        }
        painter.end();
    }
}
BENCHMARK(BM_BarePainterPdf)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    shop();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
