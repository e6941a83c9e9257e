#pragma once

#include <QStringList>

namespace kvr::data {
class Dialect;
}

namespace kvr::search {

// Which products a product search lists.
enum class ProductKind { All, Goods, Services };

// The statements of the searches over products, their units and lots. Criteria are bound as
// parameter values; the named slots (data::Query::setSlot) take the conditions given here.
namespace statements {

// Products that may be sold, with their stock unit and what is on hand in it, by code
// (:GetCode) and Thai or English name (:GetName); slot kProductKind takes productKind().
QStringList productSearch(const data::Dialect& dialect);
inline const QString kProductKind = QStringLiteral("ProductKind");
QString productKind(ProductKind kind);

// Sale units with a barcode of products that may be sold, by code and Thai name.
QStringList productUnitSearch(const data::Dialect& dialect);

// Barcodes with their product and what is on hand in the barcode's unit, by barcode and name.
QStringList barcodeSearch(const data::Dialect& dialect);

// Lots by code and description; slot kLotCondition takes lotsOfProduct() or nothing.
QStringList lotSearch(const data::Dialect& dialect);
inline const QString kLotCondition = QStringLiteral("LotCondition");
// The lots of :ProductId that came into stock by goods receipt or production.
QString lotsOfProduct();

// The units of :ProductId by name; slot kUnitRole takes unitRole().
QStringList unitSearch();
inline const QString kUnitRole = QStringLiteral("UnitRole");
enum class UnitRole { Any, Sale, Purchase };
QString unitRole(UnitRole role);

} // namespace statements
} // namespace kvr::search
