#include "search/TFaGetWarehouse.h"

#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/FrameStatements.h"
#include "search/TF_SearchWareHouse.h"
#include "util/Flags.h"

namespace kvr::search {

TFaGetWarehouse::TFaGetWarehouse(data::TDM& dm, ui::Prompter& prompter, SearchRunner& runner, QObject* parent)
    : LookupFrame(dm, prompter, runner, statements::warehouses(), parent)
{
    setCaption(thai() ? QStringLiteral("คลังสินค้า") : QStringLiteral("Warehouse"));
    lookup().setAllowEmpty(false);
}

int TFaGetWarehouse::restrictedUser()
{
    data::Query& config = dm().QConfig();
    if (!config.isOpen())
        config.open();
    const bool restricted = util::isFlagSet(config.field(QStringLiteral("CheckUserWarehouseFlag")).asString());
    return restricted ? dm().config().session().UserId : 0;
}

void TFaGetWarehouse::FieldEnter()
{
    LookupFrame::FieldEnter();
    // Set on every entry, and lifted when the setting is off: the search, made anew each time,
    // follows the setting, and a code typed here must resolve as the search lists it.
    if (const int user = restrictedUser())
        lookup().setFilter(statements::warehousesOfUser(), {{QStringLiteral("UserId"), user}});
    else
        lookup().setFilter(QString());
}

void TFaGetWarehouse::search()
{
    // Made for this search only, and gone with it.
    TF_SearchWareHouse dialog(dm(), prompter());
    dialog.setRestrictedToUser(restrictedUser());
    runSearch(dialog);
}

} // namespace kvr::search
