#include "web/referral.h"

#include "platform/platform.h"
#include "resources/texts.h"
#include "web/pagelinks.h"
#include "web/siteaddress.h"

namespace modTellAFriend {
namespace {

bool missing(const QString &entry, const QString &prompt)
{
    return entry.isEmpty() || entry == prompt;
}

void OpenReferralAddress(Platform &platform, const QUrl &address)
{
    openSiteAddress(platform, address);
}

} // namespace

QString missingEntryMessage(const ReferralFields &fields)
{
    const struct
    {
        const QString &entry;
        const QString &prompt;
        const char16_t *message;
    } tests[] = {
        {fields.SenderName, namePrompt, texts::enterYourName},
        {fields.SenderEmail, emailPrompt, texts::enterYourEmail},
        {fields.SenderMessage, messagePrompt, texts::enterYourMessage},
        {fields.FriendName, friendNamePrompt, texts::enterFriendsName},
        {fields.FriendEmail, friendEmailPrompt, texts::enterFriendsEmail},
    };
    for (const auto &test : tests) {
        if (missing(test.entry, test.prompt)) {
            return QString::fromUtf16(test.message);
        }
    }
    return {};
}

QUrl requestAddress(const ReferralFields &fields)
{
    QByteArray address = pageAddress(QStringLiteral("kelt-refer-a-friend")).toEncoded();
    const QString *entries[] = {&fields.SenderName, &fields.SenderEmail, &fields.SenderMessage,
                                &fields.FriendName, &fields.FriendEmail};
    int number = 1;
    for (const QString *entry : entries) {
        address += "&taf" + QByteArray::number(number++) + '=' + QUrl::toPercentEncoding(*entry);
    }
    address += "&taf6=" + productDirectoryAddress().toLatin1();
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

void TellAFriend(Platform &platform, const ReferralFields &fields)
{
    const QString message = missingEntryMessage(fields);
    if (!message.isEmpty()) {
        platform.showMessage(message, Platform::MessageIcon::Critical);
        return;
    }
    OpenReferralAddress(platform, requestAddress(fields));
}

} // namespace modTellAFriend
