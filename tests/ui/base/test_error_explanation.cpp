#include "ui/base/ErrorExplanation.h"
#include "util/QStringPrinter.h"

#include <gtest/gtest.h>

using kvr::ui::ErrorExplanation;

namespace {

struct Case
{
    const char* message;
    const char* explanation;
};

// Each known message as the server or the platform raises it, in table order.
const Case kKnownMessages[] = {
    {"'31/02/2024' is not a valid date", "ป้อนวันที่ไม่ถูกต้อง"},
    {"Cannot insert the value NULL into column 'Transportation', table 'SHOP.dbo.SoHd'", "ไม่ได้ป้อนข้อมูลการขนส่ง"},
    {"Cannot insert the value NULL into column 'Price', table 'SHOP.dbo.PosDt'", "กำหนดราคาไม่ครบถ้วน"},
    {"Cannot insert the value NULL into column 'Warehouse', table 'SHOP.dbo.PosHd'", "ไม่ได้ป้อนข้อมูลคลัง"},
    {"Cannot insert the value NULL into column 'Customer', table 'SHOP.dbo.PosHd'; column does not allow nulls. "
     "INSERT fails.",
     "ไม่ได้ป้อนข้อมูลลูกค้า"},
    {"Cannot insert the value NULL into column 'Vendor', table 'SHOP.dbo.PoHd'", "ไม่ได้ป้อนข้อมูลเจ้าหนี้"},
    {"Cannot insert the value NULL into column 'Fraction', table 'SHOP.dbo.PosDt'",
     "ไม่ได้ป้อนข้อมูลหน่วย หรือ ข้อมูลหน่วยผิดพลาด"},
    {"Cannot insert the value NULL into column 'Salesman', table 'SHOP.dbo.PosHd'", "ไม่ได้ป้อนข้อมูลพนักงานขาย"},
    {"[DBNETLIB] General network error. Possible network error.",
     "ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"},
    {"DELETE statement conflicted with COLUMN REFERENCE constraint 'FK_PosDt_Product'",
     "ข้อมูลที่ลบถูกอ้างโดยข้อมูลอื่น ไม่สามารถลบข้อมูลนี้ได้"},
    {"Printer selected is not valid", "ยังไม่ได้กำหนดเครื่องพิมพ์ หรือ เครื่องพิมพ์มีปัญหา"},
    {"Insufficient memory for this operation", "Memory หน่วยความจำของเครื่องไม่เพียงพอ"},
    {"SQL Server connection timed out", "เครื่องแม่ข่ายตัดการติดต่อ เพราะเครื่องนี้อาจเรียกข้อมูลปริมาณมากเกินไป"},
    {"Cannot insert duplicate key row in object 'dbo.Product' with unique index 'IX_Product_Code'",
     "ข้อมูลที่เพิ่มซ้ำกับข้อมูลที่มีอยู่แล้ว"},
};

QString mixCase(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = i % 2 ? out[i].toUpper() : out[i].toLower();
    return out;
}

class KnownMessage : public ::testing::TestWithParam<Case>
{ };

TEST_P(KnownMessage, is_explained_in_thai_whatever_its_case)
{
    const QString message = QString::fromUtf8(GetParam().message);
    const QString expected = QString::fromUtf8(GetParam().explanation);
    EXPECT_EQ(ErrorExplanation::explain(message), expected);
    EXPECT_EQ(ErrorExplanation::explain(message.toUpper()), expected);
    EXPECT_EQ(ErrorExplanation::explain(message.toLower()), expected);
    EXPECT_EQ(ErrorExplanation::explain(mixCase(message)), expected);
}

TEST_P(KnownMessage, shows_the_explanation_above_the_message_in_capitals)
{
    const QString message = QString::fromUtf8(GetParam().message);
    EXPECT_EQ(ErrorExplanation::dialogText(message),
              QString::fromUtf8(GetParam().explanation) + QLatin1Char('\n') + message.toUpper() + QLatin1Char('\n'));
}

INSTANTIATE_TEST_SUITE_P(TranslationTable, KnownMessage, ::testing::ValuesIn(kKnownMessages));

TEST(ErrorExplanation, message_matching_several_patterns_takes_the_first_in_table_order)
{
    // Patterns 5 and 14 both occur; 5 comes first in the table although 14 comes first in the text.
    EXPECT_EQ(ErrorExplanation::explain(QStringLiteral("Cannot insert duplicate row; also Cannot insert the value "
                                                       "NULL into column 'Customer'")),
              QStringLiteral("ไม่ได้ป้อนข้อมูลลูกค้า"));
    // Patterns 9 and 13: network before time-out.
    EXPECT_EQ(ErrorExplanation::explain(QStringLiteral("SQL Server connection timed out. Possible network error.")),
              QStringLiteral("ระบบเครือข่าย หรือ คอมพิวเตอร์แม่ข่ายมีปัญหา ติดต่อเครื่องแม่ข่ายไม่ได้"));
}

TEST(ErrorExplanation, near_misses_are_not_explained)
{
    // The quotes belong to the patterns: a column whose name only starts the same is not explained.
    for (const char* message :
         {"Cannot insert the value NULL into column 'CustomerId'", "Cannot insert the value NULL into column Customer",
          "is not a valid time", "Cannot insert duplicat", "network error"}) {
        SCOPED_TRACE(message);
        EXPECT_TRUE(ErrorExplanation::explain(QString::fromUtf8(message)).isEmpty());
    }
}

TEST(ErrorExplanation, unknown_message_is_shown_alone_after_an_empty_line)
{
    const QString message = QStringLiteral("Division by zero in ค่าคอมมิชชั่น");
    EXPECT_EQ(ErrorExplanation::dialogText(message), QStringLiteral("\nDIVISION BY ZERO IN ค่าคอมมิชชั่น\n"));
}

} // namespace
