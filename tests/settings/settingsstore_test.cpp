#include "settings/settingsstore.h"

#include "support/fakeplatform.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString section = QStringLiteral("Settings");
const QString key = QString::fromUtf16(u"\u017E\u00C3\u00C8\u00C9\u00B6\u00C1\u00C1");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStore, KeepsScrambledNamesAndValuesAcrossRuns)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("TavikFreeHuescry.ini"));
    const QString value = QString::fromUtf16(u"\u2020\u2026\u0081 \u00B6");
    EXPECT_TRUE(SettingsStore(path).write(section, {{key, value}, {QStringLiteral("Other"), "2"}}));
    EXPECT_EQ(SettingsStore(path).read(section, key), value);
    EXPECT_EQ(SettingsStore(path).read(section, QStringLiteral("Other")), QStringLiteral("2"));
    EXPECT_EQ(SettingsStore(path).read(section, QStringLiteral("missing")), QString());
}

// Another program, or a profile synced from elsewhere, may have put anything in the file. Every
// value is read as the text it is: none reaches Qt's typed values, pictures among them.
TEST(SettingsStore, ReadsEveryValueAsTextAndKeepsWhatItDoesNotOwn)
{
    // The user's file, named as at start-up: naming it must not have Qt read it its own way.
    QTemporaryDir folder;
    const QString usualFolder = QFileInfo(SettingsStore::userFilePath(QStringLiteral("x"))).path();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    const auto restore = qScopeGuard([&] {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QFileInfo(usualFolder).path());
    });
    const QString path = SettingsStore::userFilePath(QStringLiteral("TavikFreeHuescry"));
    ASSERT_TRUE(path.startsWith(folder.path()));
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    writeAsQtIni(path, QStringLiteral("Settings/picture"), picture);
    const QByteArray png = contents(path).split('\n').at(1).trimmed().mid(strlen("picture="));
    ASSERT_TRUE(png.startsWith("@Variant(")) << png.toStdString();

    SettingsStore store(path);
    EXPECT_EQ(store.read(section, QStringLiteral("picture")), QString::fromLatin1(png));
    ASSERT_TRUE(store.write(section, {{key, QStringLiteral("mine")}}));
    EXPECT_TRUE(contents(path).replace("\r\n", "\n").contains("picture=" + png + '\n'));
}

TEST(SettingsStore, SetsAsideAFileItCannotParseRatherThanOverwritingIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("TavikFreeHuescry.ini"));
    const char raw[] = "[Settings\nkept=1\n[broken\n\xff\xfe\x00garbage";
    const QByteArray corrupt(raw, sizeof raw - 1);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(corrupt);
    }
    SettingsStore store(path);
    EXPECT_TRUE(store.write(section, {{key, QStringLiteral("value")}}));
    EXPECT_EQ(SettingsStore(path).read(section, key), QStringLiteral("value"));

    const QStringList aside =
        QDir(folder.path()).entryList({QStringLiteral("TavikFreeHuescry.ini.unreadable-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contents(folder.filePath(aside.front())), corrupt);
}

TEST(SettingsStore, AFolderThatCannotBeWrittenFailsTheWriteWithoutHarm)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    SettingsStore store(blocker.fileName() + QStringLiteral("/TavikFreeHuescry.ini"));
    EXPECT_FALSE(store.write(section, {{key, QStringLiteral("value")}}));
    EXPECT_FALSE(QFile::exists(blocker.fileName() + QStringLiteral("/TavikFreeHuescry.ini")));
}

TEST(SettingsStore, EachExecutableNameHasItsOwnFileForThisUser)
{
    const QString shipped = SettingsStore::userFilePath(QStringLiteral("TavikFreeHuescry"));
    const QString copy = SettingsStore::userFilePath(QStringLiteral("Huescry2"));
    EXPECT_NE(shipped, copy);
    EXPECT_TRUE(shipped.endsWith(QStringLiteral("/TavikFreeHuescry.ini")));
    EXPECT_TRUE(shipped.startsWith(QDir::homePath()) ||
                qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
}

} // namespace
