#include "settings/updatereminder.h"

#include "platform/utf16.h"
#include "oracle/textcodec.h"
#include "settings/settingsstore.h"
#include "settings/shortdate.h"
#include "support/fakeplatform.h"
#include "support/sitepages.h"
#include "web/siteaddress.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QLocale american(QLocale::English, QLocale::UnitedStates);
const QString question = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");

QString scrambled(const QString &text)
{
    return toQString(oracle::ScrambleText(utf16(text)));
}

// The store as another program would read it: keys and values unscrambled.
QString stored(const QString &path, const char *key)
{
    const QString value =
        readAsQtIni(path, QStringLiteral("Settings/") + scrambled(QLatin1String(key))).toString();
    return toQString(oracle::UnscrambleText(utf16(value)));
}

void store(const QString &path, const char *key, const QString &value)
{
    writeAsQtIni(path, QStringLiteral("Settings/") + scrambled(QLatin1String(key)),
                 scrambled(value));
}

class UpdateReminderTest : public testing::Test
{
protected:
    void run(const QLocale &locale = american)
    {
        UpdateReminder(platform, locale, [this] { return ending; });
    }
    QString recorded(int daysFromToday, const QLocale &locale = american) const
    {
        return shortDateText(platform.todayDate.addDays(daysFromToday), locale);
    }

    FakePlatform platform;
    bool ending = false;
};

TEST_F(UpdateReminderTest, FirstRunRecordsCountAndTodayScrambledAndAsksNothing)
{
    run();
    EXPECT_TRUE(platform.messages.empty());
    // "Install" and "1", each code shifted up by 85.
    EXPECT_EQ(
        readAsQtIni(platform.settingsPath,
                    QString::fromUtf16(u"Settings/\u017E\u00C3\u00C8\u00C9\u00B6\u00C1\u00C1")),
        QString::fromUtf16(u"\u2020"));
    EXPECT_EQ(stored(platform.settingsPath, "Duration"), QStringLiteral("12/8/2026"));
    EXPECT_TRUE(platform.openedAddresses.empty());
}

struct Visit
{
    const char *name;
    int recordedDaysFromToday;
    Platform::MessageAnswer answer;
    bool asked;
    bool opened;
};

class ReminderVisits : public UpdateReminderTest, public testing::WithParamInterface<Visit>
{};

TEST_P(ReminderVisits, AskOnlyPastFourteenDaysEitherWay)
{
    store(platform.settingsPath, "Install", QStringLiteral("5"));
    store(platform.settingsPath, "Duration", recorded(GetParam().recordedDaysFromToday));
    platform.answers = {GetParam().answer};
    run();
    if (!GetParam().asked) {
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(stored(platform.settingsPath, "Duration"),
                  recorded(GetParam().recordedDaysFromToday));
        return;
    }
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text, question);
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
    EXPECT_EQ(stored(platform.settingsPath, "Install"), QStringLiteral("5"));
    EXPECT_EQ(stored(platform.settingsPath, "Duration"), recorded(0));
    EXPECT_EQ(platform.openedAddresses, GetParam().opened
                                            ? std::vector<QString>{sitePage("download-web-page")}
                                            : std::vector<QString>{});
}

using Answer = Platform::MessageAnswer;
INSTANTIATE_TEST_SUITE_P(Dates, ReminderVisits,
                         testing::Values(Visit{"FourteenDaysAgo", -14, Answer::Yes, false, false},
                                         Visit{"FourteenDaysAhead", 14, Answer::Yes, false, false},
                                         Visit{"Today", 0, Answer::Yes, false, false},
                                         Visit{"FifteenDaysAgoYes", -15, Answer::Yes, true, true},
                                         Visit{"FifteenDaysAgoNo", -15, Answer::No, true, false},
                                         Visit{"FifteenDaysAheadYes", 15, Answer::Yes, true, true},
                                         Visit{"YearsAgoNo", -1000, Answer::No, true, false}),
                         [](const testing::TestParamInfo<Visit> &info) { return info.param.name; });

