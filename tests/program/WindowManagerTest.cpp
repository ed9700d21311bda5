// The built program under a window manager that puts title bars on windows
// (openbox), on a display of its own.
#include "tests/support/QtPrinters.h"
#include "tests/support/Openbox.h"
#include "tests/support/RealProgram.h"

#include <QRegularExpression>

namespace {

constexpr int kMainWidth = 480;    // 7200 twips
constexpr int kResultWidth = 653;  // 9795 twips
constexpr int kExitScreenWidth = 741;

// A window's frame on the screen, title bar included; empty until the
// window manager has framed it.
QRect Frame(const QString& window) {
    const QString extents = RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch sides =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!sides.hasMatch()) return {};
    const QString info = RunTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    const auto number = [&](const char* label) {
        return QRegularExpression(QString::fromLatin1(label) + QStringLiteral(":\\s+(-?\\d+)")).match(info).captured(1).toInt();
    };
    const int left = sides.captured(1).toInt();
    const int right = sides.captured(2).toInt();
    const int top = sides.captured(3).toInt();
    const int bottom = sides.captured(4).toInt();
    return {number("Absolute upper-left X") - left, number("Absolute upper-left Y") - top,
            number("Width") + left + right, number("Height") + top + bottom};
}

// How far the frame's centre lies from the screen's (1280 x 1024), once the
// window has settled.
QPoint OffCentre(const QString& window) {
    QPoint off(9999, 9999);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        const QRect frame = Frame(window);
        if (frame.isValid()) off = QPoint(frame.x() * 2 + frame.width() - 1280, frame.y() * 2 + frame.height() - 1024) / 2;
        if (frame.isValid() && off.manhattanLength() <= 1) break;
        QThread::msleep(50);
    }
    return off;
}

// The main window once it is up, with a name typed into it.
QString MainWithAName(const RealProgram& program) {
    const QString main = program.WaitForWindowOfWidth(kWindowTitle, kMainWidth);
    if (main.isEmpty()) return {};
    Keys(main, {});
    Type(QStringLiteral("Ana"));
    return main;
}

// Every window the program shows, once only `window` is left or after 10 s.
QStringList WhenOnlyWindowIs(const RealProgram& program, const QString& window) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && program.Windows(QStringLiteral(".*")) != QStringList{window}) QThread::msleep(50);
    return program.Windows(QStringLiteral(".*"));
}

class WindowManager : public ::testing::Test {
protected:
    Openbox manager_;
};

}  // namespace

TEST_F(WindowManager, WindowsOpenWithTheirFrameCentredOnTheScreen) {
    ProgramHome home;
    RealProgram program(home);
    const QString main = MainWithAName(program);
    ASSERT_FALSE(main.isEmpty());
    const QPoint mainOff = OffCentre(main);
    EXPECT_LE(mainOff.manhattanLength(), 1) << "main window off by " << mainOff.x() << ", " << mainOff.y();

    Keys(main, {QStringLiteral("alt+g")});
    const QString result = program.WaitForWindowOfWidth(kWindowTitle, kResultWidth);
    ASSERT_FALSE(result.isEmpty());
    const QPoint resultOff = OffCentre(result);
    EXPECT_LE(resultOff.manhattanLength(), 1) << "result window off by " << resultOff.x() << ", " << resultOff.y();
}

// A window manager maps a new window in its own time, seconds when it is busy
// (openbox is, while it reloads the keyboard map). Until it has, the window
// the user leaves stays on the screen, and takes no more input: a dialog
// opened from it would be left with its window deleted beneath it. Next,
// then Exit, each asked while the manager is stopped, each followed by a
// command that would open a dialog.
TEST_F(WindowManager, AWindowStaysUntilTheOneThatFollowsIsOnTheScreen) {
    ProgramHome home;
    RealProgram program(home);
    const QString main = MainWithAName(program);
    ASSERT_FALSE(main.isEmpty());
    const auto leaveWhileStopped = [&](const QString& window, const QString& key, const QStringList& thenKeys,
                                       int nextWidth) {
        manager_.Pause();
        Keys(window, {key});
        Keys(window, thenKeys);
        QThread::msleep(1000);
        const QStringList meanwhile = program.Windows(kWindowTitle);
        manager_.Resume();
        EXPECT_EQ(meanwhile, QStringList{window}) << "no window on the screen while the next one waited";
        const QString next = program.WaitForWindowOfWidth(kWindowTitle, nextWidth);
        EXPECT_EQ(WhenOnlyWindowIs(program, next), QStringList{next}) << "the window left did not go, or opened a dialog";
        return next;
    };
    const QString result = leaveWhileStopped(main, QStringLiteral("alt+g"), {QStringLiteral("alt+o")}, kResultWidth);
    ASSERT_FALSE(result.isEmpty());
    EXPECT_FALSE(
        leaveWhileStopped(result, QStringLiteral("alt+x"), {QStringLiteral("alt+h"), QStringLiteral("a")}, kExitScreenWidth)
            .isEmpty());
}

