#include "settings/updatereminder.h"

#include "platform/platform.h"
#include "platform/utf16.h"
#include "oracle/textcodec.h"
#include "resources/texts.h"
#include "settings/settingsstore.h"
#include "settings/shortdate.h"
#include "web/pagelinks.h"

#include <QLocale>

#include <cstdlib>
#include <limits>

namespace {

const QString section = QStringLiteral("Settings");
const QString installKey = QStringLiteral("Install");
const QString durationKey = QStringLiteral("Duration");
constexpr int daysWithoutAsking = 14;

QString scrambled(const QString &text)
{
    return toQString(oracle::ScrambleText(utf16(text)));
}

QString unscrambled(const QString &text)
{
    return toQString(oracle::UnscrambleText(utf16(text)));
}

// Stored texts pass through the Windows-1252 codec, which drops what that code page lacks: a
// locale writing its dates in other digits or with direction marks stores ISO dates instead,
// which still read back.
QString storableDate(const QDate &date, const QLocale &locale)
{
    const QString text = shortDateText(date, locale);
    return unscrambled(scrambled(text)) == text ? text : date.toString(Qt::ISODate);
}

QDate readDate(const QString &text, const QLocale &locale)
{
    const QDate date = dateFromShortText(text, locale);
    return date.isValid() ? date : QDate::fromString(text, Qt::ISODate);
}

class ScrambledSettings
{
public:
    explicit ScrambledSettings(SettingsStore &store)
        : m_store(store)
    {}
    QString read(const QString &key) const
    {
        return unscrambled(m_store.read(section, scrambled(key)));
    }
    // Both values in one commit: a date is never stored without its count.
    bool write(const QString &install, const QString &duration)
    {
        return m_store.write(section, {{scrambled(installKey), scrambled(install)},
                                       {scrambled(durationKey), scrambled(duration)}});
    }

private:
    SettingsStore &m_store;
};

// The count kept under "Install", made positive. A count that is missing or unreadable starts
// again at 1, so that the reminder still records the date and a Yes still opens the page.
int installCount(const QString &stored)
{
    bool number = false;
    const int count = stored.toInt(&number);
    if (!number || count == std::numeric_limits<int>::min()) {
        return 1;
    }
    return std::abs(count);
}

} // namespace

void UpdateReminder(Platform &platform, const QLocale &locale,
                    const std::function<bool()> &programEnding)
{
    ScrambledSettings settings(platform.settings());
    const QDate today = platform.today();
    const QString recorded = settings.read(durationKey);
    if (recorded.isEmpty()) {
        settings.write(QStringLiteral("1"), storableDate(today, locale));
        return;
    }
    const QDate recordedDate = readDate(recorded, locale);
    if (!recordedDate.isValid()) {
        return;
    }
    if (std::abs(today.daysTo(recordedDate)) <= daysWithoutAsking) {
        return;
    }
    const Platform::MessageAnswer answer =
        platform.showMessage(QString::fromUtf16(texts::updateQuestion),
                             Platform::MessageIcon::Information, Platform::MessageButtons::YesNo);
    if (programEnding()) {
        return;
    }
    if (!settings.write(QString::number(installCount(settings.read(installKey))),
                        storableDate(today, locale))) {
        return;
    }
    if (answer == Platform::MessageAnswer::Yes) {
        modHelp::OpenDownloadWebPage(platform);
    }
}
