// One counter opening a shift through the shift dialog: types the header, counts the same
// number of pieces of every coin, prints "ready" and waits for a line on standard input before
// pressing OK, so that a test can let several counters press it at the same moment. Prints the
// id of the shift it ended in.
//   shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES
#include "CounterProgram.h"
#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() != 7) {
        std::fprintf(stderr, "usage: shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES\n");
        return 2;
    }
    try {
        kvr::test::CounterSession session(a[1], a[2]);
        kvr::test::UnansweredPrompter prompter;
        kvr::admin::CurrentShift current;
        kvr::admin::TFrPosShiftNo dialog(prompter, session.dm, current);
        dialog.FormShow();
        dialog.setShiftDate(QDate::fromString(a[5], Qt::ISODate));
        dialog.setMachineCode(a[3]);
        dialog.setShiftNoText(a[4]);
        dialog.HeaderExit();
        dialog.DgShiftMoneyEnter();
        for (int row = 0; row < dialog.QShiftMoney().recordCount(); ++row)
            dialog.setQuantity(row, a[6].toInt());
        kvr::test::waitForGo();
        if (!dialog.BtOkClick())
            return 4;
        std::printf("%d\n", current.CurrentShiftId());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
