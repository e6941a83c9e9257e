#pragma once

#include "printing/ReceiptData.h"

#include <QString>

// A believable bill of a Thai mini-mart: tone marks over upper vowels (ดื่ม, ที่), a lower vowel
// (ถุง), a name too long for its column, quantities above one, a line discount and an
// end-of-bill discount, VAT included.
namespace kvr::test {

inline printing::ReceiptSettings DemoSettings(int formNo)
{
    printing::ReceiptSettings s;
    s.ReceiptFormNo = formNo;
    s.MachineTaxNo = QStringLiteral("E051234567890");
    s.ReceiptSalesmanCode = QStringLiteral("S01");
    s.UserCode = QStringLiteral("U1");
    s.Company = {QStringLiteral("ร้านสมใจมินิมาร์ท"), QStringLiteral("0105561234567")};
    return s;
}

inline printing::Receipt DemoReceipt()
{
    printing::Receipt r;
    r.lines = {
        {QStringLiteral("W-600"), QStringLiteral("8850999320014"), QStringLiteral("น้ำดื่มสิงห์ 600 มล."),
         QStringLiteral("ขวด"), 3, 7, 0, 21},
        {QStringLiteral("RICE-5"), QStringLiteral("8851234500011"), QStringLiteral("ข้าวหอมมะลิ 5 กก."),
         QStringLiteral("ถุง"), 1, 189, 0, 189},
        {QStringLiteral("EGG-30"), QString(), QStringLiteral("ไข่ไก่เบอร์ 2 แผงละ 30 ฟอง"), QStringLiteral("แผง"), 1, 125,
         0, 125},
        {QStringLiteral("SCOOP"), QStringLiteral("8859876500027"), QStringLiteral("ที่ตักน้ำแข็ง"), QStringLiteral("อัน"), 2,
         12.5, 0, 25},
        {QStringLiteral("FISH-155"), QStringLiteral("8850000155003"), QStringLiteral("ปลากระป๋องสามแม่ครัว"),
         QStringLiteral("กป."), 3, 16.5, 4.5, 45},
    };
    printing::ReceiptHeader& h = r.header;
    h.PosNo = QStringLiteral("  P6900123");
    h.Price_IE = QStringLiteral("I");
    h.NoTaxAmt = 0;
    h.TaxAmt = 400;
    h.TaxTotal = 26.17;
    h.Total = 400;
    h.TaxRate = 7;
    h.DiscountAmt = 5;
    h.Cash = 500;
    h.Change = 100;
    h.PrintedAt = QDateTime(QDate(2026, 3, 14), QTime(14, 5));
    return r;
}

} // namespace kvr::test
