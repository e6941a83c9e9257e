#include "util/ThaiTaxId.h"

#include <algorithm>

namespace kvr::util {

namespace {

bool digitsOnly(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

QChar thaiTaxIdCheckDigit(const QString& twelveDigits)
{
    Q_ASSERT(twelveDigits.size() == 12 && digitsOnly(twelveDigits));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelveDigits.at(i).digitValue() * (13 - i);
    return QChar(QLatin1Char('0').unicode() + (11 - sum % 11) % 10);
}

bool isThaiTaxId(const QString& text)
{
    return text.size() == 13 && digitsOnly(text) && thaiTaxIdCheckDigit(text.left(12)) == text.at(12);
}

bool isBranchCode(const QString& text)
{
    return text.size() == 5 && digitsOnly(text);
}

} // namespace kvr::util
