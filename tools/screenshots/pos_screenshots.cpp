// Draws the sale screen off screen on a demo shop, with a saved bill of each mode recalled, a
// bill being rung up and paid, and the card dialog, and saves the pictures for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_pos_screenshots /tmp/shop docs/screens
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/PosShipToDialog.h"
#include "pos/TFrCreditCardInfoView.h"
#include "pos/TFrPos.h"
#include "pos/TFrPosView.h"
#include "products/TDmProduct.h"
#include "screenshots/ScreenshotMain.h"
#include "ui/base/DialogPrompter.h"

#include <QDir>
#include <cmath>
#include <cstdio>

using namespace kvr;

namespace {

struct Shot
{
    pos::PosMode mode;
    bool thai;
    pos::PosPage page;
    const char* file;
};

const Shot shots[] = {
    {pos::PosMode::Goods, true, pos::PosPage::Product, "sale-p-th.png"},
    {pos::PosMode::Goods, false, pos::PosPage::Product, "sale-p-en.png"},
    {pos::PosMode::Goods, true, pos::PosPage::Receipt, "sale-p-receipt.png"},
    {pos::PosMode::Service, true, pos::PosPage::Product, "sale-s-th.png"},
    {pos::PosMode::Service, false, pos::PosPage::Receipt, "sale-s-receipt.png"},
};

QString firstText(data::TDM& dm, const QString& sql)
{
    data::Query q(dm.DMdata(), sql);
    q.open();
    return q.eof() ? QString() : q.field(q.fieldNames().value(0)).asString().trimmed();
}

// A new bill of three products for the walk-in customer, then paid by transfer and cash with change, then the
// card details of the latest bill paid by card.
bool ringUp(data::TDM& dm, data::TDMConfig& config, ui::DialogPrompter& prompter, const QDir& folder)
{
    config.mutableSession().ThaiLanguage = true;
    data::Query last(dm.DMdata(),
                     QStringLiteral("SELECT PosShiftNo, PosDate FROM PosHd WHERE PosType = 'P' "
                                    "ORDER BY Id DESC"));
    last.open();
    data::Query goods(dm.DMdata(),
                      // Scanned, as the demo counter takes them: the barcode of a priced unit.
                      QStringLiteral("SELECT U.BarCode AS Code FROM Product P INNER JOIN ProductUnits U ON "
                                     "U.Product = P.Id WHERE P.ProductType = 'P' AND "
                                     "P.Blocked = 'N' AND P.UseSerial = 'N' AND P.LotControl = 'N' AND "
                                     "U.BarCode <> '' AND EXISTS (SELECT 1 FROM ProductPrice R WHERE "
                                     "R.ProductUnits = U.Id AND R.Price > 0) ORDER BY P.Id"));
    goods.open();
    products::TDmProduct product(dm);
    pos::TFrPos screen(prompter, dm, product, pos::PosMode::Goods, true);
    screen.setCurrentShift(last.field(QStringLiteral("PosShiftNo")).asInteger(),
                           last.field(QStringLiteral("PosDate")).asDateTime().date().startOfDay());
    screen.setShiftDialog([] { return true; });
    pos::TFrPosView view(screen);
    view.show();
    // A first run fills the screen; the pictures keep one size.
    view.setWindowState(Qt::WindowNoState);
    view.resize(900, 620);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    // Enter on the empty number starts a new bill where the number is not drawn at once.
    if (!screen.QHd().isOpen() || screen.QHd().eof())
        screen.PosNoExit();
    screen.FaGetCustomer1CustomerExit(firstText(dm, QStringLiteral("SELECT Code FROM Customer ORDER BY Id")));
    for (int n = 0; n < 3 && n < goods.recordCount(); ++n) {
        // With barcodes on, each product opens the next line itself.
        if (screen.QDt().field(QStringLiteral("Product")).asInteger() > 0)
            screen.QDt().append();
        const int row = screen.QDt().recNo();
        screen.lineEntry().assignProduct(goods.fieldAt(n * 7 % goods.recordCount(), QStringLiteral("Code")).asString(),
                                         0);
        if (n == 1) {
            const int next = screen.QDt().recNo();
            screen.QDt().setRecNo(row);
            screen.QDt().edit();
            screen.QDt().setValue(QStringLiteral("Quantity"), 2.0);
            screen.QuantityExit();
            screen.QDt().setRecNo(next);
        }
    }
    screen.QDt().post();
    screen.CalculateAll();
    bool ok = test::saveShot(view, folder, QStringLiteral("sale-ringing-up.png"));
    screen.showReceiptPage();
    const double total = screen.QHd().field(QStringLiteral("Total")).asFloat();
    screen.QHd().edit();
    // Half by transfer to the shop's first account, the rest in notes.
    const double transfer = std::floor(total / 2);
    screen.bill().setHeader(QStringLiteral("BankAmount"), transfer);
    screen.bill().setHeader(QStringLiteral("Cash"), std::ceil((total - transfer) / 100) * 100);
    screen.companyBankFrame().typeCode(firstText(dm, QStringLiteral("SELECT BankCode FROM CompanyBank ORDER BY Id")));
    screen.ReceiptChange();
    ok = test::saveShot(view, folder, QStringLiteral("sale-receipt-change.png")) && ok;
    // The same at the counter screens of shops: a small one and a wide one.
    for (const QSize size : {QSize(1024, 768), QSize(1920, 1080)}) {
        view.resize(size);
        ok = test::saveShot(view, folder,
                            QStringLiteral("sale-receipt-change-%1x%2.png").arg(size.width()).arg(size.height())) &&
            ok;
    }
    view.resize(900, 620);

    // The discount page: a member's rate and a coupon in baht.
    screen.QHd().edit();
    screen.bill().setHeader(QStringLiteral("DiscName1"), QStringLiteral("ส่วนลดสมาชิก"));
    screen.DiscRateExit(1, QStringLiteral("5"));
    screen.bill().setHeader(QStringLiteral("DiscName2"), QStringLiteral("คูปองร้าน"));
    screen.DiscAmtExit(2, QStringLiteral("20"));
    screen.PosPageChange(pos::PosPage::Discount);
    ok = test::saveShot(view, folder, QStringLiteral("sale-discount-page.png")) && ok;
    // The header of a bill in another currency, with its rate, and the VAT code.
    const int other = firstText(dm,
                                QStringLiteral("SELECT Id FROM Misc WHERE GroupCode = 'CURRENCY' AND Id <> %1 "
                                               "ORDER BY OrderNo")
                                    .arg(dm.MainCurrencyId()))
                          .toInt();
    if (other > 0) {
        screen.CurrencyCloseUp(other);
        screen.RateExit(QStringLiteral("35.25"));
    }
    screen.PosPageChange(pos::PosPage::Product);
    ok = test::saveShot(view, folder, QStringLiteral("sale-header-currency.png")) && ok;
    // The ship-to address of the bill.
    screen.headerChoices().beginShipEdit();
    screen.headerChoices().applyShipAddress({QStringLiteral("99/1 ถนนสุขุมวิท"), QStringLiteral("แขวงคลองเตย เขตคลองเตย"),
                                             QString(), QStringLiteral("10110"), QStringLiteral("02-555-0100")});
    screen.headerChoices().shipProvinceFrame().typeCode(
        firstText(dm, QStringLiteral("SELECT Code FROM Misc WHERE GroupCode = 'CITY' ORDER BY Id")));
    pos::PosShipToDialog* ship = view.shipToDialog();
    ship->showAddress();
    ship->show();
    ok = test::saveShot(*ship, folder, QStringLiteral("sale-ship-to.png")) && ok;
    ship->hide();
    view.hide();

    // The card details of the latest bill paid by card, recalled.
    const QString carded = firstText(dm,
                                     QStringLiteral("SELECT H.PosNo FROM PosHd H WHERE H.PosType = 'P' AND "
                                                    "H.DelFlag = 'N' AND H.CardAmount > 0 ORDER BY H.Id DESC"));
    screen.headerTexts().posNo = carded;
    screen.PosNoExit();
    pos::TFrCreditCardInfoView card(screen.cardInfo());
    screen.cardInfo().FormShow();
    card.show();
    ok = test::saveShot(card, folder, QStringLiteral("sale-card-dialog.png")) && ok;
    screen.setShiftDialog({});
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    // The demo's sale menu item, the cashier.
    return test::runScreenshots(argc, argv, 101, [](data::TDMConfig& config, data::TDM& dm, const QDir& folder) {
        ui::DialogPrompter prompter;
        bool ok = true;
        for (const Shot& shot : shots) {
            // The latest saved bill of the mode, recalled in the shift it was sold in.
            data::Query last(dm.DMdata(),
                             QStringLiteral("SELECT PosNo, PosShiftNo, PosDate FROM PosHd "
                                            "WHERE PosType = :T AND DelFlag = 'N' ORDER BY Id DESC"));
            last.setParam(QStringLiteral("T"), pos::posTypeLetter(shot.mode));
            last.open();
            config.mutableSession().ThaiLanguage = shot.thai;
            products::TDmProduct product(dm);
            pos::TFrPos screen(prompter, dm, product, shot.mode, true);
            screen.setCurrentShift(last.field(QStringLiteral("PosShiftNo")).asInteger(),
                                   last.field(QStringLiteral("PosDate")).asDateTime().date().startOfDay());
            screen.setShiftDialog([] { return true; });
            pos::TFrPosView view(screen);
            view.show();
            view.setWindowState(Qt::WindowNoState);
            view.resize(900, 620);
            screen.headerTexts().posNo = last.field(QStringLiteral("PosNo")).asString().trimmed();
            screen.PosNoExit();
            if (shot.page == pos::PosPage::Receipt)
                screen.showReceiptPage();
            ok = test::saveShot(view, folder, QString::fromLatin1(shot.file)) && ok;
            screen.setShiftDialog({});
            view.hide();
        }
        ok = ringUp(dm, config, prompter, folder) && ok;
        return ok;
    });
}
