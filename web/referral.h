#pragma once

#include <QString>
#include <QUrl>

class Platform;

// The refer-a-friend request: the entries of the form, sent to the site as query values.
namespace modTellAFriend {

// Prompts the boxes show while empty; an entry equal to its prompt counts as missing.
inline const QString namePrompt = QStringLiteral("Your Name");
inline const QString emailPrompt = QStringLiteral("Your Email Address");
inline const QString messagePrompt = QStringLiteral("Your Message");
inline const QString friendNamePrompt = QStringLiteral("Friend's Name");
inline const QString friendEmailPrompt = QStringLiteral("Friend's Email Address");

struct ReferralFields
{
    QString SenderName;
    QString SenderEmail;
    QString SenderMessage; // line breaks as carriage return and line feed
    QString FriendName;
    QString FriendEmail;
};

// The message for the first entry that is missing, in the order of the form; empty when none is.
QString missingEntryMessage(const ReferralFields &fields);

// The page "kelt-refer-a-friend" with taf1..taf5 the entries and taf6 the product directory.
// Every entry is percent-encoded (UTF-8), so none can add, cut or change a query key.
QUrl requestAddress(const ReferralFields &fields);

// Reports the first missing entry, or opens the request in the browser.
void TellAFriend(Platform &platform, const ReferralFields &fields);

} // namespace modTellAFriend
