#pragma once
// "Refer A Friend": the checks on the exit screen's form and the referral
// page address.

#include <QString>

#include <optional>

class QWidget;

namespace modTellAFriend {

struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// What the form's boxes hold until the user types, in the reader's language.
QString YourName();
QString YourEmail();
QString YourMessage();
QString FriendsName();
QString FriendsEmail();

// Blanks (and only blanks) removed at both ends.
QString TrimBlanks(const QString& text);

// The message for the first check the referral fails, or nothing when it
// passes them all.
std::optional<QString> CheckReferral(const Referral& referral);

// The referral page address. Every value is percent-encoded (UTF-8), so it
// arrives exactly as typed, whatever "&", "=", "#" or line breaks it holds.
QString ReferralAddress(const Referral& referral);

// The step behind "Refer A Friend Now": takes the five values as the form
// holds them, blanks removed at both ends, checks them (telling the user
// what is wrong, over `form`) and opens the referral page.
void SendReferral(const Referral& typed, QWidget* form);

}  // namespace modTellAFriend
