#include "search/TFaGetProvince.h"

namespace kvr::search {

TFaGetProvince::TFaGetProvince(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : TFaGetMisc(dm, prompter, runner, QStringLiteral("CITY"), parent)
{
    setCaption(thai() ? QStringLiteral("จังหวัด") : QStringLiteral("Province"));
    searchDialog().setCaption(thai() ? QStringLiteral("ค้นหา รายชื่อจังหวัด") : QStringLiteral("Search Province"));
}

} // namespace kvr::search
