#include "SaleFixture.h"

namespace kvr::test {
namespace {

using namespace pos_shop;

class PosLines : public SaleFixture
{
};

TEST_P(PosLines, SerialCellRefusesUnknownSoldAndAlreadyEnteredPieces)
{
    exec(QStringLiteral("INSERT INTO SerialNo (Product, Serial, OnHand) VALUES (1, 'SN-1', 'Y'), (1, 'SN-2', 'N'), "
                        "(1, 'SN-3', 'Y')"));
    pos::TFrPos& screen = billWith({{water, 1, 100, mainWh, QStringLiteral("SN-1")},
                                    {water, 1, 100, mainWh, QStringLiteral("x")}});
    data::CachedDataset& dt = screen.QDt();
    dt.setRecNo(0);
    screen.SerialExit();
    ASSERT_GT(dt.field(QStringLiteral("SerialNo")).asInteger(), 0);

    struct
    {
        const char* typed;
        const char* message; // empty: accepted
        bool kept;           // the cell keeps the text
    } const cases[] = {
        {"SN-9", "ไม่พบ Serial SN-9", true},
        {"SN-2", "Serial SN-2 ถูกตัดไปแล้ว", true},
        {"SN-1", "Serial SN-1 ถูกป้อนในรายการที่ 1 ของบิลนี้แล้ว", false},
        {"SN-3", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dt.setRecNo(1);
        dt.setValue(QStringLiteral("SerialNo"), QVariant());
        dt.setValue(QStringLiteral("Serial"), QString::fromLatin1(c.typed));
        const bool accepted = c.message[0] == '\0';
        if (!accepted)
            prompter.expectInformation();
        const size_t before = prompter.asked().size();
        screen.SerialExit();
        ASSERT_EQ(prompter.asked().size(), before + (accepted ? 0 : 1));
        if (!accepted) {
            EXPECT_EQ(prompter.asked().back().text, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(dt.field(QStringLiteral("SerialNo")).isNull(), !accepted);
        EXPECT_EQ(dt.field(QStringLiteral("Serial")).asString(), c.kept ? QString::fromLatin1(c.typed) : QString());
    }
}

TEST_P(PosLines, DeletingALineRecomputesTheBill)
{
    pos::TFrPos& screen = billWith({{water, 1, 60}, {water, 2, 20}});
    ASSERT_DOUBLE_EQ(screen.QHd().field(QStringLiteral("Total")).asFloat(), 100);
    screen.QDt().setRecNo(1);
    screen.BtDeleteLineClick();
    EXPECT_EQ(screen.QDt().recordCount(), 1);
    EXPECT_DOUBLE_EQ(screen.QHd().field(QStringLiteral("Total")).asFloat(), 60);
    EXPECT_EQ(screen.focus(), pos::PosFocus::Grid);
}

KVR_INSTANTIATE_BACKENDS(PosLines);

} // namespace
} // namespace kvr::test
