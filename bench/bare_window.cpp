// The yardstick of the start-up benchmark: an empty Qt window of the main
// window's size, timed to its first frame exactly as the program is.

#include "app/startup_timing.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    kestrel::app::markStartupPhase("main");
    QApplication app(argc, argv);
    kestrel::app::markStartupPhase("application");
    QWidget window;
    window.resize(1040, 860);
    window.show();
    kestrel::app::markStartupPhase("shown");
    kestrel::app::quitAfterFirstFrame(window);
    return QApplication::exec();
}
