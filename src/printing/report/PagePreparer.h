#pragma once

#include "printing/report/Layout.h"
#include "printing/report/PreparedReport.h"
#include "printing/report/ReportData.h"

namespace kvr::report {

class ReportScript;

// Lays the bands of a layout out into pages: the page header at the top of every page, the
// document header once, the detail band once per row of its data set (with the detail header
// above the rows of each page), the document footer once after the last row, kept whole on one
// page, and the page footer at the foot of every page. A band grows to fit its wrapped text.
class PagePreparer
{
public:
    PagePreparer(const Layout& layout, ReportScript& script, const std::vector<DataTable>& tables);

    // `pageCount` is what PAGES reads (0 while unknown).
    PreparedReport prepare(int pageCount);

private:
    struct RenderedBand
    {
        double height = 0;
        std::vector<PreparedItem> items; // relative to the band's top left
    };

    RenderedBand render(const Band& band);
    PreparedItem renderObject(const LayoutObject& object, double& bottom);
    QString evaluateText(const LayoutObject& object);
    void setRow(const DataTable& table, int row);
    void startPage();
    void finishPage();
    void place(const RenderedBand& band);
    double spaceLeft() const;

    const Layout& m_layout;
    ReportScript& m_script;
    const std::vector<DataTable>& m_tables;
    QSizeF m_area;
    PreparedReport m_report;
    double m_cursor = 0;
    double m_pageTop = 0; // where the rows of the current page begin
    int m_pageCount = 0;
};

} // namespace kvr::report
