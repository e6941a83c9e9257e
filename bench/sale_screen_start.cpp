// Start-up time of the sale screen as a whole process: the program started as the menu program
// starts it, ending as soon as the shift dialog is on screen (the dialog closes as cancelled and
// the screen with it). Time it from outside, beside bare_window_start started the same way:
//   /usr/bin/time -v sale_screen_start 101 1 DEMO 0 1 DD/MM/YYYY   (in a demo working folder)
#include "admin/TFrPosShiftNoView.h"
#include "app/FunctionTable.h"
#include "app/SaleScreen.h"
#include "app/Startup.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <cstdio>

namespace {

// Ends every event loop once the shift dialog has been shown.
class ExitWhenShown : public QObject
{
public:
    explicit ExitWhenShown(QWidget* dialog)
        : m_dialog(dialog)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_dialog || event->type() != QEvent::Show || m_ending)
            return false;
        // The dialog runs its own loop before the program's loop starts: ask both to end, until one
        // is running to hear it.
        m_ending = true;
        std::fputs("shift dialog shown\n", stderr);
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, qApp, [] { QCoreApplication::exit(0); });
        timer->start(5);
        return false;
    }

private:
    QWidget* m_dialog;
    bool m_ending = false;
};

} // namespace

int main(int argc, char** argv)
{
    kvr::app::FunctionTable table = kvr::app::FunctionTable::standard();
    table.add(1, [](kvr::app::DataModules& modules) {
        std::vector<QWidget*> forms = kvr::app::OpenSaleScreen(modules, *kvr::pos::screenForProgram(1));
        new ExitWhenShown(forms.at(1));
        return forms;
    });
    return kvr::app::runProgram(argc, argv, table);
}
