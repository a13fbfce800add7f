#include "settings/shortdate.h"

// A run of exactly two y's is a two-digit year. Walked by hand rather than matched with a
// regular expression: the expression engine alone would add 0.4 MB to the program at start-up.
QString shortDateFormatWithFullYear(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString widened;
    for (qsizetype index = 0; index < format.size();) {
        qsizetype end = index;
        while (end < format.size() && format[end] == u'y') {
            ++end;
        }
        if (end == index) {
            widened += format[index++];
            continue;
        }
        widened += end - index == 2 ? QStringLiteral("yyyy") : format.mid(index, end - index);
        index = end;
    }
    return widened;
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, shortDateFormatWithFullYear(locale));
}

QDate dateFromShortText(const QString &text, const QLocale &locale)
{
    return locale.toDate(text, shortDateFormatWithFullYear(locale));
}
