#pragma once

#include <QString>
#include <QtGlobal>

namespace kvr::util {

// Numbers and amounts in words, as printed on receipts and by the print layouts. Whole numbers of
// any size are read; the amount functions take `digits` decimals of amount, rounded half away
// from zero as RoundHalfUp(amount, 15, digits). An amount that rounds to zero gives an empty text;
// a negative one is read with "ลบ" / "MINUS " in front.

// 21 -> "ยี่สิบเอ็ด", 101 -> "หนึ่งร้อยหนึ่ง", 11,000,000 -> "สิบเอ็ดล้าน"; 0 and below give "".
QString ThaiNumberWords(qint64 n);

// 120.50 -> "หนึ่งร้อยยี่สิบบาทห้าสิบสตางค์", 120 -> "หนึ่งร้อยยี่สิบบาทถ้วน". Satang are hundredths of a baht
// whatever `digits` says: more than 2 decimals are rounded to satang, fewer are read as tenths.
// Below one baht nothing stands before "บาท".
QString ThaiBahtText(int digits, double amount);

// 12.05 -> "สิบสองจุดศูนย์ห้า", 12 -> "สิบสองถ้วน": the decimals are read digit by digit, as a
// decimal fraction is read aloud, without trailing zeros.
QString ThaiDecimalText(int digits, double amount);

// Every word carries one trailing space and the joining texts their own, so spaces double where
// they meet: 1250 -> "ONE  THOUSAND TWO  HUNDRED FIFTY ". Forty is spelled "FOURTY ", as on the
// program's printed forms. Below 1 gives "".
QString EnglishNumberWords(qint64 n);

// 120.50 -> "ONE  HUNDRED TWENTY  BAHT  AND FIFTY  SATANG", 1 -> "ONE  BAHT  ONLY".
QString EnglishBahtText(int digits, double amount);

// 12.05 -> "TWELVE   POINT ZERO FIVE  ", 12 -> "TWELVE   ONLY".
QString EnglishDecimalText(int digits, double amount);

} // namespace kvr::util
