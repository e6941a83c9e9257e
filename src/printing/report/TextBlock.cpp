#include "printing/report/TextBlock.h"

#include <QTextLayout>
#include <cmath>

namespace kvr::report {

QFont TextBlock::fontFor(const TextStyle& style, const QString& defaultFamily, double defaultSize)
{
    QFont font(style.family.isEmpty() ? defaultFamily : style.family);
    const double points = style.pointSize > 0 ? style.pointSize : defaultSize;
    font.setPixelSize(std::max(1, int(std::lround(points * kDotsPerInch / 72.0))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    // The same glyph widths on every device: what was measured is what gets drawn.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

TextBlock TextBlock::layout(const QString& text, const QFont& font, const QRectF& box, Qt::Alignment alignment,
                            bool wrap)
{
    TextBlock block;
    QString body = text;
    body.replace(QLatin1String("\r\n"), QStringLiteral("\n"));
    body.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(body, font);
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::ManualWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    const double width = box.width() * kDotsPerMm;

    struct Measured
    {
        QString text;
        double width;
        double ascent;
        double height;
    };
    std::vector<Measured> measured;
    double total = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? width : 1e9);
        QString part = body.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        measured.push_back({part, line.naturalTextWidth(), line.ascent(), line.height()});
        total += line.height();
    }
    layout.endLayout();

    block.height = total / kDotsPerMm;
    double y = 0;
    const double spare = box.height() * kDotsPerMm - total;
    if (spare > 0 && (alignment & Qt::AlignVCenter))
        y = spare / 2;
    else if (spare > 0 && (alignment & Qt::AlignBottom))
        y = spare;
    for (const Measured& m : measured) {
        double x = 0;
        if (alignment & Qt::AlignHCenter)
            x = (width - m.width) / 2;
        else if (alignment & Qt::AlignRight)
            x = width - m.width;
        block.lines.push_back({QPointF(x / kDotsPerMm, (y + m.ascent) / kDotsPerMm), m.text});
        y += m.height;
    }
    return block;
}

} // namespace kvr::report
