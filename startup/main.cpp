// KV Yaxkelen: a Mayan day-sign reading.
#include "startup/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TuneProcessMemory();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kvyaxkelen"));
    // The run ends only through QuitApplication, never because the last
    // window went (the exit screen is a tool window).
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!StartupSequence(instance)) return 0;
    return QApplication::exec();
}
