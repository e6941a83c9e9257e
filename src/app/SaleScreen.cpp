#include "app/SaleScreen.h"

#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "pos/TFrPos.h"
#include "pos/TFrPosView.h"
#include "products/TDmProduct.h"

#include <memory>

namespace kvr::app {

namespace {

// What the sale screen's window keeps alive with it, destroyed in reverse order of creation.
class SaleScreenParts : public QObject
{
public:
    SaleScreenParts(DataModules& modules, pos::PosScreenKind kind)
        : product(modules.dm)
        , pos(modules.prompter, modules.dm, product, kind.mode, kind.allowZeroPrice)
        , shift(modules.prompter, modules.dm, current)
    {
    }

    products::TDmProduct product;
    pos::TFrPos pos;
    admin::CurrentShift current;
    admin::TFrPosShiftNo shift;
};

} // namespace

std::vector<QWidget*> OpenSaleScreen(DataModules& modules, pos::PosScreenKind kind)
{
    auto parts = std::make_unique<SaleScreenParts>(modules, kind);
    auto* view = new pos::TFrPosView(parts->pos);
    auto* shiftView = new admin::TFrPosShiftNoView(parts->shift);
    SaleScreenParts* owned = parts.release();
    owned->setParent(view);
    owned->pos.setShiftDialog([owned, shiftView] {
        if (!shiftView->run() || !owned->current.isChosen())
            return false;
        owned->pos.setCurrentShift(owned->current.CurrentShiftId(), owned->current.CurrentShiftDate());
        return true;
    });
    return {view, shiftView};
}

} // namespace kvr::app
