// A whole run of the built program, as a user goes through it: start, the
// empty-name message, readings with Back in between, every page entry, the
// about window, the exit screen with a referral, Exit; then a start fifteen
// days later that asks about updates.
#include "tests/support/QtPrinters.h"
#include "tests/support/RealProgram.h"
#include "web/Settings.h"
#include "web/modHelp.h"
#include "windows/shared/Twips.h"

#include <QSettings>
#include <QUrlQuery>

#include <algorithm>

namespace {

constexpr int kMainWidth = 480;       // 7200 twips
constexpr int kMainClient = 332;      // 4980 twips
constexpr int kResultWidth = 653;     // 9795 twips
constexpr int kResultClient = 501;    // 7515 twips
constexpr int kAboutWidth = 471;      // 7065 twips
constexpr int kExitScreenWidth = 741; // 11115 twips

// The centre of a control, from its layout in twips.
QPoint Centre(int left, int top, int width, int height) { return Twips::Rect(left, top, width, height).center(); }

class Walk {
public:
    explicit Walk(ProgramHome& home, RealProgram& program) : home_(home), program_(program) {}

    // Waits until the browser has been asked for `count` pages in all.
    QStringList Pages(int count) const {
        QElapsedTimer clock;
        clock.start();
        while (home_.Opened().size() < count && clock.elapsed() < 10000) QThread::msleep(50);
        return home_.Opened();
    }

    QString Main() const { return program_.WaitForWindowOfWidth(kWindowTitle, kMainWidth); }
    QString Result() const { return program_.WaitForWindowOfWidth(kWindowTitle, kResultWidth); }

