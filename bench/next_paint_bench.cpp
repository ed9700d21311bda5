// From the click on "Get My Yaxkelen Reading" to the result window's first
// paint: the whole Next sequence with the draw, the document, the pictures
// and the window's first frame. Prints the figures as JSON.
#include "engine/Random.h"
#include "startup/Startup.h"
#include "web/frmNagScreen2.h"
#include "web/modHelp.h"
#include "windows/shared/Controls.h"
#include "windows/shared/Forms.h"
#include "windows/frmMain.h"
#include "windows/frmMayanTarotResult.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Stops the clock when a result window's first frame has been painted and
// handed to the window system: the end of its first expose.
class FirstPaint final : public QObject {
public:
    const QElapsedTimer* clock = nullptr;
    QString target = QStringLiteral("frmMayanTarotResult");
    bool painted = false;
    double paintedMs = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted && event->type() == QEvent::Expose && watched->isWindowType() &&
            watched->objectName().startsWith(target)) {
            watched->event(event);  // paints the widgets and flushes them
            paintedMs = static_cast<double>(clock->nsecsElapsed()) / 1e6;
            painted = true;
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TuneProcessMemory();  // as the program does
    QApplication::setStyle(Controls::ProgramStyle());
    QApplication::setQuitOnLastWindowClosed(false);
    modHelp::ScopedPageOpener noPages([](const QUrl&) {});
    Random::SeedFromClock();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 60;

    FirstPaint probe;
    app.installEventFilter(&probe);
    std::vector<double> ms;
    for (int run = 0; run < runs + 5; ++run) {
        frmMain& main = Forms::Load<frmMain>();
        main.show();
        if (!QTest::qWaitForWindowExposed(&main)) return 1;
        main.txtName->setText(QStringLiteral("Ana"));
        probe.painted = false;

        QElapsedTimer clock;
        probe.clock = &clock;
        clock.start();
        QTest::mouseClick(main.cmdNext, Qt::LeftButton);
        while (!probe.painted && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (run >= 5) ms.push_back(probe.paintedMs);  // the first runs warm caches up

        Forms::Loaded<frmMayanTarotResult>()->Back();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    delete Forms::Loaded<frmMain>();
    delete Forms::Loaded<frmNagScreen2>();

    // The floor the window system sets: a bare window of the result
    // window's size, from show() to the end of its first expose.
    probe.target = QStringLiteral("bare");
    std::vector<double> bare;
    for (int run = 0; run < runs + 5; ++run) {
        QMainWindow window;
        window.setObjectName(QStringLiteral("bare"));
        window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
        window.resize(653, 520);
        probe.painted = false;
        QElapsedTimer clock;
        probe.clock = &clock;
        clock.start();
        window.show();
        while (!probe.painted && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (run >= 5) bare.push_back(probe.paintedMs);
    }

    std::sort(ms.begin(), ms.end());
    std::sort(bare.begin(), bare.end());
    std::printf("{\"next_to_first_paint_ms\": {\"median\": %.2f, \"min\": %.2f, \"p90\": %.2f, \"runs\": %zu, "
                "\"bare_window_show_median\": %.2f}}\n",
                ms[ms.size() / 2], ms.front(), ms[ms.size() * 9 / 10], ms.size(), bare[bare.size() / 2]);
    return 0;
}
