#include "app/SaleScreen.h"

#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "pos/TFrCreditCardInfoView.h"
#include "pos/TFrPos.h"
#include "pos/TFrPosView.h"
#include "printing/views/DocPrintRunner.h"
#include "products/TDmProduct.h"
#include "search/ProductSearchDialogSet.h"
#include "search/SearchDialogView.h"
#include "search/TFrSearchProductServiceMulSelect.h"

#include <memory>

namespace kvr::app {

namespace {

// What the sale screen's window keeps alive with it, destroyed in reverse order of creation.
class SaleScreenParts : public QObject
{
public:
    SaleScreenParts(DataModules& modules, pos::PosScreenKind kind)
        : product(modules.product)
        , pos(modules.prompter, modules.dm, product, kind.mode, kind.allowZeroPrice)
        , shift(modules.prompter, modules.dm, current)
        , searchDialogs(modules.dm, modules.prompter, searchRunner)
        , productSearch(modules.dm, modules.prompter)
    {
        // F5 in the line grid: the product services' dialogs, and several products at once.
        product.setSearchDialogs(&searchDialogs);
        pos.setProductSearch([this](const QString& posType, QStringList& codes) {
            productSearch.setPosType(posType);
            if (!searchRunner.run(productSearch))
                return false;
            codes = productSearch.results();
            return true;
        });
    }
    // The product data module outlives the window and its dialogs.
    ~SaleScreenParts() override { product.setSearchDialogs(nullptr); }

    // Start-up's, whose messages reach the cashier.
    products::TDmProduct& product;
    pos::TFrPos pos;
    admin::CurrentShift current;
    admin::TFrPosShiftNo shift;
    search::DialogSearchRunner searchRunner;
    search::ProductSearchDialogSet searchDialogs;
    search::TFrSearchProductServiceMulSelect productSearch;
    // Bills of companies printing pages instead of text receipts; made once the window exists.
    std::unique_ptr<printing::DocPrintRunner> documentPrint;
};

} // namespace

std::vector<QWidget*> OpenSaleScreen(DataModules& modules, pos::PosScreenKind kind)
{
    auto parts = std::make_unique<SaleScreenParts>(modules, kind);
    auto* view = new pos::TFrPosView(parts->pos);
    auto* shiftView = new admin::TFrPosShiftNoView(parts->shift);
    SaleScreenParts* owned = parts.release();
    owned->setParent(view);
    owned->documentPrint = std::make_unique<printing::DocPrintRunner>(modules.prompter, modules.dm, view);
    owned->pos.saver().setDocumentPrint(owned->documentPrint.get());
    owned->pos.setShiftDialog([owned, shiftView] {
        if (!shiftView->run() || !owned->current.isChosen())
            return false;
        owned->pos.setCurrentShift(owned->current.CurrentShiftId(), owned->current.CurrentShiftDate());
        return true;
    });
    owned->pos.setCardDialog([owned, view] {
        pos::TFrCreditCardInfoView dialog(owned->pos.cardInfo(), view);
        return dialog.run();
    });
    return {view, shiftView};
}

} // namespace kvr::app
