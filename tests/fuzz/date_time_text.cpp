// Reading back a stored moment: any text, in any of a range of locales,
// either cannot be read or reads as a moment whose stored form reads back
// as the same moment.
#include "web/DateTimeText.h"
#include "web/Settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::array<QLocale, 8> locales{
        QLocale::c(),         QLocale(QStringLiteral("en_US")), QLocale(QStringLiteral("de_DE")),
        QLocale(QStringLiteral("ja_JP")), QLocale(QStringLiteral("zh_CN")), QLocale(QStringLiteral("ar_EG")),
        QLocale(QStringLiteral("ko_KR")), QLocale(QStringLiteral("fa_IR"))};
    if (size == 0) return 0;
    const QLocale& locale = locales[data[0] % locales.size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const auto moment = modHelp::ReadDateTimeText(text, locale);
    if (!moment) return 0;
    if (!moment->date.isValid() || !moment->time.isValid()) std::abort();
    const QDate date = moment->date;
    if (date.year() < 1 || date.year() > 9999) return 0;
    // Written as a wall-clock reading, whatever the local zone makes of it.
    const QString stored = modHelp::DateTimeText(QDateTime(date, moment->time, Qt::UTC), locale);
    const auto back = modHelp::ReadDateTimeText(modHelp::DecodeSettingText(modHelp::EncodeSettingText(stored)), locale);
    if (!back || back->date != date || back->time.hour() != moment->time.hour() ||
        back->time.minute() != moment->time.minute() || back->time.second() != moment->time.second()) {
        std::abort();
    }
    return 0;
}
