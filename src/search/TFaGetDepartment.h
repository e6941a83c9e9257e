#pragma once

#include "search/TFaGetMisc.h"

namespace kvr::search {

// The department of a document header (Misc group DEPARTMENT); may stay empty.
class TFaGetDepartment : public TFaGetMisc
{
    Q_OBJECT
public:
    TFaGetDepartment(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent = nullptr);
};

} // namespace kvr::search
