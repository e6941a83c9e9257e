// Draws the product, saved-bill and head-office customer searches off screen on a demo shop and
// saves them as PNG files, for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db --workdir /tmp/shop && kvr_search_screenshots /tmp/shop docs/screens
#include "data/Query.h"
#include "data/TDMConfig.h"
#include "products/QuantityTexts.h"
#include "screenshots/ScreenshotMain.h"
#include "search/SearchDialogView.h"
#include "search/TF_SearchCustomerPos.h"
#include "search/TF_SearchLotShowOnHand.h"
#include "search/TF_SearchProduct.h"
#include "search/TF_SearchWareHouseOnHand.h"
#include "search/TFrSearchPos.h"
#include "ui/base/DataGrid.h"
#include "ui/base/DialogPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <cstdio>

using namespace kvr;

namespace {

// Shows the dialog, searches with the criteria given and saves its picture.
bool shoot(search::SearchScreen& screen, const std::vector<std::pair<QString, QString>>& criteria, const QDir& folder,
           const char* name, int height = 0)
{
    search::SearchDialogView view(screen);
    // Dialogs with many criteria are drawn taller, so that their result shows several rows.
    if (height > view.height())
        view.resize(view.width(), height);
    view.show();
    // Typed as the user types them.
    for (const auto& [criterion, text] : criteria) {
        if (auto* edit = qobject_cast<QLineEdit*>(view.criterionField(criterion)))
            edit->setText(text);
        if (auto* combo = qobject_cast<QComboBox*>(view.criterionField(criterion)))
            combo->setCurrentIndex(text.toInt());
    }
    screen.BtSearchClick();
    view.grid()->setCurrentIndex(view.grid()->model()->index(0, 0));
    // Layouts and focus moves settle in the event loop, which this tool does not otherwise run.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!view.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %d rows\n", qPrintable(path), screen.QSearch().recordCount());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The demo's sale screen, the cashier (Thai).
    return test::runScreenshots(argc, argv, 101, [](data::TDMConfig&, data::TDM& dm, const QDir& folder) {
        ui::DialogPrompter prompter;

        search::TF_SearchProduct products(dm, prompter);
        bool ok = shoot(products, {{QStringLiteral("Name"), QStringLiteral("น้ำ")}}, folder, "search-product.png");

        // Bills whose number ends in 8, by number: the cancelled one among them is red.
        search::TFrSearchPos bills(dm, prompter);
        bills.setDocType(QStringLiteral("P"));
        ok =
            shoot(bills, {{QStringLiteral("Code"), QStringLiteral("8")}, {QStringLiteral("Sort"), QStringLiteral("0")}},
                  folder, "search-bill.png") &&
            ok;

        // The customer search of the head-office link, the demo shop standing in for its own head office.
        dm.DMdata().open();
        data::Connection head(QStringLiteral("DBHead"));
        head.setTarget(dm.DMdata().server(), dm.DMdata().databaseName(), dm.DMdata().login());
        search::TF_SearchCustomerPos customers(dm, prompter, head, search::TF_SearchCustomerPos::Place::Online);
        ok = shoot(customers, {}, folder, "search-customer-head.png", 620) && ok;

        // F5 on a line's lot and warehouse: the lots of the product holding the most, with their
        // balance in the stock unit, and the warehouses holding a product.
        data::Query lotted(dm.DMdata(),
                           QStringLiteral("SELECT Product, BalanceYear FROM LotOnHand GROUP BY Product, "
                                          "BalanceYear ORDER BY Count(*) DESC, Sum(Quantity) DESC"));
        lotted.open();
        products::QuantityTexts texts(dm);
        search::TF_SearchLotShowOnHand lots(dm, prompter, texts);
        lots.setInputs(lotted.field(QStringLiteral("Product")).asInteger(),
                       lotted.field(QStringLiteral("BalanceYear")).asInteger(), 0, false);
        ok = shoot(lots, {}, folder, "search-lot-onhand.png") && ok;
        data::Query stocked(dm.DMdata(),
                            QStringLiteral("SELECT Product FROM view_currentstock GROUP BY Product "
                                           "ORDER BY Count(*) DESC, Product"));
        stocked.open();
        search::TF_SearchWareHouseOnHand warehouses(dm, prompter, texts);
        warehouses.setInputs(stocked.field(QStringLiteral("Product")).asInteger(), 1);
        ok = shoot(warehouses, {}, folder, "search-warehouse-onhand.png") && ok;
        return ok;
    });
}
