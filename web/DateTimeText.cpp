#include "web/DateTimeText.h"

#include "web/Settings.h"

namespace modHelp {
namespace {

const QString kPortableDate = QStringLiteral("yyyy-MM-dd");
const QString kPortableTime = QStringLiteral("HH:mm:ss");

// Applies `edit` to every run of the letter `letter` outside quoted literals.
template <class Edit>
QString editUnquotedRuns(const QString& format, QChar letter, Edit edit) {
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        if (!quoted && c == letter) {
            qsizetype end = i;
            while (end < format.size() && format[end] == letter) ++end;
            result += edit(end - i);
            i = end;
            continue;
        }
        result += c;
        ++i;
    }
    return result;
}

QString withoutEmptyBrackets(QString format) {
    format.replace(QStringLiteral("()"), QString());
    format.replace(QStringLiteral("[]"), QString());
    return format.simplified();
}

bool sameSecond(const StoredMoment& a, const QDateTime& b) {
    return a.date == b.date() && a.time.hour() == b.time().hour() && a.time.minute() == b.time().minute() &&
           a.time.second() == b.time().second();
}

QString localeText(const QDateTime& moment, const QLocale& locale) {
    if (moment.time() == QTime(0, 0)) return locale.toString(moment.date(), StoredDateFormat(locale));
    return locale.toString(moment.date(), StoredDateFormat(locale)) + QLatin1Char(' ') +
           locale.toString(moment.time(), StoredTimeFormat(locale));
}

QString portableText(const QDateTime& moment) {
    if (moment.time() == QTime(0, 0)) return moment.date().toString(kPortableDate);
    return moment.date().toString(kPortableDate) + QLatin1Char(' ') + moment.time().toString(kPortableTime);
}

std::optional<StoredMoment> readWith(const QString& text, const QLocale& locale, const QString& dateFormat,
                                     const QString& timeFormat) {
    // Date and time are read apart, at the blank that joins them: read as
    // one local date-time, a time the zone skips would have no value and the
    // date would be lost with it. The date format may hold blanks itself,
    // so each blank is tried in turn.
    for (qsizetype blank = text.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = text.indexOf(QLatin1Char(' '), blank + 1)) {
        const QDate date = locale.toDate(text.left(blank), dateFormat);
        if (!date.isValid()) continue;
        const QTime time = locale.toTime(text.mid(blank + 1), timeFormat);
        if (time.isValid()) return StoredMoment(date, time);
    }
    const QDate date = locale.toDate(text, dateFormat);
    if (date.isValid()) return StoredMoment(date, QTime(0, 0));
    return std::nullopt;
}

}  // namespace

QString StoredDateFormat(const QLocale& locale) {
    // A two-digit year would come back in the wrong century.
    return editUnquotedRuns(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('y'),
                            [](qsizetype) { return QStringLiteral("yyyy"); });
}

QString StoredTimeFormat(const QLocale& locale) {
    // The zone name is dropped: stored moments are local time.
    return withoutEmptyBrackets(editUnquotedRuns(locale.timeFormat(QLocale::LongFormat), QLatin1Char('t'),
                                                 [](qsizetype) { return QString(); }));
}

QString DateTimeText(const QDateTime& moment, const QLocale& locale) {
    const QString text = localeText(moment, locale);
    const QString stored = DecodeSettingText(EncodeSettingText(text));
    const auto back = stored == text ? ReadDateTimeText(text, locale) : std::nullopt;
    if (back && sameSecond(*back, moment)) return text;
    return portableText(moment);
}

std::optional<StoredMoment> ReadDateTimeText(const QString& text, const QLocale& locale) {
    if (text.trimmed().isEmpty()) return std::nullopt;
    if (auto moment = readWith(text, locale, StoredDateFormat(locale), StoredTimeFormat(locale))) return moment;
    return readWith(text, QLocale::c(), kPortableDate, kPortableTime);
}

}  // namespace modHelp
