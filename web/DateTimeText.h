#pragma once
// The text form in which a moment is stored: the locale's short date, a
// blank and the locale's long time (the date alone at midnight), read back
// by the same rules.
//
// Stored texts pass the settings encoding, which keeps only character codes
// up to 170, and must come back as the same moment. So the year is always
// written with four digits, the time zone name is left out (the moment is
// local time), and where the locale's form still cannot come back intact
// (say, Japanese time units, Arabic digits) the locale-independent form
// "yyyy-MM-dd HH:mm:ss" is written instead. Reading accepts either form.

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace modHelp {

QString DateTimeText(const QDateTime& moment, const QLocale& locale = QLocale());

// A stored moment as it was written: the local date and wall-clock time,
// without a zone. It is kept apart from QDateTime, which has no value for a
// time that the local zone skips (the hour the clocks jump in spring), or
// for one stored under another zone; the date of such a moment still counts.
struct StoredMoment {
    QDate date;
    QTime time;

    StoredMoment(QDate date, QTime time) : date(date), time(time) {}
    // The wall-clock reading of a moment, as it would be written.
    StoredMoment(const QDateTime& moment) : date(moment.date()), time(moment.time()) {}  // NOLINT: implicit on purpose

    friend bool operator==(const StoredMoment&, const StoredMoment&) = default;
};

// The moment a stored text stands for, or nothing when it cannot be read.
std::optional<StoredMoment> ReadDateTimeText(const QString& text, const QLocale& locale = QLocale());

// The locale's own date and time formats, as this program uses them.
QString StoredDateFormat(const QLocale& locale);
QString StoredTimeFormat(const QLocale& locale);

}  // namespace modHelp
