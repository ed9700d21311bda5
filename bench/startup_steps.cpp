// The program's start-up, step by step: the same calls as its main() and
// start-up sequence, in the same order, with the monotonic clock printed
// after each ("step <name> <ns>"). Before the main window is built, what it
// needs (fonts, the icon's pictures, the pointers) is made ready one part at
// a time, so that each part's cost shows on its own; the window then finds
// them ready. Ends at the main window's first paint.
#include "engine/Random.h"
#include "startup/Startup.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/UpdateReminder.h"
#include "windows/Forms.h"
#include "windows/Resources.h"
#include "windows/frmMain.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

void mark(const char* step) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("step %s %lld\n", step, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

class FirstFrame final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!exposed_ && event->type() == QEvent::Expose && watched->isWindowType() &&
            watched->objectName().startsWith(QLatin1String("frmMain"))) {
            exposed_ = true;
            mark("mapped");
        }
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("frmMain")) {
            watched->removeEventFilter(this);
            qApp->removeEventFilter(this);
            mark("painted");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool exposed_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    mark("loaded");
    SilenceDiagnostics();
    ProgramName name(argc, argv);
    QApplication app(name.argc, name.argv.data());
    mark("application");
    TuneProcessMemory();
    QApplication::setStyle(QStringLiteral("Fusion"));
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
    const QIcon icon = Resources::ApplicationIcon();
    for (const QSize& size : icon.availableSizes()) (void)icon.pixmap(size);
    mark("icon");
    (void)Resources::PlainHand();
    (void)Resources::ShadedHand();
    mark("pointers");
    frmMain& window = Forms::Load<frmMain>();
    mark("window");
    window.show();
    mark("shown");
    CoBrand_Randomize();
    mark("sponsor");
    return QApplication::exec();
}
