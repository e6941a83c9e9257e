#include "pos/LineGridColumns.h"
#include "util/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvr::pos;

namespace {

QStringList fieldsWhere(const std::vector<GridColumn>& columns, bool (*keep)(const GridColumn&))
{
    QStringList out;
    for (const GridColumn& c : columns) {
        if (keep(c))
            out << c.field;
    }
    return out;
}

TEST(LineGridColumns, LayoutPerMode)
{
    const struct
    {
        PosMode mode;
        QStringList columnList;
    } cases[] = {
        {PosMode::Goods,
         {"ProductCode\t15\tProduct(BarCode)", "PosName\t30\tDescription", "WhCode\t10\tWH", "LotNoCode\t8\tLot No.",
          "Serial\t10\tSerial No.", "Quantity\t8\tQnty", "UnitName\t10\tUnit", "Price\t8\tPrice",
          "Discount\t8\tDiscount", "DiscountAmt\t8\tDisc(Baht)", "Total\t8\tTotal"}},
        {PosMode::Service,
         {"ProductCode\t25\tProduct(BarCode)", "PosName\t41\tDescription", "Quantity\t10\tQnty", "UnitName\t10\tUnit",
          "Price\t10\tPrice", "Discount\t10\tDiscount", "DiscountAmt\t10\tDisc(Baht)", "Total\t10\tTotal"}},
        {PosMode::Misc,
         {"ProductCode\t25\tProduct(BarCode)", "ThaiName\t41\tDescription", "Quantity\t10\tQnty", "UnitName\t10\tUnit",
          "Price\t10\tPrice", "Discount\t10\tDiscount", "DiscountAmt\t10\tDisc(Baht)", "Total\t10\tTotal"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(posTypeLetter(c.mode).toStdString());
        const auto columns = LineGridColumns(c.mode, false, LineRowFlags{});
        EXPECT_EQ(columnListText(columns), c.columnList);
        EXPECT_EQ(fieldsWhere(columns, [](const GridColumn& g) { return !g.visible; }), QStringList{"DiscountAmt"});
    }
}

TEST(LineGridColumns, ThaiTitles)
{
    const auto columns = LineGridColumns(PosMode::Goods, true, LineRowFlags{});
    QStringList titles;
    for (const GridColumn& c : columns)
        titles << c.title;
    EXPECT_EQ(titles,
              (QStringList{"รหัสสินค้า(BarCode)", "ชื่อสินค้า", "คลังสินค้า", "Lot No.", "Serial No.", "จำนวน", "หน่วยนับ", "ราคา",
                           "ส่วนลด", "ลด(บาท)", "รวม"}));
}

TEST(LineGridColumns, ReadOnlyRulesOnTheRow)
{
    const struct
    {
        const char* name;
        PosMode mode;
        LineRowFlags row;
        QStringList readOnly;
    } cases[] = {
        {"fresh line, price right",
         PosMode::Goods,
         {false, "", "", true},
         {"PosName", "Serial", "DiscountAmt", "Total"}},
        {"header warehouse",
         PosMode::Goods,
         {true, "", "", true},
         {"PosName", "WhCode", "Serial", "DiscountAmt", "Total"}},
        {"no lot control",
         PosMode::Goods,
         {false, "N", "N", true},
         {"PosName", "LotNoCode", "Serial", "DiscountAmt", "Total"}},
        {"lot control 'n' is not 'N'",
         PosMode::Goods,
         {false, "n", "N", true},
         {"PosName", "Serial", "DiscountAmt", "Total"}},
        {"serial line", PosMode::Goods, {false, "Y", "Y", true}, {"PosName", "Quantity", "DiscountAmt", "Total"}},
        {"no price right",
         PosMode::Goods,
         {false, "Y", "N", false},
         {"PosName", "Serial", "Price", "DiscountAmt", "Total"}},
        {"service, serial flag",
         PosMode::Service,
         {true, "N", "Y", false},
         {"PosName", "Quantity", "Price", "DiscountAmt", "Total"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto columns = LineGridColumns(c.mode, false, c.row);
        EXPECT_EQ(fieldsWhere(columns, [](const GridColumn& g) { return g.readOnly; }), c.readOnly);
        for (const GridColumn& g : columns) {
            if (g.readOnly) {
                EXPECT_EQ(g.editor, CellEditor::None) << g.field.toStdString();
            }
        }
    }
}

TEST(LineGridColumns, EditorsAndMoneyFormats)
{
    const auto columns = LineGridColumns(PosMode::Goods, false, LineRowFlags{false, "Y", "Y", true});
    const auto find = [&](const char* field) {
        return *std::find_if(columns.begin(), columns.end(), [&](const GridColumn& g) { return g.field == field; });
    };
    EXPECT_EQ(find("ProductCode").editor, CellEditor::ProductCode);
    EXPECT_EQ(find("WhCode").editor, CellEditor::WhCode);
    EXPECT_EQ(find("LotNoCode").editor, CellEditor::LotNoCode);
    EXPECT_EQ(find("Serial").editor, CellEditor::Serial);
    EXPECT_EQ(find("UnitName").editor, CellEditor::UnitName);
    EXPECT_EQ(find("Discount").editor, CellEditor::GetDisc);
    EXPECT_EQ(find("Price").editor, CellEditor::Price) << "a user with the right types the price in the cell";
    EXPECT_FALSE(find("Price").readOnly);
    for (const char* money : {"Price", "Total"}) {
        EXPECT_EQ(find(money).displayFormat, QStringLiteral("#,##0.00"));
        EXPECT_EQ(find(money).editFormat, QStringLiteral("###0.00"));
    }
}

TEST(PosScreenForProgram, ModesOfTheMenuPrograms)
{
    const struct
    {
        int program;
        PosMode mode;
        bool allowZeroPrice;
    } cases[] = {{1, PosMode::Goods, true},
                 {22, PosMode::Goods, false},
                 {11, PosMode::Service, false},
                 {21, PosMode::Misc, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const auto kind = screenForProgram(c.program);
        ASSERT_TRUE(kind.has_value());
        EXPECT_EQ(kind->mode, c.mode);
        EXPECT_EQ(kind->allowZeroPrice, c.allowZeroPrice);
        EXPECT_EQ(documentCodeOf(c.mode), QStringLiteral("POS-") + posTypeLetter(c.mode));
    }
    EXPECT_FALSE(screenForProgram(2).has_value());
}

} // namespace
