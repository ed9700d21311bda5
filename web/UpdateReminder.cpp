#include "web/UpdateReminder.h"

#include "web/Clock.h"
#include "web/DateTimeText.h"
#include "web/Settings.h"
#include "web/modHelp.h"
#include "windows/shared/MessageBox.h"
#include "windows/shared/Quit.h"

#include <QCoreApplication>

namespace modHelp {

QString ReminderQuestion() {
    return QCoreApplication::translate("modHelp", "There maybe an update to this software available") +
           QLatin1Char('\r') + QCoreApplication::translate("modHelp", "Do you want to check for an update?");
}

qint64 DayDistance(const QDate& today, const QDate& stored) { return today.daysTo(stored); }

void UpdateReminder() {
    const QString stored = ReadSetting(kReminderKey);
    try {
        if (stored.isEmpty()) {
            // First run for this user: start counting, ask nothing.
            WriteSetting(kReminderKey, DateTimeText(Clock::Now()));
            return;
        }
        // A value that cannot be read stays as it is, and the reminder stays
        // silent until it is removed or becomes readable again.
        const auto since = ReadDateTimeText(stored);
        if (!since) return;
        // Only the dates count, so a stored time that the local zone skips
        // (or repeats) makes no difference.
        const qint64 days = DayDistance(Clock::Now().date(), since->date);
        if (days >= -14 && days <= 14) return;

        const MessageAnswer answer =
            ShowMessage(ReminderQuestion(), MessageIcon::Information, MessageButtons::YesNo);
        // The program was ended (logout, kill) while the question was up:
        // nothing was answered.
        if (ApplicationEnded()) return;
        // Stored before the page opens; a failed write opens no page.
        WriteSetting(kReminderKey, DateTimeText(Clock::Now()));
        if (answer == MessageAnswer::Yes) OpenPage(Page::DownloadWebPage);
    } catch (const SettingWriteError&) {
        // Not being able to remember is no reason to bother the user.
    }
}

}  // namespace modHelp
