#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates as the user's locale writes them in short form, but always with a four-digit year: a
// two-digit year would read back as 19xx.
QString shortDateFormatWithFullYear(const QLocale &locale);
QString shortDateText(const QDate &date, const QLocale &locale);
// An invalid date when the text is no date in that form.
QDate dateFromShortText(const QString &text, const QLocale &locale);
