#include "settings/shortdate.h"

#include <QRegularExpression>

QString shortDateFormatWithFullYear(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, shortDateFormatWithFullYear(locale));
}

QDate dateFromShortText(const QString &text, const QLocale &locale)
{
    return locale.toDate(text, shortDateFormatWithFullYear(locale));
}
