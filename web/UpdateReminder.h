#pragma once
// At start-up, at most once every fifteen calendar days, offers to look for
// a newer version of the program.

#include <QDate>
#include <QString>

namespace modHelp {

inline const QString kReminderKey = QStringLiteral("Duration");
inline const QString kReminderQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

// Calendar days from today to the stored date (negative in the past); the
// time of day of either plays no part.
qint64 DayDistance(const QDate& today, const QDate& stored);

void UpdateReminder();

}  // namespace modHelp
