#include "tests/support/QtPrinters.h"
#include "tests/support/TempSettings.h"
#include "web/Settings.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>


using namespace modHelp;

namespace {

QString AllCodes(int from, int to) {
    QString text;
    for (int c = from; c <= to; ++c) text += QChar(c);
    return text;
}

std::vector<int> Codes(const QString& text) {
    std::vector<int> codes;
    for (const QChar c : text) codes.push_back(c.unicode());
    return codes;
}

}  // namespace

TEST(SettingText, EncodingShiftsEveryCodeByEightyFiveAndDropsWhatFallsOutside) {
    EXPECT_EQ(Codes(EncodeSettingText(QStringLiteral("Duration"))),
              (std::vector<int>{153, 202, 199, 182, 201, 190, 196, 195}));
    EXPECT_EQ(EncodeSettingText(QString()), QString());
    EXPECT_EQ(DecodeSettingText(QString()), QString());

    const QString every = AllCodes(0, 170);
    EXPECT_EQ(DecodeSettingText(EncodeSettingText(every)), every);
    EXPECT_EQ(Codes(EncodeSettingText(AllCodes(169, 172))), (std::vector<int>{254, 255}));

    // Code 200 (and anything beyond one byte) is left out; the rest keeps its order.
    const QString withHigh = QStringLiteral("ab") + QChar(200) + QStringLiteral("c") + QChar(0x65E5);
    EXPECT_EQ(EncodeSettingText(withHigh), EncodeSettingText(QStringLiteral("abc")));
    EXPECT_EQ(Codes(DecodeSettingText(QString(QChar(84)) + QChar(85) + QChar(255))), (std::vector<int>{0, 170}));
}

TEST(SettingsStore, ValuesComeBackUnderTheirKeyAndAMissingOneIsEmpty) {
    TempSettings settings;
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), QString());
    const QString every = AllCodes(0, 170);
    WriteSetting(QStringLiteral("Duration"), every);
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), every);
    WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026 5:06:14 AM"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), QStringLiteral("12/8/2026 5:06:14 AM"));
    EXPECT_EQ(ReadSetting(QStringLiteral("Other")), QString());

    // Stored under the program's name (this test program is web_tests) and
    // the section "Settings", key and value encoded. That a renamed program
    // gets a store of its own is tried on the real program, renamed.
    const QString file = settings.File(QStringLiteral("web_tests"));
    ASSERT_TRUE(QFileInfo::exists(file)) << file.toStdString();
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.childGroups(), QStringList{QStringLiteral("Settings")});
    raw.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(raw.childKeys(), QStringList{EncodeSettingText(QStringLiteral("Duration"))});
    EXPECT_EQ(raw.value(EncodeSettingText(QStringLiteral("Duration"))).toString(),
              EncodeSettingText(QStringLiteral("12/8/2026 5:06:14 AM")));
}

TEST(SettingsStore, NothingIsCached) {
    TempSettings settings;
    WriteSetting(QStringLiteral("Duration"), QStringLiteral("one"));
    // Another writer (another run) changes the file behind our back.
    {
        QSettings other(settings.File(SettingsApplicationName()), QSettings::IniFormat);
        other.setValue(QStringLiteral("Settings/") + EncodeSettingText(QStringLiteral("Duration")),
                       EncodeSettingText(QStringLiteral("two")));
    }
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), QStringLiteral("two"));
}

TEST(SettingsStore, AFailedWriteIsReportedToTheCaller) {
    TempSettings settings;
    settings.MakeUnwritable();
    EXPECT_THROW(WriteSetting(QStringLiteral("Duration"), QStringLiteral("x")), SettingWriteError);
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), QString());
}