    // From the main window with an empty name box to the result window.
    QString Reading(const QString& name) {
        const QString main = Main();
        EXPECT_FALSE(main.isEmpty());
        Keys(main, {});
        Type(name);
        Keys(main, {QStringLiteral("alt+g")});
        const QString result = Result();
        EXPECT_FALSE(result.isEmpty());
        return result;
    }

private:
    ProgramHome& home_;
    RealProgram& program_;
};

QString Value(const QString& address, const char* key) {
    return QUrlQuery(QUrl(address)).queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

}  // namespace

TEST(Acceptance, AWholeRunAndAStartFifteenDaysLater) {
    ProgramHome home;
    {
        RealProgram program(home);
        Walk walk(home, program);

        // First start: no question; the start is remembered.
        const QString main = walk.Main();
        ASSERT_FALSE(main.isEmpty());
        QThread::msleep(300);
        EXPECT_TRUE(program.Windows(kMessageTitle).isEmpty());
        EXPECT_TRUE(QFileInfo::exists(home.SettingsFile()));

        // The reading button with an empty name box.
        Keys(main, {QStringLiteral("alt+g")});
        const QString box = program.WaitForWindow(kMessageTitle);
        ASSERT_FALSE(box.isEmpty());
        Keys(box, {QStringLiteral("Return")});
        // A reading let through would be up before the about window, which
        // the main window opens next: by then only the main window and the
        // about window may be there.
        Keys(main, {QStringLiteral("alt+h"), QStringLiteral("a")});
        const QString aboutAfterMessage = program.WaitForWindowOfWidth(kWindowTitle, kAboutWidth);
        ASSERT_FALSE(aboutAfterMessage.isEmpty());
        QList<int> widths;
        for (const QString& window : program.Windows(kWindowTitle)) widths << Geometry(window).width();
        std::sort(widths.begin(), widths.end());
        EXPECT_EQ(widths, (QList<int>{kAboutWidth, kMainWidth})) << "a reading came up without a name";
        Keys(aboutAfterMessage, {QStringLiteral("Escape")});

        // A reading, and the pages of the result window.
        QString result = walk.Reading(QStringLiteral("Ana"));
        ASSERT_FALSE(result.isEmpty());
        EXPECT_TRUE(program.Windows(kWindowTitle).size() == 1) << "the main window stayed";
        Keys(result, {QStringLiteral("alt+h"), QStringLiteral("o")});
        Keys(result, {QStringLiteral("alt+h"), QStringLiteral("v")});
        Keys(result, {QStringLiteral("alt+h"), QStringLiteral("u")});
        Keys(result, {QStringLiteral("alt+d")});
        ClickClient(result, kResultClient, Centre(202, 30, 9390, 195));             // forum caption
        ClickClient(result, kResultClient, Centre(30 + 120, 6650 + 160, 6945, 615));  // co-brand caption
        EXPECT_EQ(walk.Pages(6), (QStringList{QStringLiteral(KV_PAGE_ADDRESS("help-web-page")),
                                              QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                              QStringLiteral(KV_PAGE_ADDRESS("download-web-page")),
                                              QStringLiteral(KV_PAGE_ADDRESS("donate")),
                                              QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                              QStringLiteral(KV_PAGE_ADDRESS("co-brand"))}));

        // The about window, its two links, Esc.
        Keys(result, {QStringLiteral("alt+h"), QStringLiteral("a")});
        const QString about = program.WaitForWindowOfWidth(kWindowTitle, kAboutWidth);
        ASSERT_FALSE(about.isEmpty());
        ClickClient(about, Geometry(about).height(), Centre(2865, 1575, 4050, 195));
        ClickClient(about, Geometry(about).height(), Centre(4620, 2325, 2295, 195));
        EXPECT_EQ(walk.Pages(8).mid(6), (QStringList{QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                                     QStringLiteral(KV_PAGE_ADDRESS("fully-branded"))}));
        Keys(about, {QStringLiteral("Escape")});

        // Back, and a second reading.
        Keys(result, {QStringLiteral("alt+b")});
        ASSERT_FALSE(walk.Main().isEmpty());
        result = walk.Reading(QStringLiteral("Ben"));
        ASSERT_FALSE(result.isEmpty());

        // Back again: the main window's own entries.
        Keys(result, {QStringLiteral("alt+b")});
        const QString again = walk.Main();
        ASSERT_FALSE(again.isEmpty());
        Keys(again, {QStringLiteral("alt+h"), QStringLiteral("o")});
        Keys(again, {QStringLiteral("alt+h"), QStringLiteral("v")});
        Keys(again, {QStringLiteral("alt+h"), QStringLiteral("c")});
        Keys(again, {QStringLiteral("alt+d")});
        ClickClient(again, kMainClient, Centre(1185, 60, 4830, 585));               // forum caption
        ClickClient(again, kMainClient, Centre(8 + 120, 4080 + 160, 6945, 615));    // sponsor caption
        const QStringList pages = walk.Pages(14);
        ASSERT_EQ(pages.size(), 14);
        EXPECT_EQ(pages.mid(8, 5), (QStringList{QStringLiteral(KV_PAGE_ADDRESS("help-web-page")),
                                                QStringLiteral(KV_PAGE_ADDRESS("home-page")),
                                                QStringLiteral(KV_PAGE_ADDRESS("download-web-page")),
                                                QStringLiteral(KV_PAGE_ADDRESS("donate")),
                                                QStringLiteral(KV_PAGE_ADDRESS("home-page"))}));
        // After Back the main window shows the co-brand caption in front.
        EXPECT_EQ(pages[13], QStringLiteral(KV_PAGE_ADDRESS("co-brand")));

        // Close: the exit screen, a referral, Exit.
        Keys(again, {QStringLiteral("alt+f"), QStringLiteral("x")});
        const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, kExitScreenWidth);
        ASSERT_FALSE(exitScreen.isEmpty());
        EXPECT_EQ(program.Windows(kWindowTitle), QStringList{exitScreen});
        SendReferral(exitScreen, QStringLiteral("Ana & Co"), QStringLiteral("ana@example.org"), QStringLiteral("Ben"),
                     QStringLiteral("ben@example.org"));
        const QStringList withReferral = walk.Pages(15);
        ASSERT_EQ(withReferral.size(), 15);
        const QString referral = withReferral.last();
        EXPECT_EQ(Value(referral, "page"), QStringLiteral("kvts-refer-a-friend"));
        EXPECT_EQ(Value(referral, "taf1"), QStringLiteral("Ana & Co"));
        EXPECT_EQ(Value(referral, "taf2"), QStringLiteral("ana@example.org"));
        EXPECT_EQ(Value(referral, "taf3"), QStringLiteral("Your Message\r\n"));
        EXPECT_EQ(Value(referral, "taf4"), QStringLiteral("Ben"));
        EXPECT_EQ(Value(referral, "taf5"), QStringLiteral("ben@example.org"));
        Keys(exitScreen, {QStringLiteral("alt+x")});
        ASSERT_TRUE(program.WaitForExit());
        EXPECT_EQ(program.ExitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.ExitCode(), 0);
    }

