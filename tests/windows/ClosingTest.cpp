// Closing the working windows hands over to the exit screen; moving between
// them never shows it; leaving it ends the program.
#include "tests/support/QtPrinters.h"
#include "tests/support/WindowTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Counts the events of one type that a widget receives.
class EventCounter final : public QObject {
public:
    explicit EventCounter(QEvent::Type type) : type_(type) {}
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == type_) ++count;
        return QObject::eventFilter(watched, event);
    }

private:
    QEvent::Type type_;
};

// Whether, each time a working window closed, the other one was already up:
// the user is never left without a window, not even for a moment.
class HandOverWatch final : public QObject {
public:
    HandOverWatch() { qApp->installEventFilter(this); }
    std::vector<bool> otherWasUp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto working = [](const QObject* window) {
            return qobject_cast<const frmMain*>(window) || qobject_cast<const frmMayanTarotResult*>(window);
        };
        if (event->type() == QEvent::Close && working(watched)) {
            bool up = false;
            for (const QWidget* window : QApplication::topLevelWidgets()) {
                up = up || (window != watched && working(window) && window->isVisible());
            }
            otherWasUp.push_back(up);
        }
        return QObject::eventFilter(watched, event);
    }
};

class Closing : public WindowTest {
protected:
    Closing() {
        // The exit screen exists from the start here, so every show is counted.
        Forms::Load<frmNagScreen2>().installEventFilter(&shows);
    }

    frmMain& Main() {
        frmMain& window = Forms::Load<frmMain>();
        window.show();
        return window;
    }

    frmMayanTarotResult& Reading() {
        frmMain& main = Main();
        main.txtName->setText(QStringLiteral("Ana"));
        main.NextSequence();
        Settle();
        return *Forms::Loaded<frmMayanTarotResult>();
    }

    void ExpectOnlyTheExitScreen() {
        Settle();
        EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
        EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
        ASSERT_NE(Forms::Loaded<frmNagScreen2>(), nullptr);
        EXPECT_TRUE(Forms::Loaded<frmNagScreen2>()->isVisible());
        EXPECT_EQ(shows.count, 1);
        EXPECT_EQ(processEnds, 0);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                EXPECT_EQ(window, Forms::Loaded<frmNagScreen2>()) << window->objectName().toStdString();
            }
        }
    }

    EventCounter shows{QEvent::Show};
};

}  // namespace

TEST_F(Closing, TheMainWindowsCloseBoxShowsTheExitScreen) {
    Main().close();
    ExpectOnlyTheExitScreen();
}

TEST_F(Closing, TheMainWindowsExitMenuShowsTheExitScreen) {
    Main().mnuExit->trigger();
    ExpectOnlyTheExitScreen();
}

TEST_F(Closing, EveryCloseOfTheResultWindowShowsTheExitScreenOnce) {
    const std::vector<std::function<void(frmMayanTarotResult&)>> ways{
        [](frmMayanTarotResult& w) { QTest::mouseClick(w.cmdExit, Qt::LeftButton); },
        [](frmMayanTarotResult& w) { w.mnuExit->trigger(); },
        [](frmMayanTarotResult& w) { w.close(); },
    };
    for (std::size_t i = 0; i < ways.size(); ++i) {
        SCOPED_TRACE("way " + std::to_string(i));
        ways[i](Reading());
        ExpectOnlyTheExitScreen();
        Forms::Loaded<frmNagScreen2>()->hide();
        shows.count = 0;
    }
}

TEST_F(Closing, NextAndBackNeverShowTheExitScreenNotEvenForAMoment) {
    const HandOverWatch watch;
    for (int i = 0; i < 3; ++i) {
        frmMayanTarotResult& result = Reading();
        if (i % 2 == 0) {
            result.Back();
        } else {
            result.mnuBack->trigger();
        }
        Settle();
    }
    EXPECT_EQ(shows.count, 0);
    EXPECT_TRUE(Visible(Forms::Loaded<frmMain>()));
    EXPECT_EQ(watch.otherWasUp, std::vector<bool>(6, true)) << "a working window closed before the next was up";
    // Several readings with Back in between, then a close: the exit screen once.
    Reading().close();
    ExpectOnlyTheExitScreen();
}

TEST_F(Closing, LeavingTheExitScreenEndsTheProgramWithNoWindowLeft) {
    for (const bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "Exit button" : "close box");
        Reading().close();
        Settle();
        frmNagScreen2* screen = Forms::Loaded<frmNagScreen2>();
        ASSERT_NE(screen, nullptr);
        if (byButton) {
            QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
        } else {
            screen->close();
        }
        Settle();
        EXPECT_EQ(processEnds, 1);
        EXPECT_EQ(Forms::Loaded<frmNagScreen2>(), nullptr);
        EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
        EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
        // Ready for the next round.
        processEnds = 0;
        ResetQuit();
        Forms::Load<frmNagScreen2>().installEventFilter(&shows);
        shows.count = 0;
    }
}

TEST_F(Closing, QuitApplicationClosesEveryLoadedWindowOnceWithoutTheExitScreen) {
    // As when the desktop ends the run: the working windows loaded, the exit
    // screen loaded but hidden.
    frmMain& main = Main();
    main.txtName->setText(QStringLiteral("x"));
    std::vector<QWidget*> windows{&main, &Forms::Load<frmMayanTarotResult>(), &Forms::Load<frmNagScreen2>()};
    std::vector<std::unique_ptr<EventCounter>> closes;
    for (QWidget* window : windows) {
        closes.push_back(std::make_unique<EventCounter>(QEvent::Close));
        window->installEventFilter(closes.back().get());
    }
    // A close handling that calls it again (as the exit screen's does) does
    // not start it over.
    QuitApplication();
    QuitApplication();
    for (std::size_t i = 0; i < windows.size(); ++i) EXPECT_EQ(closes[i]->count, 1) << "window " << i;
    Settle();
    EXPECT_EQ(shows.count, 0) << "the exit screen came up while the program ended";
    EXPECT_EQ(processEnds, 1);
    EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
    EXPECT_EQ(Forms::Loaded<frmMayanTarotResult>(), nullptr);
    EXPECT_EQ(Forms::Loaded<frmNagScreen2>(), nullptr);
}
