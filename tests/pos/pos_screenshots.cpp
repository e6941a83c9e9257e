// Draws the sale screen off screen on a demo shop, with a saved bill of each mode recalled, and
// saves the pictures for the documentation:
//   kvrpos-demo --server sqlite:/tmp/shop/db && kvr_pos_screenshots /tmp/shop docs/screens
#include "data/Query.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "pos/TFrPos.h"
#include "pos/TFrPosView.h"
#include "products/TDmProduct.h"
#include "ui/base/Application.h"
#include "ui/base/DialogPrompter.h"

#include <QDir>
#include <cstdio>

using namespace kvr;

namespace {

bool save(QWidget& widget, const QDir& folder, const QString& name)
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

struct Shot
{
    pos::PosMode mode;
    bool thai;
    pos::PosPage page;
    const char* file;
};

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
    const Shot shots[] = {
        {pos::PosMode::Goods, true, pos::PosPage::Product, "sale-p-th.png"},
        {pos::PosMode::Goods, false, pos::PosPage::Product, "sale-p-en.png"},
        {pos::PosMode::Goods, true, pos::PosPage::Receipt, "sale-p-receipt.png"},
        {pos::PosMode::Service, true, pos::PosPage::Product, "sale-s-th.png"},
        {pos::PosMode::Service, false, pos::PosPage::Receipt, "sale-s-receipt.png"},
    };
    try {
        data::TDMConfig config(work);
        // The demo's sale menu item, the cashier.
        config.CheckRight(101, 1);
        config.GetCompanyConfig(QStringLiteral("DEMO"));
        data::TDM dm(config, work);
        dm.setCompanyCode(QStringLiteral("DEMO"));
        ui::DialogPrompter prompter;
        bool ok = true;
        for (const Shot& shot : shots) {
            // The latest saved bill of the mode, recalled in the shift it was sold in.
            data::Query last(dm.DMdata(), QStringLiteral("SELECT PosNo, PosShiftNo, PosDate FROM PosHd "
                                                         "WHERE PosType = :T AND DelFlag = 'N' ORDER BY Id DESC"));
            last.setParam(QStringLiteral("T"), pos::PosTypeLetter(shot.mode));
            last.open();
            config.mutableSession().ThaiLanguage = shot.thai;
            products::TDmProduct product(dm);
            pos::TFrPos screen(prompter, dm, product, shot.mode, true);
            screen.setCurrentShift(last.field(QStringLiteral("PosShiftNo")).asInteger(),
                                   last.field(QStringLiteral("PosDate")).asDateTime().date().startOfDay());
            screen.setShiftDialog([] { return true; });
            pos::TFrPosView view(screen);
            view.resize(900, 620);
            view.show();
            screen.headerTexts().posNo = last.field(QStringLiteral("PosNo")).asString().trimmed();
            screen.PosNoExit();
            if (shot.page == pos::PosPage::Receipt)
                screen.ShowReceiptPage();
            ok = save(view, folder, QString::fromLatin1(shot.file)) && ok;
            screen.setShiftDialog({});
            view.hide();
        }
        return ok ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
