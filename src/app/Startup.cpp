#include "app/Startup.h"

#include "app/StartupParams.h"
#include "app/TFormLogo.h"
#include "data/DbError.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "products/TDmProduct.h"
#include "products/TDmService.h"
#include "ui/base/Application.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/ExceptionHandler.h"
#include "ui/base/FormFont.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <cstdio>
#include <memory>

namespace kvr::app {

namespace {

bool hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

// Every start-up outcome is written to standard error; a person is asked to read it only
// where there is a display to show it on.
void tell(const QString& message, bool error)
{
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    if (!hasDisplay())
        return;
    if (error)
        QMessageBox::critical(nullptr, QStringLiteral("KVR POS"), message);
    else
        QMessageBox::information(nullptr, QStringLiteral("KVR POS"), message);
}

void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int runProgram(int argc, char** argv, const FunctionTable& functions)
{
    // Started without parameters: not by the menu program; end before anything is shown or opened.
    if (argc <= 1)
        return ExitOk;

    chooseHeadlessPlatform();
    ui::Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVR POS"));
    // Thai captions must render on a workstation whose desktop has no Thai font of its own.
    QApplication::setFont(ui::formFont());

    // Parameters the menu program got wrong are told before a splash or a data module appears.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    const StartupParams params = StartupParams::parse(arguments, &error);
    if (!error.isEmpty()) {
        tell(error, true);
        return ExitBadParameters;
    }

    QPointer<TFormLogo> splash = new TFormLogo;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    // Dates are read and written as dd/mm/yyyy throughout.
    QLocale locale(QLocale::Thai, QLocale::Thailand);
    QLocale::setDefault(locale);

    const QString workDir = QDir::currentPath();
    // The data modules, in the order the screens rely on; none connects yet.
    data::TDMConfig config(workDir);
    data::TDM dm(config, workDir);
    products::TDmProduct product(dm);
    products::TDmService service(dm);
    dm.setAfterConnect([&splash] { delete splash.data(); });

    data::SessionContext& session = config.mutableSession();
    session.WorkDate = params.workDate;
    session.ProgramNo = params.programNo;
    session.MenuId = params.menuId;
    session.UserId = params.userId;
    dm.setCompanyCode(params.companyCode);

    try {
        config.CheckRight(params.menuId, params.userId);
        config.GetCompanyConfig(params.companyCode);
    } catch (const data::CompanyNotFound& notFound) {
        tell(notFound.message(), false);
        return ExitOk;
    } catch (const data::DbError& dbError) {
        tell(dbError.message(), true);
        return ExitStartupError;
    }
    if (!session.ACCESS_R) {
        std::fprintf(stderr, "User %d has no access to menu item %d\n", session.UserId, session.MenuId);
        return ExitOk;
    }

    const FunctionFactory* open = functions.find(session.ProgramNo);
    if (!open) {
        std::fprintf(stderr, "Program number %d opens no function\n", session.ProgramNo);
        return ExitOk;
    }
    // The company database is opened before any window: one that is missing, damaged or dropped
    // ends the start with its message, instead of leaving an empty sale screen behind an error.
    try {
        dm.DMdata().open();
    } catch (const std::exception&) {
        tell(ui::ExceptionHandler::messageOf(std::current_exception()), true);
        return ExitStartupError;
    }
    // From here on every error that escapes a screen is logged and shown, and the program goes on.
    ui::DialogPrompter prompter;
    prompter.setThai(session.ThaiLanguage);
    ui::ExceptionHandler handler(config, prompter);
    application.setExceptionHandler(&handler);
    ui::ErrorSink::setCurrent(&handler);
    // The handler dies before the application object: no event may reach it afterwards.
    const std::unique_ptr<ui::Application, void (*)(ui::Application*)> detach(&application, [](ui::Application* app) {
        app->setExceptionHandler(nullptr);
        ui::ErrorSink::setCurrent(nullptr);
    });
    dm.setMessageHandler([&prompter](const QString& text) { prompter.information(text); });
    product.setMessageHandler([&prompter](const QString& text) { prompter.information(text); });

    DataModules modules{dm, config, product, service, prompter};
    std::vector<QWidget*> forms;
    try {
        forms = (*open)(modules);
    } catch (const std::exception&) {
        tell(ui::ExceptionHandler::messageOf(std::current_exception()), true);
        return ExitStartupError;
    }
    if (forms.empty())
        return ExitOk;
    delete splash.data();
    forms.front()->show();
    const int code = application.exec();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        delete *it;
    return code;
}

} // namespace kvr::app
