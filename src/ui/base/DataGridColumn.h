#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kvr::ui {

// The control a grid cell is edited with; a column without one is never edited in place.
enum class CellEditorKind { None, Edit, SearchEdit, DropDown };

// One entry of a drop-down cell: the code that goes into the cell and the name beside it.
struct CellChoice
{
    QString code;
    QString name;
};

// One column of a DataGrid: the dataset field it shows, its width in characters and title, and
// how it is edited.
struct DataGridColumn
{
    QString field;
    int width = 10; // characters
    QString title;
    bool readOnly = false;
    // Asked for each row on top of readOnly: true makes that row's cell read-only.
    std::function<bool(int row)> readOnlyRule;
    CellEditorKind editor = CellEditorKind::Edit;
    bool visible = true;
    bool upperCase = false;
    // A number picture ("#,##0.00") or, when it holds 'd' or 'y', a date pattern ("dd/MM/yyyy");
    // empty shows the value as read.
    QString displayFormat;
    // The entries of a DropDown cell, asked each time its editor opens.
    std::function<std::vector<CellChoice>()> choices;
};

// The column list as the screens write it: one "field<TAB>width<TAB>title" line per column. A
// line without a width keeps the default; blank lines are skipped.
std::vector<DataGridColumn> parseColumnList(const QStringList& lines);
QStringList columnListText(const std::vector<DataGridColumn>& columns);

} // namespace kvr::ui
