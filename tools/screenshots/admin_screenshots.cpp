// Draws the machine register and the shift dialog off screen on a demo shop and saves them as PNG
// files, for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_admin_screenshots /tmp/shop docs/screens
#include "admin/CurrentShift.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
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
    return test::runScreenshots(argc, argv, 102, [](data::TDMConfig&, data::TDM& dm, const QDir& folder) {
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
        return ok;
    });
}