// Import's access key and then Next's, typed together: each button clicks a
// moment after its key, so Next's click comes while Import's file dialog
// runs. The main window waits for that dialog to end before it goes, rather
// than being deleted beneath it.
TEST_F(WindowManager, AWindowLeavesOnlyOnceItsDialogHasEnded) {
    ProgramHome home;
    RealProgram program(home);
    const QString main = MainWithAName(program);
    ASSERT_FALSE(main.isEmpty());
    Xdotool({QStringLiteral("key"), QStringLiteral("alt+o"), QStringLiteral("alt+g")});
    const QString dialog = program.WaitForWindow(QStringLiteral("^Select the source file$"));
    ASSERT_FALSE(dialog.isEmpty());
    const QString result = program.WaitForWindowOfWidth(kWindowTitle, kResultWidth);
    ASSERT_FALSE(result.isEmpty()) << "Next's click did not come while the dialog ran";
    QThread::msleep(500);
    EXPECT_TRUE(program.Windows(kWindowTitle).contains(main)) << "the main window went while its dialog ran";
    Keys(dialog, {QStringLiteral("Escape")});
    EXPECT_EQ(WhenOnlyWindowIs(program, result), QStringList{result});
}

namespace {

// The title-bar boxes a window asks the window manager for, in its Motif
// hints (which openbox draws by; its menus offer every action regardless).
QStringList Boxes(const QString& window) {
    const QString hints = RunTool(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_MOTIF_WM_HINTS")});
    const QRegularExpressionMatch fields =
        QRegularExpression(QStringLiteral("= (0x[0-9a-f]+), (0x[0-9a-f]+), (0x[0-9a-f]+)")).match(hints);
    if (!fields.hasMatch()) return {QStringLiteral("(no hints)")};
    const uint flags = fields.captured(1).toUInt(nullptr, 16);
    const uint functions = (flags & 1) ? fields.captured(2).toUInt(nullptr, 16) : 1;
    const uint decorations = (flags & 2) ? fields.captured(3).toUInt(nullptr, 16) : 1;
    const bool allFunctions = functions & 1;
    const bool allDecorations = decorations & 1;
    QStringList boxes;
    if (allFunctions || (functions & 32)) boxes << QStringLiteral("close");
    if (allDecorations || (decorations & 32)) boxes << QStringLiteral("minimize");
    if (allDecorations || (decorations & 64)) boxes << QStringLiteral("maximize");
    return boxes;
}

}  // namespace

TEST_F(WindowManager, EachWindowAsksForItsOwnTitleBarBoxesOnly) {
    ProgramHome home;
    RealProgram program(home);
    const QString main = program.WaitForWindowOfWidth(kWindowTitle, kMainWidth);
    ASSERT_FALSE(main.isEmpty());
    const QStringList closeOnly{QStringLiteral("close")};
    EXPECT_EQ(Boxes(main), closeOnly) << "main window";

    Keys(main, {QStringLiteral("alt+g")});  // no name: the message
    const QString message = program.WaitForWindow(kMessageTitle);
    ASSERT_FALSE(message.isEmpty());
    EXPECT_EQ(Boxes(message), closeOnly) << "message box";
    Keys(message, {QStringLiteral("Return")});

    Keys(main, {QStringLiteral("alt+h"), QStringLiteral("a")});
    const QString about = program.WaitForWindowOfWidth(kWindowTitle, 471);
    ASSERT_FALSE(about.isEmpty());
    EXPECT_EQ(Boxes(about), closeOnly) << "about window";
    Keys(about, {QStringLiteral("Escape")});

    Keys(main, {});
    Type(QStringLiteral("Ana"));
    Keys(main, {QStringLiteral("alt+g")});
    const QString result = program.WaitForWindowOfWidth(kWindowTitle, kResultWidth);
    ASSERT_FALSE(result.isEmpty());
    EXPECT_EQ(Boxes(result), (QStringList{QStringLiteral("close"), QStringLiteral("minimize")})) << "result window";

    Keys(result, {QStringLiteral("alt+x")});
    const QString exitScreen = program.WaitForWindowOfWidth(kWindowTitle, 741);
    ASSERT_FALSE(exitScreen.isEmpty());
    EXPECT_EQ(Boxes(exitScreen), closeOnly) << "exit screen";
    Keys(exitScreen, {QStringLiteral("alt+x")});
    ASSERT_TRUE(program.WaitForExit());
}
