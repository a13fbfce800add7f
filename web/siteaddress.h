#pragma once

#include <QString>
#include <QUrl>

// Addresses on the maker's web site. The host is fixed when the program is built
// (HUESCRY_SITE_HOST), so every page, the product directory and the About window name one site.
QString siteHost();

// http://HOST/tavik-free-huescry/ssd.php?page=KEY
QUrl pageAddress(const QString &pageKey);

// http://HOST/tavik-free-huescry/
QString productDirectoryAddress();

// True only for an http address on the maker's host: nothing else is ever handed to the browser.
bool isSiteAddress(const QUrl &address);
