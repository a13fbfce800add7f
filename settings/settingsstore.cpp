#include "settings/settingsstore.h"

#include "settings/iniastext.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

SettingsStore::SettingsStore(const QString &filePath)
    : m_filePath(filePath)
{
    open();
}

SettingsStore::~SettingsStore() = default;

// Where Qt keeps a user's INI settings: the XDG configuration folder on Linux, the roaming
// application data on Windows, which follows the user from machine to machine.
QString SettingsStore::userFilePath(const QString &applicationName)
{
    // Named through this program's own format: asked through Qt's, Qt would read the file with
    // its own reader, and keep what it read for the store to use.
    return QSettings(iniAsTextFormat(), QSettings::UserScope, QStringLiteral("Tavik"),
                     applicationName)
        .fileName();
}

void SettingsStore::open()
{
    const QFileInfo file(m_filePath);
    // Writing over a file we cannot read would lose what it holds.
    m_writable = !file.exists() || file.isReadable();
    m_settings = std::make_unique<QSettings>(m_filePath, iniAsTextFormat());
    // QSettings parses lazily: asking for the keys makes it read the file now.
    m_settings->allKeys();
    if (m_settings->status() != QSettings::FormatError) {
        return;
    }
    // Its next save would keep only what could be parsed: keep the whole file aside instead,
    // and start afresh. Where it cannot be moved, it is only read.
    const QString asideName =
        m_filePath + QStringLiteral(".unreadable-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
    m_writable = QFile::rename(m_filePath, asideName);
    if (m_writable) {
        m_settings = std::make_unique<QSettings>(m_filePath, iniAsTextFormat());
    }
}

QString SettingsStore::read(const QString &section, const QString &key) const
{
    return m_settings->value(section + u'/' + key).toString();
}

bool SettingsStore::write(const QString &section, std::initializer_list<Value> values)
{
    if (!m_writable) {
        return false;
    }
    for (const Value &entry : values) {
        m_settings->setValue(section + u'/' + entry.key, entry.value);
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
