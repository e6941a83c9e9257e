#pragma once

#include "search/TFaGetMisc.h"

namespace kvr::search {

// The province of an address (Misc group CITY); may stay empty.
class TFaGetProvince : public TFaGetMisc
{
    Q_OBJECT
public:
    TFaGetProvince(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);
};

} // namespace kvr::search
