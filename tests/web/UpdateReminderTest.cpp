#include "tests/support/QtPrinters.h"
#include "tests/support/TempSettings.h"
#include "tests/support/WindowTest.h"
#include "web/Clock.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/UpdateReminder.h"

#include <QCoreApplication>
#include <QProcess>

using namespace modHelp;

namespace {

const QDateTime kToday(QDate(2026, 12, 8), QTime(0, 1));

class Reminder : public WindowTest {
protected:
    Reminder() : clock_([this] { return now; }) {
        // The settings are read back at every step: record what was stored
        // when the page opened.
        onMessage = [this](const MessageRequest&) { storedAtQuestion = Stored(); };
    }

    static QString Stored() { return ReadSetting(kReminderKey); }
    static void Store(const QDateTime& moment) { WriteSetting(kReminderKey, DateTimeText(moment)); }

    int Questions() const {
        int count = 0;
        for (const ShownMessage& message : shown) count += message.request.text == ReminderQuestion() ? 1 : 0;
        return count;
    }

    TempSettings settings;
    QDateTime now = kToday;
    QString storedAtQuestion;

private:
    Clock::ScopedClock clock_;
};

}  // namespace

TEST_F(Reminder, TheFirstRunStartsCountingAndAsksNothing) {
    UpdateReminder();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ReadDateTimeText(Stored()), kToday);
    EXPECT_TRUE(opened.empty());
}

TEST_F(Reminder, FourteenDaysAreQuietFifteenAsk) {
    Store(kToday.addDays(-14));
    UpdateReminder();
    EXPECT_EQ(Questions(), 0);
    EXPECT_EQ(ReadDateTimeText(Stored()), kToday.addDays(-14));  // nothing written

    Store(kToday.addDays(14));
    UpdateReminder();
    EXPECT_EQ(Questions(), 0);

    Store(kToday.addDays(-15));
    UpdateReminder();
    ASSERT_EQ(Questions(), 1);
    const MessageRequest& question = shown.back().request;
    EXPECT_EQ(question.text,
              QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?"));
    EXPECT_EQ(question.icon, MessageIcon::Information);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.caption, QStringLiteral("KV Yaxkelen"));
}

TEST_F(Reminder, OnlyCalendarDatesCount) {
    // 23:59 fifteen days ago against 00:01 today: barely more than fourteen
    // days of time, but fifteen calendar days.
    Store(QDateTime(kToday.date().addDays(-15), QTime(23, 59)));
    UpdateReminder();
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(DayDistance(QDate(2026, 12, 8), QDate(2026, 12, 8)), 0);
    EXPECT_EQ(DayDistance(QDate(2026, 12, 8), QDate(2026, 12, 9)), 1);
    EXPECT_EQ(DayDistance(QDate(2026, 12, 8), QDate(2026, 11, 23)), -15);
}

TEST_F(Reminder, AClockSetBackAsksAndResetsTheMoment) {
    Store(kToday.addDays(15));
    now = kToday.addSecs(3600);
    UpdateReminder();
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(ReadDateTimeText(Stored()), now);
}

TEST_F(Reminder, NoOpensNothingAndSilencesTheNextFourteenDays) {
    Store(kToday.addDays(-30));
    answers = {MessageAnswer::No};
    UpdateReminder();
    EXPECT_EQ(Questions(), 1);
    EXPECT_TRUE(opened.empty());
    const QDateTime answered = now;
    EXPECT_EQ(ReadDateTimeText(Stored()), answered);
    for (int day = 1; day <= 14; ++day) {
        now = answered.addDays(day);
        UpdateReminder();
    }
    EXPECT_EQ(Questions(), 1);
    now = answered.addDays(15);
    UpdateReminder();
    EXPECT_EQ(Questions(), 2);
}

TEST_F(Reminder, YesStoresTheAnswerMomentThenOpensTheDownloadPageOnce) {
    Store(kToday.addDays(-100));
    answers = {MessageAnswer::Yes};
    // The answer comes an hour after the start: that is the moment stored.
    onMessage = [this](const MessageRequest&) {
        storedAtQuestion = Stored();
        now = kToday.addSecs(3600);
    };
    QString storedAtPage;
    modHelp::ScopedPageOpener pages([&](const QUrl& url) {
        storedAtPage = Stored();
        opened.push_back(url.toString());
    });
    UpdateReminder();
    ASSERT_EQ(opened, std::vector<QString>{QStringLiteral(KV_PAGE_ADDRESS("download-web-page"))});
    EXPECT_EQ(ReadDateTimeText(storedAtQuestion), kToday.addDays(-100));
    EXPECT_EQ(ReadDateTimeText(storedAtPage), kToday.addSecs(3600));
}

TEST_F(Reminder, ADamagedValueKeepsItQuietAndUntouched) {
    WriteSetting(kReminderKey, QStringLiteral("when the moon is full"));
    for (int run = 0; run < 3; ++run) UpdateReminder();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Stored(), QStringLiteral("when the moon is full"));
}

TEST_F(Reminder, AStoredTimeThatTheLocalZoneSkipsStillCountsByItsDate) {
    // In New York the clocks went from 2:00 to 3:00 on 8 March 2026, so
    // 2:30 that night, written under another zone, is no local time. The
    // test runs again in a process of its own in that zone: the zone is read
    // once a process starts, and setting TZ in a running test upsets
    // LeakSanitizer at exit.
    const char* const inNewYork = "KV_TEST_IN_NEW_YORK";
    if (!qEnvironmentVariableIsSet(inNewYork)) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TZ"), QStringLiteral("America/New_York"));
        env.insert(QString::fromLatin1(inNewYork), QStringLiteral("1"));
        QProcess again;
        again.setProcessEnvironment(env);
        again.setProcessChannelMode(QProcess::MergedChannels);
        again.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=Reminder.AStoredTimeThatTheLocalZoneSkipsStillCountsByItsDate")});
        ASSERT_TRUE(again.waitForFinished(60000));
        EXPECT_EQ(again.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(again.exitCode(), 0) << again.readAll().toStdString();
        return;
    }
    ASSERT_FALSE(QDateTime(QDate(2026, 3, 8), QTime(2, 30)).isValid()) << "the local zone is not New York's";
    WriteSetting(kReminderKey, DateTimeText(QDateTime(QDate(2026, 3, 8), QTime(2, 30), Qt::UTC)));
    now = QDateTime(QDate(2026, 3, 22), QTime(23, 0));
    UpdateReminder();
    EXPECT_EQ(Questions(), 0);
    now = QDateTime(QDate(2026, 3, 23), QTime(0, 30));
    UpdateReminder();
    EXPECT_EQ(Questions(), 1);
}

TEST_F(Reminder, UnwritableSettingsAreSilentAndOpenNoPage) {
    settings.MakeUnwritable();
    UpdateReminder();  // first run, and the write fails
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(Reminder, AnAnswerThatCannotBeStoredOpensNoPage) {
    Store(kToday.addDays(-20));
    answers = {MessageAnswer::Yes};
    // The settings become unwritable while the question is up.
    onMessage = [this](const MessageRequest&) { settings.MakeUnwritable(); };
    UpdateReminder();
    EXPECT_EQ(Questions(), 1);
    EXPECT_TRUE(opened.empty());
}
