#include "printing/report/PagePreparer.h"

#include "printing/report/ReportScript.h"
#include "printing/report/TextBlock.h"
#include "printing/report/ValueText.h"

namespace kvr::report {

PagePreparer::PagePreparer(const Layout& layout, ReportScript& script, const std::vector<DataTable>& tables)
    : m_layout(layout)
    , m_script(script)
    , m_tables(tables)
    , m_area(layout.printableSize())
{ }

void PagePreparer::setRow(const DataTable& table, int row)
{
    static const QVector<QVariant> kNoRow;
    m_script.setRow(table.name, table.columns, row < int(table.rows.size()) ? table.rows.at(size_t(row)) : kNoRow);
}

QString PagePreparer::evaluateText(const LayoutObject& object)
{
    QString text;
    for (const TextPart& part : object.parts)
        text += part.isExpression ? valueText(m_script.evaluate(part.expression), object.style.picture) : part.text;
    return text;
}

PreparedItem PagePreparer::renderObject(const LayoutObject& object, double& bottom)
{
    PreparedItem item;
    item.kind = object.kind;
    item.box = object.box;
    item.penWidth = object.penWidth;
    item.fill = object.fill;
    item.border = object.style.border;
    item.pictureFile = object.pictureFile;
    if (object.kind == ObjectKind::Text) {
        item.font = TextBlock::fontFor(object.style, m_layout.fontFamily, m_layout.fontSize);
        item.color = object.style.color;
        const TextBlock block =
            TextBlock::layout(evaluateText(object), item.font, object.box, object.style.alignment, object.style.wrap);
        // Wrapped text makes its box, and so its band, as tall as the lines need.
        if (object.style.wrap && block.height > item.box.height())
            item.box.setHeight(block.height);
        for (const PreparedLine& line : block.lines)
            item.lines.push_back({line.baseline + object.box.topLeft(), line.text});
    }
    bottom = std::max(
        bottom, object.kind == ObjectKind::Line ? std::max(item.box.top(), item.box.bottom()) : item.box.bottom());
    return item;
}

PagePreparer::RenderedBand PagePreparer::render(const Band& band)
{
    RenderedBand out;
    out.height = band.height;
    for (const LayoutObject& object : band.objects)
        out.items.push_back(renderObject(object, out.height));
    return out;
}

double PagePreparer::spaceLeft() const
{
    const Band* footer = m_layout.band(BandKind::PageFooter);
    return m_area.height() - (footer ? footer->height : 0) - m_cursor;
}

void PagePreparer::place(const RenderedBand& band)
{
    const QPointF offset(m_layout.margins.left(), m_layout.margins.top() + m_cursor);
    PreparedPage& page = m_report.pages.back();
    for (PreparedItem item : band.items) {
        item.box.translate(offset);
        for (PreparedLine& line : item.lines)
            line.baseline += offset;
        page.items.push_back(std::move(item));
    }
    m_cursor += band.height;
}

void PagePreparer::startPage()
{
    m_report.pages.emplace_back();
    m_cursor = 0;
    m_script.setValue(QStringLiteral("PAGE"), int(m_report.pages.size()));
    if (const Band* header = m_layout.band(BandKind::PageHeader))
        place(render(*header));
    m_pageTop = m_cursor;
}

void PagePreparer::finishPage()
{
    if (const Band* footer = m_layout.band(BandKind::PageFooter)) {
        m_cursor = m_area.height() - footer->height;
        place(render(*footer));
    }
}

PreparedReport PagePreparer::prepare(int pageCount)
{
    m_report = PreparedReport();
    m_pageCount = pageCount;
    m_report.pageLayout =
        QPageLayout(m_layout.pageSize, m_layout.orientation, m_layout.margins, QPageLayout::Millimeter);
    m_script.setValue(QStringLiteral("PAGES"), pageCount);
    m_script.setValue(QStringLiteral("LINE"), 0);
    for (const DataTable& table : m_tables)
        setRow(table, 0);

    startPage();
    if (const Band* header = m_layout.band(BandKind::Header))
        place(render(*header));

    const Band* detail = m_layout.band(BandKind::Detail);
    const Band* detailHeader = m_layout.band(BandKind::DetailHeader);
    const DataTable* rows = nullptr;
    if (detail) {
        for (const DataTable& table : m_tables) {
            if (table.name.compare(detail->dataSet, Qt::CaseInsensitive) == 0)
                rows = &table;
        }
    }
    if (rows && !rows->rows.empty()) {
        if (detailHeader)
            place(render(*detailHeader));
        for (int row = 0; row < int(rows->rows.size()); ++row) {
            setRow(*rows, row);
            m_script.setValue(QStringLiteral("LINE"), row + 1);
            const RenderedBand band = render(*detail);
            // A row too tall for an empty page is placed all the same rather than never.
            if (band.height > spaceLeft() && m_cursor > m_pageTop) {
                finishPage();
                startPage();
                if (detailHeader)
                    place(render(*detailHeader));
                m_pageTop = m_cursor;
            }
            place(band);
        }
    }
    if (const Band* footer = m_layout.band(BandKind::Footer)) {
        const RenderedBand band = render(*footer);
        if (band.height > spaceLeft()) {
            finishPage();
            startPage();
        }
        place(band);
    }
    finishPage();
    return std::move(m_report);
}

} // namespace kvr::report
