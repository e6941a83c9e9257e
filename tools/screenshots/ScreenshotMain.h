#pragma once

// What the screenshot tools share: the start-up on a demo shop (offscreen unless told otherwise,
// the program's own application object, DEMO_FOLDER and OUTPUT_FOLDER, the shop's sessions for
// the cashier) and saving a window's picture. Header-only: the tools link no test library.
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "ui/base/Application.h"

#include <QDir>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace kvr::test {

// Saves the widget's picture once layouts and queued focus moves have settled in the event loop,
// which the tools do not otherwise run.
inline bool saveShot(QWidget& widget, const QDir& folder, const QString& name)
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

using Shots = std::function<bool(data::TDMConfig& config, data::TDM& dm, const QDir& folder)>;

// The tool's main: opens the demo shop of DEMO_FOLDER as the cashier (user 1) on the menu item
// and runs the shots; the exit code says whether every picture was written.
inline int runScreenshots(int argc, char** argv, int menuId, const Shots& shots)
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
        config.CheckRight(menuId, 1);
        config.GetCompanyConfig(QStringLiteral("DEMO"));
        data::TDM dm(config, work);
        dm.setCompanyCode(QStringLiteral("DEMO"));
        return shots(config, dm, folder) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

} // namespace kvr::test
