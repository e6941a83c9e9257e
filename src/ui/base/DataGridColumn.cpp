#include "ui/base/DataGridColumn.h"

namespace kvr::ui {

std::vector<DataGridColumn> parseColumnList(const QStringList& lines)
{
    std::vector<DataGridColumn> columns;
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        const QString field = parts.value(0).trimmed();
        if (field.isEmpty())
            continue;
        DataGridColumn column;
        column.field = field;
        bool ok = false;
        const int width = parts.value(1).trimmed().toInt(&ok);
        if (ok && width > 0)
            column.width = width;
        // Titles keep their blanks: the screens pad some of them on purpose.
        column.title = parts.size() > 2 ? parts.mid(2).join(QLatin1Char('\t')) : field;
        columns.push_back(std::move(column));
    }
    return columns;
}

QStringList columnListText(const std::vector<DataGridColumn>& columns)
{
    QStringList lines;
    for (const DataGridColumn& c : columns)
        lines << c.field + QLatin1Char('\t') + QString::number(c.width) + QLatin1Char('\t') + c.title;
    return lines;
}

} // namespace kvr::ui
