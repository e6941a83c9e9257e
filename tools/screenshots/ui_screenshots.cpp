// Draws the base form, the error dialog and a balloon hint off screen and saves them as PNG
// files in the folder given, for the documentation:  kvr_ui_screenshots docs/screens
#include "data/SessionContext.h"
#include "ui/base/Application.h"
#include "ui/base/DialogPrompter.h"
#include "ui/base/ErrorExplanation.h"
#include "ui/base/TFormHints.h"
#include "ui/base/TFrForm.h"
#include "ui/base/TFrFormView.h"
#include "ui/base/TFrShowError.h"

#include <QDir>
#include <QFormLayout>
#include <QLineEdit>
#include <QToolButton>
#include <cstdio>

using namespace kvr;

namespace {

bool save(QWidget& widget, const QDir& folder, const char* name)
{
    // Layouts settle in the event loop, which this tool does not otherwise run.
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QWidget* sampleFields()
{
    auto* content = new QWidget;
    auto* layout = new QFormLayout(content);
    layout->setContentsMargins(16, 16, 16, 16);
    const std::pair<const char*, const char*> fields[] = {
        {"เลขที่บิล", "POS6901-0001"},
        {"วันที่", "07/12/2026"},
        {"ลูกค้า", "เงินสด"},
        {"หมายเหตุ", "ส่งของพรุ่งนี้"},
    };
    for (const auto& [label, value] : fields)
        layout->addRow(QString::fromUtf8(label), new QLineEdit(QString::fromUtf8(value)));
    return content;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Application application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path()))
        return 1;

    ui::DialogPrompter prompter;
    data::SessionContext session;
    session.ThaiLanguage = true;
    ui::TFrForm form(prompter, session);
    form.setCaption(QStringLiteral("ขายสินค้าหน้าร้าน"));
    ui::TFrFormView view(form, sampleFields());
    view.show();
    form.setStatusText(0, QStringLiteral("บริษัท ตัวอย่างการค้า จำกัด"));
    form.setStatusText(1, QStringLiteral("POS-P"));
    bool ok = save(view, folder, "base-form.png");

    QToolButton* button = view.button(ui::TFrForm::Action::Save);
    view.formHints().showHint(button->toolTip(), button->mapToGlobal(button->rect().center()) + QPoint(0, 200));
    if (ui::BalloonHintWindow* balloon = view.formHints().balloon())
        ok = save(*balloon, folder, "balloon-hint.png") && ok;

    ui::TFrShowError dialog;
    // A bill saved without its customer, as the database refuses it.
    dialog.setErrorText(ui::ErrorExplanation::dialogText(
        ui::ErrorExplanation::explain(data::DbFailure::NotNull, QStringLiteral("Customer")),
        QStringLiteral("NOT NULL constraint failed: PosHd.Customer Unable to fetch row")));
    dialog.show();
    ok = save(dialog, folder, "error-dialog.png") && ok;
    return ok ? 0 : 1;
}
