// The program's start-up, step by step: the program's own run, with the
// monotonic clock printed after each of its steps ("step <name> <ns>"), then
// when the main window is mapped, when its first frame is painted, and once
// it has finished what it does right after.
#include "bench/MonotonicClock.h"
#include "startup/Program.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

void print(const char* step) { std::printf("step %s %lld\n", step, MonotonicNs()); }

class FirstFrame final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            watched->objectName().startsWith(QLatin1String("frmMain"))) {
            qApp->removeEventFilter(this);
            print("mapped");
            watched->event(event);  // paints every widget and flushes the frame
            print("painted");
            // What the window does right after its first frame (its icon and
            // pointers), timed too.
            QTimer::singleShot(0, qApp, [] {
                QTimer::singleShot(0, qApp, [] {
                    print("after first paint");
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
            return true;
        }
        return false;
    }
};

void mark(const char* step) {
    print(step);
    // Watches for the first frame from the moment the application exists.
    if (std::strcmp(step, "application") == 0) qApp->installEventFilter(new FirstFrame(qApp));
}

}  // namespace

int main(int argc, char* argv[]) {
    print("loaded");
    return RunProgram(argc, argv, mark);
}
