#include "startup/Program.h"

#include "startup/Preload.h"
#include "startup/Startup.h"
#include "windows/shared/Accessibility.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Language.h"

#include <QApplication>

int RunProgram(int argc, char* argv[], void (*mark)(const char* step)) {
    const auto done = [mark](const char* step) {
        if (mark) mark(step);
    };
    SilenceDiagnostics();
    const Ahead fonts(ScanFonts);
    // The program takes no command line: Qt gets the program's name alone,
    // so "-platform", "-reverse", "-stylesheet" and the like change nothing.
    ProgramName name(argc, argv);
    // The menu bar stays in the window, where the layout puts it, even on a
    // desktop that offers a global menu; asking the desktop would cost a
    // message round trip before the window is built.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(name.argc, name.argv.data());
    const Ahead pictures(LoadImageReaders);
    done("application");
    TuneProcessMemory();
    QApplication::setStyle(Controls::ProgramStyle());
    QGuiApplication::setDesktopFileName(QStringLiteral(KV_APP_ID));
    // The run ends only through QuitApplication, never because the last
    // window went (the exit screen is a tool window).
    QApplication::setQuitOnLastWindowClosed(false);
    InstallAccessibility();
    done("style");
    Language::Install();
    done("language");

    const QuitOnSignals endOnSignals;
    SingleInstance instance;
    switch (StartupSequence(instance, mark)) {
        case StartupResult::Running:
            return QApplication::exec();
        case StartupResult::AlreadyRunning:
        case StartupResult::Ended:
            return 0;
        case StartupResult::Failed:
            break;
    }
    return 1;
}