    // Fifteen days later (the clock moved by libfaketime): the question
    // comes before the main window; Yes opens the download page.
    QProcessEnvironment later = home.Environment();
    later.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(KV_LIBFAKETIME));
    later.insert(QStringLiteral("FAKETIME"), QStringLiteral("+15d"));
    later.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    // The sanitizer runtime would insist on being loaded first.
    later.insert(QStringLiteral("ASAN_OPTIONS"),
                 later.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    RealProgram program(later);
    const QString question = program.WaitForWindow(kMessageTitle);
    ASSERT_FALSE(question.isEmpty()) << "no update question";
    EXPECT_TRUE(program.Windows(kWindowTitle).isEmpty());
    const int before = static_cast<int>(home.Opened().size());
    Keys(question, {QStringLiteral("alt+y")});
    Walk walk(home, program);
    const QStringList pages = walk.Pages(before + 1);
    ASSERT_EQ(pages.size(), before + 1);
    EXPECT_EQ(pages.last(), QStringLiteral(KV_PAGE_ADDRESS("download-web-page")));
    const QString main = walk.Main();
    ASSERT_FALSE(main.isEmpty());
    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, kExitScreenWidth);
    Keys(exitScreen, {QStringLiteral("space")});
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0);
}

TEST(Acceptance, AWholeRunByKeyboardAlone) {
    ProgramHome home;
    RealProgram program(home);
    Walk walk(home, program);
    QStringList expected;
    // Each step's keys, then the page it must have opened.
    const auto opens = [&](const QString& window, const QStringList& keys, const char* page) {
        Keys(window, keys);
        expected << QString::fromLatin1(page);
        EXPECT_EQ(walk.Pages(static_cast<int>(expected.size())), expected) << qPrintable(keys.join(QLatin1Char(' ')));
    };

    // A reading; the keyboard starts in the reading, then reaches the
    // buttons and the two captions.
    const QString result = walk.Reading(QStringLiteral("Ana"));
    ASSERT_FALSE(result.isEmpty());
    opens(result, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Return")},
          KV_PAGE_ADDRESS("home-page"));
    opens(result, {QStringLiteral("Tab"), QStringLiteral("space")}, KV_PAGE_ADDRESS("co-brand"));
    opens(result, {QStringLiteral("alt+h"), QStringLiteral("o")}, KV_PAGE_ADDRESS("help-web-page"));
    opens(result, {QStringLiteral("alt+h"), QStringLiteral("v")}, KV_PAGE_ADDRESS("home-page"));
    opens(result, {QStringLiteral("alt+h"), QStringLiteral("u")}, KV_PAGE_ADDRESS("download-web-page"));
    opens(result, {QStringLiteral("alt+d")}, KV_PAGE_ADDRESS("donate"));

    // The about window: OK first, then its two links.
    Keys(result, {QStringLiteral("alt+h"), QStringLiteral("a")});
    const QString about = program.WaitForWindowOfWidth(kWindowTitle, kAboutWidth);
    ASSERT_FALSE(about.isEmpty());
    opens(about, {QStringLiteral("Tab"), QStringLiteral("Return")}, KV_PAGE_ADDRESS("home-page"));
    opens(about, {QStringLiteral("Tab"), QStringLiteral("space")}, KV_PAGE_ADDRESS("fully-branded"));
    Keys(about, {QStringLiteral("Escape")});

    // Back: the main window's own entry and captions, after its controls.
    Keys(result, {QStringLiteral("alt+b")});
    const QString main = walk.Main();
    ASSERT_FALSE(main.isEmpty());
    opens(main, {QStringLiteral("alt+h"), QStringLiteral("c")}, KV_PAGE_ADDRESS("download-web-page"));
    opens(main, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                 QStringLiteral("Return")},
          KV_PAGE_ADDRESS("home-page"));
    opens(main, {QStringLiteral("Tab"), QStringLiteral("Return")}, KV_PAGE_ADDRESS("co-brand"));

    // The exit screen: the check box, the form, the Tessivane caption, Exit.
    Keys(main, {QStringLiteral("alt+f"), QStringLiteral("x")});
    const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, kExitScreenWidth);
    ASSERT_FALSE(exitScreen.isEmpty());
    opens(exitScreen, {QStringLiteral("Tab"), QStringLiteral("space")}, KV_PAGE_ADDRESS("home-page"));
    for (const QString& text : {QStringLiteral("Ana"), QStringLiteral("ana@example.org"), QStringLiteral("Ben"),
                                QStringLiteral("ben@example.org")}) {
        Keys(exitScreen, {QStringLiteral("Tab")});
        Type(text);
    }
    Keys(exitScreen, {QStringLiteral("alt+n")});
    const QStringList withReferral = walk.Pages(static_cast<int>(expected.size()) + 1);
    ASSERT_EQ(withReferral.size(), expected.size() + 1);
    EXPECT_EQ(Value(withReferral.last(), "taf1"), QStringLiteral("Ana"));
    EXPECT_EQ(Value(withReferral.last(), "taf5"), QStringLiteral("ben@example.org"));
    expected << withReferral.last();
    // The keyboard stayed in the last box: the button, the message, then
    // the caption.
    opens(exitScreen, {QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Return")},
          KV_PAGE_ADDRESS("tessivane"));
    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program.ExitCode(), 0);
}
