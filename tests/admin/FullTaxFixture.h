#pragma once

#include "AdminFixture.h"
#include "admin/TFrPosFullTran.h"
#include "printing/docprint/DocumentPrint.h"

#include <QDate>
#include <QStringList>
#include <memory>

namespace kvr::test {

// Stands in for the print form: keeps what the screen asked it to print, as "number year code",
// and answers "printed".
class RecordingPrint : public printing::DocumentPrint
{
public:
    bool printDocument(const QString& documentNo, int documentYear, const QString& printCode) override
    {
        calls << QStringLiteral("%1 %2 %3").arg(documentNo).arg(documentYear).arg(printCode);
        return true;
    }
    QStringList calls;
};

// A receipt as the sale screen left it, with two lines; sold on 15 June 2026 unless said.
struct ReceiptSpec
{
    QString number{};
    QDate date{2026, 6, 15};
    int customer = 0;
    QString fullTaxNo{};
    bool cancelled = false;
    bool posted = false;
    Columns extra{};
};

// A shop with receipts of both tables for the full tax invoice: a walk-in customer, a company at
// its head office with its address in Bangkok and one at a branch (each with a valid tax number),
// a salesman, two products, and the invoice series of 2026 (POS-X1 and POS-X2, and POS-X103 for
// March).
class FullTaxFixture : public ScreenFixture
{
protected:
    void buildShop(ShopBuilder& shop) override;
    // The screen opened by open(), gone before the session.
    void closeScreen() override { screen.reset(); }

    // A receipt in the header table given (PosHd or PosHeader) with its two lines; its id.
    int receipt(const data::FullTaxTables& tables, const ReceiptSpec& spec);
    // An earlier invoice's buyer block (9 ถนนสาทร, Bangkok 10120, branch 00003) on a PosHd receipt
    // of the walk-in customer.
    void invoicedTo(const QString& number, const QString& name, const QString& phone, const QString& taxNumber = {});
    // The screen of a variant, shown as the window shows it (schema step, then New).
    admin::TFrPosFullTran& open(const admin::FullTaxVariant& variant = admin::FullTaxVariant::posBills());
    // The number typed into the receipt field, then the field left.
    void typeReceipt(const QString& number);
    int lastNo(const QString& code);
    QVariant column(const data::FullTaxTables& tables, int id, const QString& name);

    int walkIn = 0;
    int headOffice = 0; // บริษัท สยามการค้า จำกัด, its head office
    int branch = 0; // ห้างหุ้นส่วนจำกัด รุ่งเรืองพาณิชย์, branch 00002
    int bangkok = 0;
    int water = 0;
    int rice = 0;
    int waterBottle = 0;
    int riceBag = 0;
    RecordingPrint print;
    ScriptedSearchRunner searches;
    std::unique_ptr<admin::TFrPosFullTran> screen;

    static inline const data::FullTaxTables kPosHd = data::FullTaxTables::posHd();
    static inline const data::FullTaxTables kPosHeader = data::FullTaxTables::posHeader();
    static inline const QString kHeadOfficeTaxId = QStringLiteral("0105558012349");
    static inline const QString kBranchTaxId = QStringLiteral("0203544009879");
};

} // namespace kvr::test
