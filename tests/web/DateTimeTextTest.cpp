#include "tests/support/QtPrinters.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"

#include <gtest/gtest.h>

using namespace modHelp;

namespace {

const QDateTime kAfternoon(QDate(2026, 12, 8), QTime(17, 6, 14));
const QDateTime kMorning(QDate(2031, 2, 3), QTime(4, 5, 6));
const QDateTime kMidnight(QDate(2026, 1, 31), QTime(0, 0));

// Through the store and back, as the reminder sees it.
std::optional<StoredMoment> RoundTrip(const QDateTime& moment, const QLocale& locale) {
    const QString stored = EncodeSettingText(DateTimeText(moment, locale));
    return ReadDateTimeText(DecodeSettingText(stored), locale);
}

}  // namespace

TEST(DateTimeText, EveryMomentComesBackInEveryLocale) {
    for (const char* name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "ru_RU", "ja_JP", "zh_CN", "ko_KR", "ar_EG",
                             "fa_IR", "hi_IN", "th_TH"}) {
        const QLocale locale(QString::fromLatin1(name));
        for (const QDateTime& moment : {kAfternoon, kMorning, kMidnight}) {
            EXPECT_EQ(RoundTrip(moment, locale), moment) << name << " " << moment.toString().toStdString() << " as "
                                                         << DateTimeText(moment, locale).toStdString();
        }
    }
}

TEST(DateTimeText, TheLocalesOwnFormIsUsedWhereItSurvives) {
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale(QStringLiteral("en_US"))), QStringLiteral("12/8/2026 5:06:14 PM"));
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale(QStringLiteral("de_DE"))), QStringLiteral("08.12.2026 17:06:14"));
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale::c()), QStringLiteral("8 Dec 2026 17:06:14"));
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale(QStringLiteral("zh_CN"))), QStringLiteral("2026/12/8 17:06:14"));
    // Midnight gives the date alone.
    EXPECT_EQ(DateTimeText(kMidnight, QLocale(QStringLiteral("en_US"))), QStringLiteral("1/31/2026"));
    EXPECT_EQ(DateTimeText(kMidnight, QLocale(QStringLiteral("de_DE"))), QStringLiteral("31.01.2026"));
}

TEST(DateTimeText, FormsTheStoreCannotKeepFallBackToThePortableForm) {
    // Japanese time units and Arabic digits lie beyond one byte.
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale(QStringLiteral("ja_JP"))), QStringLiteral("2026-12-08 17:06:14"));
    EXPECT_EQ(DateTimeText(kAfternoon, QLocale(QStringLiteral("ar_EG"))), QStringLiteral("2026-12-08 17:06:14"));
    EXPECT_EQ(DateTimeText(kMidnight, QLocale(QStringLiteral("ar_EG"))), QStringLiteral("2026-01-31"));
    // A Japanese or Korean date alone keeps its own form.
    EXPECT_EQ(DateTimeText(kMidnight, QLocale(QStringLiteral("ja_JP"))), QStringLiteral("2026/01/31"));
    EXPECT_EQ(DateTimeText(kMidnight, QLocale(QStringLiteral("ko_KR"))), QStringLiteral("2026. 1. 31."));
    // Two-digit years are widened rather than read back a century early.
    EXPECT_FALSE(StoredDateFormat(QLocale(QStringLiteral("en_US"))).contains(QStringLiteral("yy/")));
    EXPECT_TRUE(StoredDateFormat(QLocale(QStringLiteral("en_US"))).endsWith(QStringLiteral("yyyy")));
    // No time-zone name.
    EXPECT_FALSE(StoredTimeFormat(QLocale(QStringLiteral("fa_IR"))).contains(QLatin1Char('t')));
    EXPECT_FALSE(StoredTimeFormat(QLocale(QStringLiteral("fa_IR"))).contains(QLatin1Char('(')));
}

TEST(DateTimeText, DamagedTextsCannotBeRead) {
    const QLocale us(QStringLiteral("en_US"));
    EXPECT_EQ(ReadDateTimeText(QString(), us), std::nullopt);
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("   "), us), std::nullopt);
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("not a date"), us), std::nullopt);
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("13/45/2026 5:06:14 PM"), us), std::nullopt);
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("12/8/2026 5:06"), us), std::nullopt);
    // Another locale's text is as unreadable as a damaged one, except the
    // portable form, which every locale reads.
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("08.12.2026 17:06:14"), us), std::nullopt);
    EXPECT_EQ(ReadDateTimeText(QStringLiteral("2026-12-08 17:06:14"), us), kAfternoon);
}
