#include "web/referral.h"

#include "support/fakeplatform.h"
#include "web/siteaddress.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

using modTellAFriend::ReferralFields;

ReferralFields complete()
{
    return {"Ann Lee", "ann@x.example", "Your Message\r\n", "Bob", "bob@y.example"};
}

TEST(ReferralEntries, TheFirstMissingEntryIsReportedInFormOrder)
{
    const struct
    {
        ReferralFields fields;
        QString message;
    } cases[] = {
        {{"", "", "", "", ""}, "Please Enter Your Name"},
        {{"Your Name", "a@b.c", "Hi", "Bob", "b@c.d"}, "Please Enter Your Name"},
        {{"Ann", "Your Email Address", "Hi", "Bob", "b@c.d"}, "Please Enter Your Email"},
        {{"Ann", "a@b.c", "", "Bob", "b@c.d"}, "Please Enter Your Message"},
        {{"Ann", "a@b.c", "Your Message", "Bob", "b@c.d"}, "Please Enter Your Message"},
        {{"Ann", "a@b.c", "Hi", "Friend's Name", ""}, "Please Enter Your Friend's Name"},
        {{"Ann", "a@b.c", "Hi", "Bob", "Friend's Email Address"},
         "Please Enter Your Friend's Email"},
        {{"your name", "a@b.c", "Your Message\r\n", "FRIEND'S NAME", "b@c.d"}, ""},
    };
    for (const auto &entry : cases) {
        EXPECT_EQ(modTellAFriend::missingEntryMessage(entry.fields), entry.message);
    }
}

TEST(ReferralRequest, CarriesTheEntriesInOrderBehindTheReferralPage)
{
    const QString host = siteHost();
    EXPECT_EQ(QString::fromLatin1(modTellAFriend::requestAddress(complete()).toEncoded()),
              "http://" + host +
                  "/tavik-free-huescry/ssd.php?page=kelt-refer-a-friend&taf1=Ann%20Lee"
                  "&taf2=ann%40x.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                  "&taf5=bob%40y.example&taf6=http://" +
                  host + "/tavik-free-huescry/");
}

TEST(ReferralRequest, NoEntryCanAddCutOrChangeAQueryKey)
{
    const QString hostile[] = {
        "a&taf2=evil", "x#fragment",   "=",     "1+1",
        "%41%",        "two\r\nlines", "a?b/c", QString::fromUtf8("\xC3\xA4\xE2\x82\xAC"),
        " spaced "};
    const QStringList keys = {"page", "taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};
    for (const QString &entry : hostile) {
        SCOPED_TRACE(entry.toStdString());
        for (int slot = 0; slot < 5; ++slot) {
            ReferralFields fields = complete();
            QString *entries[] = {&fields.SenderName, &fields.SenderEmail, &fields.SenderMessage,
                                  &fields.FriendName, &fields.FriendEmail};
            *entries[slot] = entry;
            const QUrl address = modTellAFriend::requestAddress(fields);
            EXPECT_TRUE(address.fragment().isEmpty());
            const auto items = QUrlQuery(address).queryItems(QUrl::FullyDecoded);
            ASSERT_EQ(items.size(), keys.size());
            for (int index = 0; index < keys.size(); ++index) {
                EXPECT_EQ(items[index].first, keys[index]);
            }
            EXPECT_EQ(items[slot + 1].second, entry);
            EXPECT_EQ(items[6].second, productDirectoryAddress());
            EXPECT_FALSE(address.toEncoded().contains('+'));
        }
    }
}

TEST(TellAFriend, OpensTheRequestOnlyWhenEveryEntryIsGiven)
{
    FakePlatform platform;
    ReferralFields fields = complete();
    fields.FriendName = "Friend's Name";
    modTellAFriend::TellAFriend(platform, fields);
    EXPECT_EQ(platform.messageTexts(), std::vector<QString>{"Please Enter Your Friend's Name"});
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Critical);
    EXPECT_TRUE(platform.openedAddresses.empty());

    platform.messages.clear();
    modTellAFriend::TellAFriend(platform, complete());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.openedAddresses,
              std::vector<QString>{
                  QString::fromLatin1(modTellAFriend::requestAddress(complete()).toEncoded())});
}

} // namespace
