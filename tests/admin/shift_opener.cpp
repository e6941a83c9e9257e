// One counter opening a shift through the shift dialog: types the header, counts the same
// number of pieces of every coin, prints "ready" and waits for a line on standard input before
// pressing OK, so that a test can let several counters press it at the same moment. Prints the
// id of the shift it ended in.
//   shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES
#include "CounterProgram.h"
#include "admin/CurrentShift.h"
#include "admin/TFrPosShiftNo.h"

namespace {

// Types the header and the count, and presses OK once the test says go.
int openShift(kvr::test::CounterSession& session, const QStringList& a)
{
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
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return kvr::test::runCounter(argc, argv, "shift_opener WORKDIR COMPANY MACHINE SHIFTNO YYYY-MM-DD PIECES",
                                 openShift);
}
