#pragma once

#include <QStringList>

namespace kvr::data {
class Dialect;
}

namespace kvr::search {

// Which products a product search lists.
enum class ProductKind { All, Goods, Services };

// The product searches' statement: products that may be sold, with their stock unit and what is
// on hand in it, by code (:GetCode) and Thai or English name (:GetName). Line kProductKindLine
// takes productKindLine().
QStringList productSearchStatement(const data::Dialect& dialect);
constexpr int kProductKindLine = 5;
QString productKindLine(ProductKind kind);

} // namespace kvr::search
