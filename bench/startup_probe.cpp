// Linked into a program to time its start-up: at the first paint of its
// main window it prints the monotonic clock in nanoseconds and quits.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->objectName() == QLatin1String("frmMain")) {
            done_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("painted %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

void installProbe() { qApp->installEventFilter(new FirstPaintProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
