#include "pos/LineGridColumns.h"

#include "pos/PosColumns.h"
#include "util/Flags.h"

namespace kvr::pos {

namespace {

const QString kMoneyDisplay = QStringLiteral("#,##0.00");
const QString kMoneyEdit = QStringLiteral("###0.00");

GridColumn column(const QString& field, int width, const QString& title, bool readOnly, CellEditor editor)
{
    GridColumn c;
    c.field = field;
    c.width = width;
    c.title = title;
    c.readOnly = readOnly;
    c.editor = readOnly ? CellEditor::None : editor;
    return c;
}

QString pick(bool thai, const char* thaiTitle, const char* englishTitle)
{
    return QString::fromUtf8(thai ? thaiTitle : englishTitle);
}

} // namespace

std::vector<GridColumn> LineGridColumns(PosMode mode, bool thai, const LineRowFlags& row)
{
    const bool goods = modeHasStock(mode);
    const int narrow = goods ? 8 : 10;
    std::vector<GridColumn> columns;
    columns.push_back(column(dt::ProductCode, goods ? 15 : 25, pick(thai, "รหัสสินค้า(BarCode)", "Product(BarCode)"),
                             false, CellEditor::ProductCode));
    GridColumn name =
        column(nameFieldOf(mode), goods ? 30 : 41, pick(thai, "ชื่อสินค้า", "Description"), true, CellEditor::None);
    columns.push_back(name);
    if (goods) {
        columns.push_back(
            column(dt::WhCode, 10, pick(thai, "คลังสินค้า", "WH"), row.headerHasWarehouse, CellEditor::WhCode));
        columns.push_back(column(dt::LotNoCode, 8, QStringLiteral("Lot No."),
                                 row.lotControl.trimmed() == util::flagText(false), CellEditor::LotNoCode));
        columns.push_back(
            column(dt::Serial, 10, QStringLiteral("Serial No."), !util::isFlagSet(row.useSerial), CellEditor::Serial));
    }
    columns.push_back(column(dt::Quantity, narrow, pick(thai, "จำนวน", "Qnty"), util::isFlagSet(row.useSerial),
                             CellEditor::Quantity));
    columns.push_back(column(dt::UnitName, 10, pick(thai, "หน่วยนับ", "Unit"), false, CellEditor::UnitName));
    GridColumn price = column(dt::Price, narrow, pick(thai, "ราคา", "Price"), !row.editSalePrice, CellEditor::Price);
    price.displayFormat = kMoneyDisplay;
    price.editFormat = kMoneyEdit;
    columns.push_back(price);
    columns.push_back(column(dt::Discount, narrow, pick(thai, "ส่วนลด", "Discount"), false, CellEditor::GetDisc));
    GridColumn discountAmt =
        column(dt::DiscountAmt, narrow, pick(thai, "ลด(บาท)", "Disc(Baht)"), true, CellEditor::None);
    discountAmt.visible = false;
    columns.push_back(discountAmt);
    GridColumn total = column(dt::Total, narrow, pick(thai, "รวม", "Total"), true, CellEditor::None);
    total.displayFormat = kMoneyDisplay;
    total.editFormat = kMoneyEdit;
    columns.push_back(total);
    return columns;
}

} // namespace kvr::pos
