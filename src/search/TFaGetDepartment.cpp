#include "search/TFaGetDepartment.h"

namespace kvr::search {

TFaGetDepartment::TFaGetDepartment(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : TFaGetMisc(dm, prompter, runner, QStringLiteral("DEPARTMENT"), parent)
{
    setCaption(thai() ? QStringLiteral("แผนก") : QStringLiteral("Department"));
    searchDialog().setCaption(thai() ? QStringLiteral("ค้นหา แผนก") : QStringLiteral("Search Department"));
}

} // namespace kvr::search
