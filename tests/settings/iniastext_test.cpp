#include "settings/iniastext.h"

#include "support/qtini.h"
#include "support/qtprinters.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

bool read(const QByteArray &file, QSettings::SettingsMap &map)
{
    QBuffer buffer;
    buffer.setData(file);
    return buffer.open(QIODevice::ReadOnly) && iniAsText::read(buffer, map);
}

QByteArray written(const QSettings::SettingsMap &map)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(iniAsText::write(buffer, map));
    return QByteArray(buffer.data()).replace("\r\n", "\n");
}

// Qt's syntax, and every value the text it is: none reaches Qt's typed values, pictures among
// them. What Qt would have made something else is written back as it stood.
TEST(IniAsText, ReadsQtsSyntaxEveryValueAsTextAndWritesBackWhatItDidNotMake)
{
    const struct
    {
        QByteArray file;
        QString key;
        QString read;
        QByteArray writtenBack;
    } rows[] = {
        {"[Settings]\nKey=x", "Settings/Key", "x", "[Settings]\nKey=x\n"},
        {"[Settings]\nkey=x", "Settings/key", "x", "[Settings]\nkey=x\n"},
        {"[general]\nk=x", "k", "x", "[General]\nk=x\n"},
        {"[%General]\nk=x", "General/k", "x", "[%General]\nk=x\n"},
        {"[a%20b]\nc\\d=x", "a b/c/d", "x", "[a%20b]\nc\\d=x\n"},
        {"k=@@Variant(x)", "k", "@Variant(x)", "[General]\nk=@@Variant(x)\n"},
        {"k=@String(x)", "k", "x", "[General]\nk=x\n"},
        {"k=@Variant(\\0\\0\\0\\x7f)", "k", "@Variant(\\0\\0\\0\\x7f)",
         "[General]\nk=@Variant(\\0\\0\\0\\x7f)\n"},
        {"k=@Rect(1 2 3 4)", "k", "@Rect(1 2 3 4)", "[General]\nk=@Rect(1 2 3 4)\n"},
        {"k=a, b", "k", "a, b", "[General]\nk=a, b\n"},
        {"k=\"a, b\" ", "k", "a, b", "[General]\nk=\"a, b\"\n"},
        {"k=x\\x41y\\t\\?\\'", "k", "xAy\t?'", "[General]\nk=xAy\\t?'\n"},
        {"k=  \xc3\xbc ; a comment", "k", QString::fromUtf16(u"\u00FC"), "[General]\nk=\xc3\xbc\n"},
        {"k=a\\\nb", "k", "ab", "[General]\nk=ab\n"},
        {"k=\"a\nb\"", "k", "a\nb", "[General]\nk=a\\nb\n"},
        {"k=\"open", "k", "open", "[General]\nk=open\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        QSettings::SettingsMap map;
        ASSERT_TRUE(read(row.file, map));
        ASSERT_EQ(map.keys(), QStringList{row.key});
        EXPECT_EQ(map.value(row.key).toString(), row.read);
        EXPECT_EQ(written(map), row.writtenBack);
    }
    // The two faults Qt reports as a format error.
    for (const QByteArray broken : {"[Settings\nk=x", "[Settings]\nno equals sign"}) {
        QSettings::SettingsMap map;
        EXPECT_FALSE(read(broken, map)) << broken.toStdString();
    }
}

// Files written through Qt's INI format read the same, and Qt reads ours.
TEST(IniAsText, ReadsAndWritesWhatQtsOwnIniFormatDoes)
{
    const QString texts[] = {
        QString::fromUtf16(u"\u2020\u2026\u0081 \u00B6"),
        "@starts with at",
        "a, b; c=d",
        " spaced ",
        "quote \" and \\",
        QString::fromUtf16(u"tab\tline\r\nnul\u0000 \U0001F600"),
        "",
    };
    const QString key = QString::fromUtf16(u"Settings/\u017E\u00C3 x");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("qt.ini"));
    for (const QString &text : texts) {
        SCOPED_TRACE(text.toStdString());
        writeAsQtIni(path, key, text);
        EXPECT_EQ(QSettings(path, iniAsTextFormat()).value(key), text);
        QSettings(path, iniAsTextFormat()).setValue(key, text);
        EXPECT_EQ(readAsQtIni(path, key), text);
    }
}

} // namespace
