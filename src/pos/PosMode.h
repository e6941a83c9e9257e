#pragma once

#include "pos/PosColumns.h"

#include <QString>
#include <optional>

namespace kvr::pos {

// The kind of item a sale screen sells, stored with every bill as PosHd.PosType: stocked goods
// (with warehouse, lot and serial per line), services, or any product without stock handling.
enum class PosMode : char { Goods = 'P', Service = 'S', Misc = 'M' };

inline QString posTypeLetter(PosMode mode)
{
    return QString(QLatin1Char(static_cast<char>(mode)));
}

// The numbering and printing code of the mode's bills: POS-P, POS-S or POS-M.
inline QString documentCodeOf(PosMode mode)
{
    return QStringLiteral("POS-") + posTypeLetter(mode);
}

// Only goods lines leave a warehouse, carry lots and serials and are checked against stock.
inline bool modeHasStock(PosMode mode)
{
    return mode == PosMode::Goods;
}

// The product column the line grid shows as the line's name.
inline QString nameFieldOf(PosMode mode)
{
    return mode == PosMode::Misc ? dt::ThaiName : dt::PosName;
}

// What a program number of the menu opens: the mode and whether lines may be sold at price 0.
struct PosScreenKind
{
    PosMode mode;
    bool allowZeroPrice;
};

inline std::optional<PosScreenKind> screenForProgram(int programNo)
{
    switch (programNo) {
    case 1:
        return PosScreenKind{PosMode::Goods, true};
    case 22:
        return PosScreenKind{PosMode::Goods, false};
    case 11:
        return PosScreenKind{PosMode::Service, false};
    case 21:
        return PosScreenKind{PosMode::Misc, false};
    default:
        return std::nullopt;
    }
}

} // namespace kvr::pos
