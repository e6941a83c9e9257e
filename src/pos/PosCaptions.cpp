#include "pos/PosCaptions.h"

namespace kvr::pos {

PosCaptions PosCaptions::forLanguage(bool thai)
{
    const auto t = [thai](const char* thaiText, const char* english) {
        return QString::fromUtf8(thai ? thaiText : english);
    };
    PosCaptions c;
    c.billNo = t("เลขที่บิล", " No# ");
    c.date = t("วันที่", "Date");
    c.shipTo = t("สถานที่ส่ง", "Ship Addr");
    c.customer = t("รหัสลูกค้า", "Customer");
    c.salesman = t("รหัสพนักงานขาย", "Salesman");
    c.warehouse = t("คลังสินค้า", "WH");
    c.tax = t("อัตราภาษี", "Tax");
    c.department = t("แผนก", "Department");
    c.remark = t("หมายเหตุ", "Remark");
    c.productPage = t("รายการสินค้า (F7)", "Item List (F7)");
    c.discountPage = t("ส่วนลดท้ายบิล (F8)", "Discount (F8)");
    c.receiptPage = t("รับชำระ (F9)", "Receipt (F9)");
    c.noTaxAmt = t("มูลค่าสินค้าไม่มีภาษี", "Product No Tax");
    c.taxAmt = t("มูลค่าสินค้ามีภาษี", "Product Tax");
    c.amountProduct = t("ยอดรวมสินค้า", "Amount");
    c.vat = t("ภาษีมูลค่าเพิ่ม", "VAT");
    c.deleteLine = t("ลบรายการสินค้า", "Delete Line");
    c.discountName = t("รายละเอียด", "Description ");
    c.discountPercent = t("ส่วนลด(%)", "Discount(%)");
    c.discountAmount = t("ส่วนลด(บาท)", "Discount(บาท)");
    c.discountSum = t("รวมส่วนลด", "Amount Discount");
    c.cash = t("เงินสด", "Cash");
    c.coupon = t("คูปอง", "Coupon");
    c.card = t("บัตรเครดิต", "Credit card");
    c.cardDetails = t("รายละเอียดบัตร", "Card details");
    c.bankAmount = t("เงินโอน", "Transfer");
    c.companyBank = t("ธนาคาร", "Bank");
    c.change = t("จำนวนเงินทอน", "Change");
    return c;
}

} // namespace kvr::pos
