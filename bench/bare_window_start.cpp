// The yardstick of sale_screen_start: a bare Qt window, shown and closed at once, started the
// same way (the same arguments, ignored).
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return application.exec();
}
