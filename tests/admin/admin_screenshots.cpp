// Draws the machine register and the shift dialog off screen on a demo shop and saves them as PNG
// files, for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_admin_screenshots /tmp/shop docs/screens
#include "admin/CurrentShift.h"
#include "admin/TFrPosMachineNo.h"
#include "admin/TFrPosMachineNoView.h"
#include "admin/TFrPosShiftNo.h"
#include "admin/TFrPosShiftNoView.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "search/SearchDialogView.h"
#include "ui/base/Application.h"
#include "ui/base/DialogPrompter.h"

#include <QDir>
#include <cstdio>

using namespace kvr;

namespace {

bool save(QWidget& widget, const QDir& folder, const char* name)
{
    // Layouts and queued focus moves settle in the event loop, which this tool does not otherwise run.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DEMO_FOLDER OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString work = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(folder.path()))
        return 1;
    try {
        data::TDMConfig config(work);
        // The demo's menu item of the machine register, the cashier (Thai).
        config.CheckRight(102, 1);
        config.GetCompanyConfig(QStringLiteral("DEMO"));
        data::TDM dm(config, work);
        dm.setCompanyCode(QStringLiteral("DEMO"));
        ui::DialogPrompter prompter;
        search::DialogSearchRunner runner;

        admin::TFrPosMachineNo machineForm(prompter, dm, runner);
        admin::TFrPosMachineNoView machineView(machineForm);
        machineView.show();
        machineForm.setCodeText(QStringLiteral("POS01"));
        machineForm.CodeExit();
        bool ok = save(machineView, folder, "machine-register.png");

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
        ok = save(shiftView, folder, "shift-dialog.png") && ok;
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
