#include "printing/ReceiptPreview.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace kvr::printing {

namespace {

constexpr int kMargin = 24;
constexpr QChar kSaraAm(0x0E33);

QFont CellFont(const PreviewStyle& style, const PreviewCell& cell)
{
    QFont font(style.fontFamily);
    font.setPixelSize(style.pixelSize);
    font.setStyleHint(QFont::Monospace);
    font.setBold(cell.bold);
    font.setItalic(cell.italic);
    font.setUnderline(cell.underline);
    return font;
}

} // namespace

QImage ReceiptPreview::image(const PreviewStyle& style) const
{
    const QFont plain = CellFont(style, {});
    const QFontMetrics metrics(plain);
    const int cellWidth = std::max(metrics.horizontalAdvance(QLatin1Char('M')), 1);
    // Room above and below the letters for the marks of Thai text.
    const int lineHeight = style.pixelSize * 2;
    int columns = style.columns;
    for (const PreviewLine& line : m_lines)
        columns = std::max(columns, int(line.cells.size()));

    QImage image(columns * cellWidth + 2 * kMargin, int(m_lines.size()) * lineHeight + 2 * kMargin,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    // The printable width of the paper.
    painter.drawRect(kMargin / 2, 0, style.columns * cellWidth + kMargin, image.height() - 1);

    int top = kMargin;
    for (const PreviewLine& line : m_lines) {
        if (line.cut) {
            QPen pen(QColor(0x80, 0x80, 0x80));
            pen.setStyle(Qt::DashLine);
            painter.setPen(pen);
            painter.drawLine(0, top + lineHeight / 2, image.width(), top + lineHeight / 2);
        } else {
            painter.setPen(Qt::black);
            const int baseline = top + (lineHeight + metrics.ascent() - metrics.descent()) / 2;
            for (std::size_t i = 0; i < line.cells.size(); ++i) {
                const PreviewCell& cell = line.cells[i];
                const double x = kMargin + double(i) * cellWidth;
                QString text = cell.text;
                // Sara am takes a column of its own, but its nikhahit sits over the letter before
                // (under that letter's tone mark): drawn together, the font places it so.
                if (i + 1 < line.cells.size() && line.cells[i + 1].text.startsWith(kSaraAm))
                    text += line.cells[++i].text;
                painter.setFont(CellFont(style, cell));
                painter.drawText(QPointF(x, baseline), text);
            }
        }
        top += lineHeight;
    }
    return image;
}

} // namespace kvr::printing