TEST_F(UpdateReminderTest, WritesCountThenDateBeforeOpeningThePage)
{
    store(platform.settingsPath, "Install", QStringLiteral("-3"));
    store(platform.settingsPath, "Duration", recorded(-20));
    platform.answers = {Platform::MessageAnswer::Yes};
    QString countWhenOpened;
    QString dateWhenOpened;
    platform.whileOpeningAddress = [&] {
        countWhenOpened = stored(platform.settingsPath, "Install");
        dateWhenOpened = stored(platform.settingsPath, "Duration");
    };
    run();
    EXPECT_EQ(countWhenOpened, QStringLiteral("3"));
    EXPECT_EQ(dateWhenOpened, recorded(0));
}

TEST_F(UpdateReminderTest, AnUnusableCountStartsAgainAtOneAndTheReminderCarriesOn)
{
    for (const QString &count : {QString(), QStringLiteral("abc"), QStringLiteral("99999999999"),
                                 QStringLiteral("-2147483648")}) {
        SCOPED_TRACE(count.toStdString());
        FakePlatform fresh;
        if (!count.isNull()) {
            store(fresh.settingsPath, "Install", count);
        }
        store(fresh.settingsPath, "Duration", recorded(-15));
        fresh.answers = {Platform::MessageAnswer::Yes};
        UpdateReminder(fresh, american, [] { return false; });
        EXPECT_EQ(fresh.messages.size(), 1U);
        EXPECT_EQ(stored(fresh.settingsPath, "Install"), QStringLiteral("1"));
        EXPECT_EQ(stored(fresh.settingsPath, "Duration"), recorded(0));
        EXPECT_EQ(fresh.openedAddresses, std::vector<QString>{sitePage("download-web-page")});
    }
}

TEST_F(UpdateReminderTest, ADateItCannotReadEndsItQuietly)
{
    store(platform.settingsPath, "Install", QStringLiteral("2"));
    store(platform.settingsPath, "Duration", QStringLiteral("31.31.31"));
    run();
    run();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(stored(platform.settingsPath, "Duration"), QStringLiteral("31.31.31"));
    EXPECT_EQ(stored(platform.settingsPath, "Install"), QStringLiteral("2"));
}

TEST_F(UpdateReminderTest, AnAnswerGivenWhileTheProgramEndsIsNotActedOn)
{
    store(platform.settingsPath, "Duration", recorded(-30));
    platform.answers = {Platform::MessageAnswer::Yes};
    ending = true;
    run();
    EXPECT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(stored(platform.settingsPath, "Duration"), recorded(-30));
    EXPECT_TRUE(platform.openedAddresses.empty());
}

TEST_F(UpdateReminderTest, AStoreThatCannotBeWrittenLeavesNothingAskedOrOpened)
{
    QFile blocker(platform.settingsFolder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    platform.settingsPath = blocker.fileName() + QStringLiteral("/TavikFreeHuescry.ini");
    run();
    run();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.openedAddresses.empty());
}

class ReminderInLocale : public testing::TestWithParam<const char *>
{};

TEST_P(ReminderInLocale, ReadsBackItsOwnDatesWithTheFullYear)
{
    const QLocale locale{QLatin1String(GetParam())};
    FakePlatform platform;
    UpdateReminder(platform, locale, [] { return false; });
    const QString firstRun = stored(platform.settingsPath, "Duration");
    EXPECT_TRUE(firstRun.contains(QStringLiteral("2026"))) << firstRun.toStdString();
    if (locale.zeroDigit() == u'0') {
        EXPECT_EQ(firstRun,
                  locale.toString(platform.todayDate, shortDateFormatWithFullYear(locale)));
    }

    platform.todayDate = platform.todayDate.addDays(14);
    UpdateReminder(platform, locale, [] { return false; });
    EXPECT_TRUE(platform.messages.empty());

    platform.todayDate = platform.todayDate.addDays(1);
    UpdateReminder(platform, locale, [] { return false; });
    EXPECT_EQ(platform.messages.size(), 1U);
    // The date written with the question reads back as today: the next start asks nothing.
    UpdateReminder(platform, locale, [] { return false; });
    EXPECT_EQ(platform.messages.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Locales, ReminderInLocale,
                         testing::Values("en_US", "de_DE", "fr_FR", "en_GB", "ja_JP", "nl_NL",
                                         "ar_EG", "hi_IN"));

} // namespace
