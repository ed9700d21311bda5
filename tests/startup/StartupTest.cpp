#include "startup/Preload.h"
#include "startup/Startup.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TempSettings.h"
#include "tests/support/WindowTest.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/UpdateReminder.h"
#include "windows/shared/Controls.h"
#include "web/Clock.h"

#include <QLineEdit>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <system_error>
#include <thread>

namespace {

class Startup : public WindowTest {
protected:
    TempSettings settings;
    QTemporaryDir lockFolder;

    SingleInstance Instance() { return SingleInstance(lockFolder.filePath(QStringLiteral("kv.lock"))); }
};

// The caption a click in the middle of the sponsor frame reaches.
QWidget* CaptionInFront(QMainWindow& window) {
    auto* frame = window.findChild<QWidget*>(QStringLiteral("fraFullBrand"));
    return frame->childAt(frame->rect().center());
}

}  // namespace

TEST_F(Startup, RemindsBeforeTheMainWindowAndChoosesTheSponsorAfterIt) {
    // A reminder that is due: last asked twenty days ago.
    modHelp::WriteSetting(QStringLiteral("Duration"), modHelp::DateTimeText(QDateTime::currentDateTime().addDays(-20)));
    bool mainLoadedAtQuestion = true;
    onMessage = [&](const MessageRequest&) { mainLoadedAtQuestion = Forms::Loaded<frmMain>() != nullptr; };

    // The generator is seeded from the clock first; the sponsor choice then
    // takes its one value while the main window is already on the screen.
    struct Watching final : Random::Source {
        std::vector<std::uint64_t> seeds;
        bool mainVisibleAtDraw = false;
        int draws = 0;
        float next() override {
            ++draws;
            mainVisibleAtDraw = Forms::Loaded<frmMain>() && Forms::Loaded<frmMain>()->isVisible();
            return 0.5f;
        }
        void seed(std::uint64_t value) override { seeds.push_back(value); }
    } source;
    Random::ScopedSource scope(source);

    SingleInstance instance = Instance();
    ASSERT_EQ(StartupSequence(instance), StartupResult::Running);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].request.text, modHelp::ReminderQuestion());
    EXPECT_FALSE(mainLoadedAtQuestion);
    EXPECT_EQ(source.seeds.size(), 1u);
    EXPECT_EQ(source.draws, 1);
    EXPECT_TRUE(source.mainVisibleAtDraw);
    EXPECT_TRUE(Visible(Forms::Loaded<frmMain>()));
    EXPECT_EQ(processEnds, 0);
}

TEST_F(Startup, ASecondInstanceIsToldAndEndsWithoutAnything) {
    QLockFile first(lockFolder.filePath(QStringLiteral("kv.lock")));
    ASSERT_TRUE(first.tryLock(0));
    ScopedScript scripted({});
    SingleInstance instance = Instance();
    EXPECT_EQ(StartupSequence(instance), StartupResult::AlreadyRunning);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].request.text, QStringLiteral("Application is already running"));
    EXPECT_EQ(shown[0].request.icon, MessageIcon::Information);
    EXPECT_EQ(shown[0].request.buttons, MessageButtons::Ok);
    EXPECT_EQ(processEnds, 1);
    EXPECT_TRUE(scripted.script.seeds().empty());
    EXPECT_EQ(scripted.script.used(), 0u);
    EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(modHelp::ReadSetting(QStringLiteral("Duration")).isEmpty());
}

TEST_F(Startup, AStaleOrUnwritableLockDoesNotKeepTheProgramFromStarting) {
    // A lock whose owner is gone (a process id that cannot be running).
    const QString path = lockFolder.filePath(QStringLiteral("kv.lock"));
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\nkvyaxkelen\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance instance = Instance();
    EXPECT_TRUE(instance.Acquire());

    // No place to keep a lock at all: run rather than refuse.
    SingleInstance nowhere(QStringLiteral("/proc/no-such-folder/kv.lock"));
    EXPECT_TRUE(nowhere.Acquire());
}

TEST_F(Startup, SponsorChoiceFollowsTheDrawnNumber) {
    const float largest = std::nextafter(1.0f, 0.0f);
    const std::vector<std::tuple<float, int, const char*>> cases{
        {0.0f, 1, "lblCobrand"}, {0.5f, 4, "lblFullBrand"}, {largest, 6, "lblFullBrand"},
        {0.17f, 2, "lblFullBrand"}, {0.34f, 3, "lblCobrand"}, {0.8f, 5, "lblCobrand"}};
    for (const auto& [r, n, front] : cases) {
        SCOPED_TRACE(r);
        ScopedScript scripted({r});
        frmMain& window = Forms::Load<frmMain>();
        window.show();
        CoBrand_Randomize();
        EXPECT_EQ(intCoBrandRandomNumber, n);
        EXPECT_EQ(CaptionInFront(window)->objectName(), QString::fromLatin1(front));
        // The click reaches the caption in front, and only it.
        opened.clear();
        QTest::mouseClick(CaptionInFront(window), Qt::LeftButton);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0], QString::fromLatin1(std::string(front) == "lblCobrand" ? KV_PAGE_ADDRESS("co-brand")
                                                                                    : KV_PAGE_ADDRESS("fully-branded")));
        CloseEverything();
    }
}

TEST_F(Startup, OnlyTheFirstMainWindowOfARunIsReordered) {
    ScopedScript scripted({0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.6f});
    frmMain& first = Forms::Load<frmMain>();
    first.show();
    CoBrand_Randomize();
    EXPECT_EQ(CaptionInFront(first)->objectName(), QStringLiteral("lblFullBrand"));

    first.txtName->setText(QStringLiteral("Ana"));
    first.NextSequence();
    Settle();
    frmMayanTarotResult* result = Forms::Loaded<frmMayanTarotResult>();
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(CaptionInFront(*result)->objectName(), QStringLiteral("lblCobrand"));
    result->Back();
    Settle();
    EXPECT_EQ(CaptionInFront(*Forms::Loaded<frmMain>())->objectName(), QStringLiteral("lblCobrand"));
    EXPECT_EQ(intCoBrandRandomNumber, 4);
}

namespace {

std::thread::id workedOn;
int works = 0;
void Work() {
    workedOn = std::this_thread::get_id();
    ++works;
}

}  // namespace

TEST(WorkAhead, RunsOnAThreadOfItsOwnOrInLineWhenNoneCanBeMade) {
    works = 0;
    {
        const Ahead ahead(Work);
    }
    EXPECT_EQ(works, 1);
    EXPECT_NE(workedOn, std::this_thread::get_id());
    // The process may make no more threads (a low ulimit -u): the work is
    // done before the constructor returns, on this thread.
    const Ahead inLine(Work, [](Ahead::Work) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    EXPECT_EQ(works, 2);
    EXPECT_EQ(workedOn, std::this_thread::get_id());
}
