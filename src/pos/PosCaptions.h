#pragma once

#include <QString>

namespace kvr::pos {

// The captions of the sale screen in the user's language.
struct PosCaptions
{
    QString billNo, date, shipTo, customer, salesman, warehouse, tax, department, remark;
    QString productPage, discountPage, receiptPage;
    QString noTaxAmt, taxAmt, amountProduct, vat, deleteLine;
    QString discountName, discountPercent, discountAmount, discountSum;
    QString cash, coupon, card, cardDetails, bankAmount, companyBank, change;

    static PosCaptions forLanguage(bool thai);
};

} // namespace kvr::pos
