#pragma once

#include <QFlags>

namespace kvr::products {

// The roles a unit of a product plays, as its four flag columns say.
enum class UnitRole { Sale = 1, Purc = 2, Stock = 4, Small = 8 };
Q_DECLARE_FLAGS(UnitRoles, UnitRole)
Q_DECLARE_OPERATORS_FOR_FLAGS(UnitRoles)

} // namespace kvr::products
