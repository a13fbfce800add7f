#pragma once

#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>

// The settings file as another program reads and writes it: through Qt's own INI format, on a copy
// of its own. Qt shares what it has read of a file among all of a process's QSettings on that
// path, whatever their format, and on Windows Qt's INI format ignores case where the program's
// does not: on the same path, each would miss the other's keys, as two processes never do.
inline QString privateCopy(const QString &path)
{
    static int copies = 0;
    const QString copy = path + QStringLiteral(".other-") + QString::number(++copies);
    QFile::copy(path, copy); // none yet is an empty file to the other program too
    return copy;
}

inline QVariant readAsQtIni(const QString &path, const QString &key)
{
    const QString copy = privateCopy(path);
    const QVariant value = QSettings(copy, QSettings::IniFormat).value(key);
    QFile::remove(copy);
    return value;
}

inline void writeAsQtIni(const QString &path, const QString &key, const QVariant &value)
{
    const QString copy = privateCopy(path);
    QSettings(copy, QSettings::IniFormat).setValue(key, value);
    QFile::remove(path);
    QFile::rename(copy, path);
}
