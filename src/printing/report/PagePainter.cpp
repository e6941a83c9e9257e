#include "printing/report/PagePainter.h"

#include "printing/report/PdfText.h"
#include "printing/report/ReportError.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace kvr::report {

namespace {

QRectF dots(const QRectF& mm)
{
    return {mm.x() * kDotsPerMm, mm.y() * kDotsPerMm, mm.width() * kDotsPerMm, mm.height() * kDotsPerMm};
}

QPen penOf(double widthMm, const QColor& colour = Qt::black)
{
    QPen pen(colour);
    pen.setWidthF(std::max(widthMm, 0.05) * kDotsPerMm);
    return pen;
}

void paintText(QPainter& painter, const PreparedItem& item)
{
    if (item.fill)
        painter.fillRect(dots(item.box), *item.fill);
    if (item.border) {
        painter.setPen(penOf(item.penWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(dots(item.box));
    }
    painter.setFont(item.font);
    painter.setPen(item.color);
    // Text that does not wrap stays inside its column; marks above and below the letters keep
    // the room they need.
    const QRectF box = dots(item.box);
    painter.save();
    painter.setClipRect(QRectF(box.left(), box.top() - box.height(), box.width(), box.height() * 3));
    for (const PreparedLine& line : item.lines)
        painter.drawText(QPointF(line.baseline.x() * kDotsPerMm, line.baseline.y() * kDotsPerMm), line.text);
    painter.restore();
}

void paintPicture(QPainter& painter, const PreparedItem& item)
{
    const QImage image(item.pictureFile);
    if (image.isNull())
        throw ReportError(QStringLiteral("The picture %1 cannot be read").arg(item.pictureFile));
    const QRectF box = dots(item.box);
    const QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(box.topLeft(), size), image);
}

} // namespace

void PagePainter::paintPage(QPainter& painter, const PreparedReport& report, int page)
{
    painter.save();
    const double scale = painter.device()->logicalDpiX() / kDotsPerInch;
    painter.scale(scale, painter.device()->logicalDpiY() / kDotsPerInch);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PreparedItem& item : report.pages.at(size_t(page)).items) {
        switch (item.kind) {
        case ObjectKind::Text:
            paintText(painter, item);
            break;
        case ObjectKind::Line:
            painter.setPen(penOf(item.penWidth));
            painter.drawLine(dots(item.box).topLeft(), dots(item.box).bottomRight());
            break;
        case ObjectKind::Rect:
            painter.setPen(penOf(item.penWidth));
            painter.setBrush(item.fill ? QBrush(*item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(dots(item.box));
            break;
        case ObjectKind::Picture:
            paintPicture(painter, item);
            break;
        }
    }
    painter.restore();
}

bool PagePainter::paintAll(QPagedPaintDevice& device, const PreparedReport& report, int copies)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    bool first = true;
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        for (int page = 0; page < int(report.pages.size()); ++page) {
            if (!first && !device.newPage())
                return false;
            first = false;
            paintPage(painter, report, page);
        }
    }
    return painter.end();
}

void PagePainter::writePdf(const PreparedReport& report, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(int(kDotsPerInch));
    writer.setTitle(report.title);
    writer.setCreator(QCoreApplication::applicationName());
    QPageLayout layout = report.pageLayout;
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    writer.setPageLayout(layout);
    if (!paintAll(writer, report))
        throw ReportError(QStringLiteral("The PDF file %1 cannot be written").arg(QFileInfo(path).absoluteFilePath()));
    buffer.close();

    // Readers and searches of the file must find the Thai letters the pages show.
    std::vector<QFont> fonts;
    for (const PreparedPage& page : report.pages) {
        for (const PreparedItem& item : page.items) {
            if (!item.lines.empty() && std::find(fonts.begin(), fonts.end(), item.font) == fonts.end())
                fonts.push_back(item.font);
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(PdfText::withThaiText(bytes, PdfText::thaiForms(fonts))) != bytes.size() || !file.flush())
        throw ReportError(QStringLiteral("The PDF file %1 cannot be written: %2")
                              .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
}

} // namespace kvr::report
