#include "printing/report/PreparedReport.h"

#include <algorithm>

namespace kvr::report {

QString PreparedReport::pageText(int page) const
{
    std::vector<const PreparedLine*> lines;
    for (const PreparedItem& item : pages.at(size_t(page)).items) {
        for (const PreparedLine& line : item.lines)
            lines.push_back(&line);
    }
    // Top to bottom, then left to right, as a reader (or pdftotext) takes them.
    std::stable_sort(lines.begin(), lines.end(), [](const PreparedLine* a, const PreparedLine* b) {
        if (std::abs(a->baseline.y() - b->baseline.y()) > 0.5)
            return a->baseline.y() < b->baseline.y();
        return a->baseline.x() < b->baseline.x();
    });
    QStringList out;
    for (const PreparedLine* line : lines)
        out << line->text;
    return out.join(u'\n');
}

} // namespace kvr::report
