#pragma once
// At start-up, at most once every fifteen calendar days, offers to look for
// a newer version of the program.

#include <QDate>
#include <QString>

namespace modHelp {

inline const QString kReminderKey = QStringLiteral("Duration");
// The question, its two sentences apart by a lone carriage return.
QString ReminderQuestion();

// Calendar days from today to the stored date (negative in the past); the
// time of day of either plays no part.
qint64 DayDistance(const QDate& today, const QDate& stored);

void UpdateReminder();

}  // namespace modHelp
