// Draws the machine register, the shift dialog and the bill cancellation off screen on a demo shop
// and saves them as PNG files, for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_admin_screenshots /tmp/shop docs/screens
#include "admin/CurrentShift.h"
#include "admin/TFrCancelPos.h"
#include "admin/TFrCancelPosView.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "data/Query.h"
#include "data/TDMConfig.h"
#include "screenshots/ScreenshotMain.h"
#include "search/SearchDialogView.h"
#include "ui/base/DialogPrompter.h"

#include <QDir>
#include <cstdio>

using namespace kvr;

int main(int argc, char** argv)
{
    // The demo's menu item of the machine register, the cashier (Thai).
    return test::runScreenshots(argc, argv, 102, [](data::TDMConfig& config, data::TDM& dm, const QDir& folder) {
        ui::DialogPrompter prompter;
        search::DialogSearchRunner runner;

        admin::TFrPosMachineNo machineForm(prompter, dm, runner);
        admin::TFrPosMachineNoView machineView(machineForm);
        machineView.show();
        machineForm.setCodeText(QStringLiteral("POS01"));
        machineForm.CodeExit();
        bool ok = test::saveShot(machineView, folder, QStringLiteral("machine-register.png"));

        admin::CurrentShift current;
        admin::TFrPosShiftNo shiftForm(prompter, dm, current, runner);
        admin::TFrPosShiftNoView shiftView(shiftForm);
        shiftView.show();
        // A second shift of the day on the first counter, its float being counted.
        shiftForm.setMachineCode(QStringLiteral("POS01"));
        shiftForm.setShiftNoText(QStringLiteral("2"));
        shiftForm.HeaderExit();
        shiftForm.DgShiftMoneyEnter();
        const int pieces[] = {0, 2, 10, 8, 20, 10, 10, 20, 20, 10, 4};
        for (int row = 0; row < shiftForm.QShiftMoney().recordCount() && row < int(std::size(pieces)); ++row)
            shiftForm.setQuantity(row, pieces[row]);
        shiftForm.QShiftMoney().first();
        ok = test::saveShot(shiftView, folder, QStringLiteral("shift-dialog.png")) && ok;

        // The cancellation (its own menu item) with the newest bill that can still be cancelled.
        config.CheckRight(103, 1);
        data::Query newest(dm.DMdata(),
                           QStringLiteral("SELECT PosNo FROM PosHd WHERE DelFlag = 'N' AND Posted = 'N' "
                                          "AND PosType = 'P' ORDER BY PosDate DESC, Id DESC"));
        newest.open();
        admin::TFrCancelPos cancelForm(prompter, dm, runner);
        admin::TFrCancelPosView cancelView(cancelForm);
        cancelView.show();
        cancelForm.setNumberText(newest.field(QStringLiteral("PosNo")).asString());
        cancelForm.PosNoExit();
        if (!cancelForm.bill()) {
            std::fprintf(stderr, "No bill to show on the cancellation screen\n");
            return false;
        }
        ok = test::saveShot(cancelView, folder, QStringLiteral("cancel-bill.png")) && ok;
        return ok;
    });
}
