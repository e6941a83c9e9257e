// One counter opening a shift through the shift dialog: types the header, counts the same
// number of pieces of every coin, prints "ready" and waits for a line on standard input before
// pressing OK, so that a test can let several counters press it at the same moment. Prints the
// id of the shift it ended in.
//   shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES
#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"
#include "data/TDM.h"
#include "data/TDMConfig.h"
#include "ui/base/Prompter.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Every message is a failure here: the header is valid and nobody answers questions.
class RefusingPrompter : public kvr::ui::Prompter
{
public:
    void information(const QString& text) override { fail(text); }
    void warning(const QString& text) override { fail(text); }
    void error(const QString& text) override { fail(text); }
    bool confirm(const QString& text, kvr::ui::ConfirmColour) override { return fail(text), false; }
    std::optional<QString> input(const QString& title, const QString&, const QString&) override
    {
        return fail(title), std::nullopt;
    }
    kvr::ui::ErrorDialogAnswer showErrorDialog(const QString& text) override
    {
        return fail(text), kvr::ui::ErrorDialogAnswer::DontSend;
    }

private:
    static void fail(const QString& text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(3);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 7) {
        std::fprintf(stderr, "usage: shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES\n");
        return 2;
    }
    try {
        kvr::data::TDMConfig config(a[1]);
        config.CheckRight(101, 1);
        kvr::data::TDM dm(config, a[1]);
        dm.setCompanyCode(a[2]);
        RefusingPrompter prompter;
        kvr::admin::CurrentShift current;
        kvr::admin::TFrPosShiftNo dialog(prompter, dm, current);
        dialog.FormShow();
        dialog.setShiftDate(QDate::fromString(a[5], Qt::ISODate));
        dialog.setMachineCode(a[3]);
        dialog.setShiftNoText(a[4]);
        dialog.HeaderExit();
        dialog.DgShiftMoneyEnter();
        for (int row = 0; row < dialog.QShiftMoney().recordCount(); ++row)
            dialog.setQuantity(row, a[6].toInt());
        std::printf("ready\n");
        std::fflush(stdout);
        std::string go;
        std::getline(std::cin, go);
        if (!dialog.BtOkClick())
            return 4;
        std::printf("%d\n", current.CurrentShiftId());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
