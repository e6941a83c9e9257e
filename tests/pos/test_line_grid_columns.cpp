#include "pos/LineGridColumns.h"

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

TEST(LineGridColumns, ReadOnlyRulesOnTheRow)
{
    const struct
    {
        const char* name;
        PosMode mode;
        LineRowFlags row;
        QStringList readOnly;
    } cases[] = {
        {"fresh line, price right", PosMode::Goods, LineRowFlags{false, "", "", true},
         QStringList{"PosName", "Serial", "DiscountAmt", "Total"}},
        {"header warehouse", PosMode::Goods, LineRowFlags{true, "", "", true},
         QStringList{"PosName", "WhCode", "Serial", "DiscountAmt", "Total"}},
        {"no lot control", PosMode::Goods, LineRowFlags{false, "N", "N", true},
         QStringList{"PosName", "LotNoCode", "Serial", "DiscountAmt", "Total"}},
        {"lot control 'n' is not 'N'", PosMode::Goods, LineRowFlags{false, "n", "N", true},
         QStringList{"PosName", "Serial", "DiscountAmt", "Total"}},
        {"serial line", PosMode::Goods, LineRowFlags{false, "Y", "Y", true},
         QStringList{"PosName", "Quantity", "DiscountAmt", "Total"}},
        {"no price right", PosMode::Goods, LineRowFlags{false, "Y", "N", false},
         QStringList{"PosName", "Serial", "Price", "DiscountAmt", "Total"}},
        {"service, serial flag", PosMode::Service, LineRowFlags{true, "N", "Y", false},
         QStringList{"PosName", "Quantity", "Price", "DiscountAmt", "Total"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto columns = LineGridColumns(c.mode, false, c.row);
        EXPECT_EQ(fieldsWhere(columns, [](const GridColumn& g) { return g.readOnly; }), c.readOnly);
        EXPECT_EQ(fieldsWhere(columns, [](const GridColumn& g) { return !g.visible; }), QStringList{"DiscountAmt"});
        for (const GridColumn& g : columns) {
            if (g.readOnly) {
                EXPECT_EQ(g.editor, CellEditor::None) << g.field.toStdString();
            }
        }
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
    }
    EXPECT_FALSE(screenForProgram(2).has_value()) << "the machine register";
}

} // namespace
