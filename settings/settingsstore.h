#pragma once

#include <QString>

#include <initializer_list>
#include <memory>

class QSettings;

// The per-user settings of the program: an INI file that is never corrupted and never silently
// lost. Writes reach the disk at once, atomically; a file that cannot be parsed is set aside
// before anything is written; a file that cannot be read is never replaced.
class SettingsStore
{
public:
    explicit SettingsStore(const QString &filePath);
    ~SettingsStore();

    // Where the settings of the program started as applicationName live for this user.
    static QString userFilePath(const QString &applicationName);

    // The empty text when the key is missing or the store could not be read.
    QString read(const QString &section, const QString &key) const;
    struct Value
    {
        QString key;
        QString value;
    };
    // Writes the values in one commit, so that they reach the disk together or not at all.
    // False when they did not.
    bool write(const QString &section, std::initializer_list<Value> values);

private:
    void open();

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
    bool m_writable = true;
};
