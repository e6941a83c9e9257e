#pragma once

#include <QString>

namespace kvr::util {

// Thai tax identification numbers (the 13-digit numbers of persons and companies, printed on
// full tax invoices) and the branch numbers that go with them.

// The thirteenth digit of a number whose first twelve are given: each digit weighted 13 down to
// 2, the sum taken modulo 11, subtracted from 11 and taken modulo 10.
QChar thaiTaxIdCheckDigit(const QString& twelveDigits);
// Exactly thirteen digits whose last is the check digit of the others; blanks and dashes are
// not accepted, since the number is printed as stored.
bool isThaiTaxId(const QString& text);
// A branch number as the Revenue Department gives it: five digits, "00000" for the head office.
bool isBranchCode(const QString& text);

} // namespace kvr::util
