#include "printing/report/Layout.h"

#include <QRegularExpression>

namespace kvr::report {

QSizeF Layout::printableSize() const
{
    QSizeF page = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        page.transpose();
    return {page.width() - margins.left() - margins.right(), page.height() - margins.top() - margins.bottom()};
}

const Band* Layout::band(BandKind kind) const
{
    for (const Band& b : bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

const DataSetSpec* Layout::dataSet(const QString& name) const
{
    for (const DataSetSpec& d : dataSets) {
        if (d.name.compare(name, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

bool Layout::usesPageCount() const
{
    static const QRegularExpression pages(QStringLiteral("\\bPAGES\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const Expression& e : expressions) {
        if (pages.match(e.source).hasMatch())
            return true;
    }
    return false;
}

} // namespace kvr::report
