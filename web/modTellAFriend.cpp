#include "web/modTellAFriend.h"

#include "web/modHelp.h"
#include "windows/shared/MessageBox.h"

#include <QCoreApplication>
#include <QUrl>

namespace modTellAFriend {
namespace {

QString encoded(const QString& value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }

bool emptyOr(const QString& value, const QString& placeholder) {
    return value.isEmpty() || value == placeholder;
}

}  // namespace

QString YourName() { return QCoreApplication::translate("modTellAFriend", "Your Name"); }
QString YourEmail() { return QCoreApplication::translate("modTellAFriend", "Your Email Address"); }
QString YourMessage() { return QCoreApplication::translate("modTellAFriend", "Your Message"); }
QString FriendsName() { return QCoreApplication::translate("modTellAFriend", "Friend's Name"); }
QString FriendsEmail() { return QCoreApplication::translate("modTellAFriend", "Friend's Email Address"); }

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

std::optional<QString> CheckReferral(const Referral& r) {
    const auto has = [](const QString& text, QChar c) { return text.contains(c); };
    if (r.email == r.friendEmail) {
        return QCoreApplication::translate("modTellAFriend", "Please Enter Distinct Email Addresses");
    }
    if (!has(r.email, QLatin1Char('@')) || !has(r.friendEmail, QLatin1Char('@')) || !has(r.email, QLatin1Char('.')) ||
        !has(r.friendEmail, QLatin1Char('.'))) {
        return QCoreApplication::translate("modTellAFriend", "Please Enter Proper Email Address");
    }
    if (emptyOr(r.name, YourName())) return QCoreApplication::translate("modTellAFriend", "Please Enter Your Name");
    if (emptyOr(r.email, YourEmail())) return QCoreApplication::translate("modTellAFriend", "Please Enter Your Email");
    if (emptyOr(r.message, YourMessage())) {
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Message");
    }
    if (emptyOr(r.friendName, FriendsName())) {
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Name");
    }
    if (emptyOr(r.friendEmail, FriendsEmail())) {
        return QCoreApplication::translate("modTellAFriend", "Please Enter Your Friend's Email");
    }
    return std::nullopt;
}

QString ReferralAddress(const Referral& r) {
    const QString site = QStringLiteral(KV_PROGRAM_FOLDER);
    return QStringLiteral(KV_PAGE_ADDRESS("kvts-refer-a-friend")) +
           QStringLiteral("&taf1=") + encoded(r.name) + QStringLiteral("&taf2=") + encoded(r.email) +
           QStringLiteral("&taf3=") + encoded(r.message) + QStringLiteral("&taf4=") + encoded(r.friendName) +
           QStringLiteral("&taf5=") + encoded(r.friendEmail) + QStringLiteral("&taf6=") + encoded(site);
}

void SendReferral(const Referral& typed, QWidget* form) {
    const Referral referral{TrimBlanks(typed.name), TrimBlanks(typed.email), TrimBlanks(typed.message),
                            TrimBlanks(typed.friendName), TrimBlanks(typed.friendEmail)};
    if (const auto problem = CheckReferral(referral)) {
        ShowMessage(*problem, MessageIcon::Critical, MessageButtons::Ok, form);
        return;
    }
    modHelp::OpenWebPage(ReferralAddress(referral));
}

}  // namespace modTellAFriend
