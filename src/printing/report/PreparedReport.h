#pragma once

#include "printing/report/Layout.h"

#include <QFont>
#include <QPageLayout>
#include <QPointF>
#include <vector>

namespace kvr::report {

// Layout units: dots of 1/1200 inch, the resolution text is measured and broken into lines at.
// Painting scales them to the device, so every device shows the same lines.
constexpr double kDotsPerInch = 1200.0;
constexpr double kDotsPerMm = kDotsPerInch / 25.4;

// One line of text, ready to draw: its baseline start and its characters.
struct PreparedLine
{
    QPointF baseline; // mm on the page
    QString text;
};

// One object placed on a page, with everything evaluated.
struct PreparedItem
{
    ObjectKind kind = ObjectKind::Text;
    QRectF box; // mm on the page; a line runs from topLeft to bottomRight
    double penWidth = 0.2;
    std::optional<QColor> fill;
    bool border = false;
    QFont font; // pixel size in dots
    QColor color = Qt::black;
    bool underline = false;
    std::vector<PreparedLine> lines;
    QString pictureFile;
};

struct PreparedPage
{
    std::vector<PreparedItem> items;
};

// The pages of a document laid out once; painting them any number of times gives the same pages.
struct PreparedReport
{
    QString title;
    QPageLayout pageLayout;
    std::vector<PreparedPage> pages;

    // All text of a page in reading order, for tests and searches.
    QString pageText(int page) const;
};

} // namespace kvr::report
