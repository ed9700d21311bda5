// The program's start-up, step by step: the same calls as its main() and
// start-up sequence, in the same order, with the monotonic clock printed
// after each ("step <name> <ns>"). Before the main window is built, the
// fonts it needs are made ready, so that their cost shows on its own; the
// window then finds them ready. Ends once the main window has been painted
// and has finished what it does right after.
#include "bench/MonotonicClock.h"
#include "engine/Random.h"
#include "startup/Preload.h"
#include "startup/Startup.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/UpdateReminder.h"
#include "windows/Controls.h"
#include "windows/Forms.h"
#include "windows/Resources.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTimer>

#include <cstdio>

namespace {

void mark(const char* step) { std::printf("step %s %lld\n", step, MonotonicNs()); }

class FirstFrame final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            watched->objectName().startsWith(QLatin1String("frmMain"))) {
            qApp->removeEventFilter(this);
            mark("mapped");
            watched->event(event);  // paints every widget and flushes the frame
            mark("painted");
            // What the window does right after its first frame (its icon and
            // pointers), timed too.
            QTimer::singleShot(0, qApp, [] {
                QTimer::singleShot(0, qApp, [] {
                    mark("after first paint");
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            });
            return true;
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    mark("loaded");
    SilenceDiagnostics();
    const Ahead fonts(ScanFonts);
    ProgramName name(argc, argv);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(name.argc, name.argv.data());
    const Ahead pictures(LoadImageReaders);
    mark("application");
    TuneProcessMemory();
    QApplication::setStyle(Controls::ProgramStyle());
    QGuiApplication::setDesktopFileName(QStringLiteral(KV_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    mark("style");
    FirstFrame frame;
    app.installEventFilter(&frame);

    SingleInstance instance;
    if (!instance.Acquire()) return 1;
    mark("lock");
    Random::SeedFromClock();
    mark("seed");
    const QString stored = modHelp::ReadSetting(modHelp::kReminderKey);
    mark("settings");
    (void)modHelp::ReadDateTimeText(stored);
    mark("date");
    modHelp::UpdateReminder();
    mark("reminder");

    using Resources::FontStyle;
    for (const FontStyle& style : {FontStyle{}, FontStyle{.bold = true}, FontStyle{.points = 9.75, .bold = true},
                                   FontStyle{.face = "MS Sans Serif"}}) {
        (void)QFontMetrics(Resources::Font(style)).height();
    }
    mark("fonts");
    frmMain& window = Forms::Load<frmMain>();
    mark("window");
    window.show();
    mark("shown");
    CoBrand_Randomize();
    mark("sponsor");
    return QApplication::exec();
}
