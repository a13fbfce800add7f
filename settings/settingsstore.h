#pragma once

#include <QString>

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
    // False when the value did not reach the disk.
    bool write(const QString &section, const QString &key, const QString &value);

private:
    void open();

    QString m_filePath;
    std::unique_ptr<QSettings> m_settings;
    bool m_writable = true;
};
