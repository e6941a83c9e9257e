#pragma once

#include <QDateTime>
#include <random>
#include <vector>

namespace kvr::data {
class Connection;
}
namespace kvr::pos {
class TFrPos;
}

namespace kvr::test {

// Runs a statement with its named parameters.
void runSql(data::Connection& c, const QString& sql, const QVariantMap& params = {});
// Writes the rows into the table, given with its columns ("Tax (Id, Code, Rate)"), each value bound.
void insertRows(data::Connection& c, const char* tableAndColumns, const std::vector<QVariantList>& rows);

// When the open shift of the sale-screen shop began.
extern const QDateTime kSaleShiftOpened;

// The small shop the sale-screen tests, the crash test and the save benchmarks start from:
// currencies, VAT codes, two warehouses, salesmen, customers, four products, machine 1 with its
// open shift, automatic numbering of the three modes and June 2026 open to documents.
void seedSaleShop(data::Connection& c);

// Card types VISA (2 %) and CASHC (0 %) for payments by card.
void seedCardTypes(data::Connection& c);

// A line as the line entry leaves it, calculated: the product's code P00n and unit n1, VAT 7 %.
void enterLine(pos::TFrPos& screen, int product, double quantity, double price, const QVariant& warehouse);
// A card row typed into the card dialog, leaving each cell as the cashier does.
void typeCardRow(pos::TFrPos& screen, const QString& code, const QString& cardNo, const QString& slipNo, double rcpt);

// Rings up a bill of water for the cash customer on a sale screen of the shop: `lines` lines at
// prices in satang, `cards` card rows paying part of it, and the rest in cash, ready to save.
void ringUpBill(pos::TFrPos& screen, std::mt19937& random, int lines, int cards);

} // namespace kvr::test
