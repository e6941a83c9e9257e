#pragma once

#include "data/Query.h"

#include <optional>

namespace kvr::pos {

// A registered piece of a serial-controlled product.
struct SerialPiece
{
    int id = 0;
    bool inStock = false;
};

// Registered pieces and open orders as line entry reads them.
class PosStockStore
{
public:
    explicit PosStockStore(data::Connection& connection);

    // The piece of that product registered under that serial; none when unknown.
    std::optional<SerialPiece> serialPiece(int productId, const QString& serial);
    // Quantity of the product still owed on open sales orders dated up to `date`.
    double reservedQuantity(int productId, const QVariant& date);

private:
    data::Query m_serial;
    data::Query m_reserved;
};

} // namespace kvr::pos
