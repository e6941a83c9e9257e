#pragma once

#include <QString>

namespace kvr::products {

// Quantities counted in a product's smallest unit written as large and small units, without
// the database: the services read the unit rows and call these.

// A unit and the product's small unit, as one quantity text needs them.
struct UnitPair
{
    bool found = false; // false: the unit id names no unit (with a small unit)
    int fraction = 0; // smallest units in one large unit
    QString largeUnit;
    QString smallUnit;
};

// Texts written around every unit name (Config.UnitLeft, UnitRight) and the decimals of the
// small part (Config.OnhandDecimal, 0 for as many as needed up to six).
struct UnitDecoration
{
    QString left;
    QString right;
    int onhandDecimal = 0;
};

// "2 Box 6 Pce", "- 2 Box 6 Pce", "7.5 Kg": trimmed; "number ERROR" for a unit not found.
QString onhandQuantityText(double quantity, const UnitPair& unit, const UnitDecoration& decoration);

// `part` 1 gives the large-unit text, 2 the small-unit text, each with the sign prefix and not trimmed.
QString onhandQuantityPartText(double quantity, const UnitPair& unit, int part);

// The status-bar stock text: "2 Box 6 Pce", " 5 Pce", "0 Box", not trimmed. stockFraction 0 (no
// stock unit) writes the whole quantity twice, as large count and as remainder.
QString stockQuantityText(double quantity, int stockFraction, const QString& stockUnit, const QString& smallUnit);

// A quantity of a unit as whole stock units and a reduced fraction: "2;1/2  Dozen". stockFraction
// 0 (no stock unit, or one of fraction 0) gives "UnitError".
QString fracSmallByStockText(double quantity, int unitFraction, int stockFraction, const QString& stockUnit);

} // namespace kvr::products
