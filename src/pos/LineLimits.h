#pragma once

#include <QString>
#include <optional>

namespace kvr::pos {

// The largest figures a line may take. Beyond them a figure is a slip (a barcode scanned into the
// quantity, a price typed with its zeros twice), never a sale. The amount columns hold
// DECIMAL(19,4): no amount of a bill may reach 10^15, or the database refuses the bill.
struct LineLimits
{
    static constexpr double kAmountLimit = 1e15;
    double maxQuantity = 100000;
    double maxPrice = 10000000;

    // KVR.INI of the working folder, section [Sale]: MaxQuantity and MaxPrice. A value that is
    // not a positive number keeps the default.
    static LineLimits fromIni(const QString& iniPath);
    // An amount the bill's columns can hold: a finite number below the limit either way.
    static bool storable(double amount);
};

// A number typed into a cell: digits with an optional sign, decimal point and thousands commas.
// Nothing for text, NaN and infinity.
std::optional<double> typedNumber(const QString& text);

} // namespace kvr::pos
