#pragma once

#include "data/Query.h"
#include "pos/TFrPos.h"
#include "support/SessionFixture.h"

#include <functional>
#include <memory>
#include <vector>

namespace kvr::test {

// Ids of the small shop the sale-screen tests start from (see seedSaleShop).
namespace pos_shop {
constexpr int thb = 1, usd = 2, frontDept = 3;
constexpr int vat7 = 1, vat0 = 2;
constexpr int mainWh = 1, backWh = 2;
constexpr int somsri = 1, wichai = 2; // salesmen S01, S02
constexpr int cashCustomer = 1; // CASH: VAT 7, salesman S02
constexpr int exemptCustomer = 2; // C002: VAT 0, salesman S02
constexpr int water = 1; // P001, VAT 7, unit 11 (bottle, barcode 8850001000011)
constexpr int rice = 2; // P002, VAT 0, unit 21
constexpr int repair = 3; // S001 service, VAT 7, unit 31
constexpr int screw = 4; // P004, PrintFrac: unit 41 piece (1), 42 dozen (12, stock unit)
constexpr int shift = 1; // shift of 15/06/2026 on machine 1 (warehouse BACK, S01, front)
} // namespace pos_shop

// A line of a saved bill written straight into the tables.
struct SavedLine
{
    int product;
    int unit;
    double quantity;
    double price;
    QString discount;
    int taxCode;
    QVariant warehouse = pos_shop::mainWh;
};

using SavedLines = std::vector<SavedLine>;

// A saved bill as the tables hold it, with the totals it was saved with, paid in cash.
struct SavedBill
{
    QString posType;
    QString number; // as stored
    QDate date;
    QString priceIE;
    int taxCode;
    double taxRate;
    double discRate1 = 0, discAmt1 = 0;
    double total = 0, taxTotal = 0, taxAmt = 0, noTaxAmt = 0;
    std::vector<SavedLine> lines{};
    QString delFlag = QStringLiteral("N");
};

// A line as the cashier leaves it before the calculation: quantity, price, discount text and the
// VAT rate the line carries.
struct EnteredLine
{
    double quantity;
    double price;
    QString discount;
    double lineRate;
    int product = pos_shop::water;
};

// Both backends; the session of user 2 on SHOP with the shop above, numbering of the three modes
// (length 8) and the shift of machine 1 open.
class PosFixture : public SessionFixture
{
public:
    // The named fields of a row (the current one by default) as "Name=value", figures to four
    // places, so that one comparison checks a whole row and shows both sides when it fails.
    static QString fieldsOf(const data::Query& q, const QString& names, int row = -1);
    // The same of every row, one text a row.
    static QStringList rowsOf(const data::Query& q, const QString& names);

protected:
    PosFixture() { userId = 2; }
    void buildShop(ShopBuilder& shop) override;
    void TearDown() override;

    void exec(const QString& sql);
    // What the action tells the cashier in a message box: its text, or "" when it says nothing.
    // Any other number of messages than `told` expects (one, or none) fails the test.
    QString toldBy(bool told, const std::function<void()>& action);
    // Rows written into the table, given with its columns: "SerialNo (Product, Serial, OnHand)".
    void insertRows(const char* tableAndColumns, const std::vector<QVariantList>& rows);
    // The rows of the statement "SELECT <names> FROM <from>", one text a row.
    QStringList selectRows(const QString& names, const QString& from);
    void setConfig(const QString& assignments);
    void setNumbering(bool automatic);
    int insertBill(const SavedBill& bill);
    // One line of water at 7 % VAT included, saved with the totals it comes to.
    static SavedBill waterBill(const QString& number, double quantity, double price, QDate date = QDate(2026, 6, 10));
    // The saved bill of that number on a new bill of the screen, as the cashier types its number.
    pos::TFrPos& recall(pos::TFrPos& screen, const QString& number);
    // Bills print as text receipts of form 1, totals only, and those of machine M01 go to the
    // device (a file of the working folder by default); its path.
    QString textReceiptsTo(QString device = {});
    // A sale screen of the mode, for the current user, in the open shift.
    pos::TFrPos& screen(pos::PosMode mode = pos::PosMode::Goods, bool allowZeroPrice = true);
    // A new bill of the screen holding these lines instead of its empty first one.
    void newBillWithLines(pos::TFrPos& pos, const std::vector<EnteredLine>& lines);
    // A new bill on a sale screen of the mode; with lines, on a goods screen.
    pos::TFrPos& newBill(pos::PosMode mode = pos::PosMode::Goods);
    pos::TFrPos& newBill(const std::vector<EnteredLine>& lines);

    std::unique_ptr<pos::TFrPos> pos;
};

} // namespace kvr::test
