#pragma once

#include "pos/PosMode.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kvr::pos {

// The in-cell editor of a line grid column; a read-only column has none.
enum class CellEditor { None, ProductCode, WhCode, LotNoCode, UnitName, Serial, Quantity, Price, GetDisc };

// One column of the sale screen's line grid, as the grid widget consumes it.
struct GridColumn
{
    QString field;
    int width = 0; // in characters
    QString title;
    bool readOnly = false;
    CellEditor editor = CellEditor::None;
    bool visible = true;
    QString displayFormat; // number picture, empty for text
    QString editFormat;
};

// What the read-only rules look at: the current line, the header and the user.
struct LineRowFlags
{
    bool headerHasWarehouse = false; // header Warehouse > 0
    QString lotControl; // the line's LotControl
    QString useSerial; // the line's UseSerial
    bool editSalePrice = false; // the user's right to type prices
};

// The columns of the line grid for a mode and language, with the read-only rules evaluated on
// one row. DiscountAmt is listed but invisible.
std::vector<GridColumn> LineGridColumns(PosMode mode, bool thai, const LineRowFlags& row);

} // namespace kvr::pos
