#pragma once

#include <QUrl>

class Platform;

// Hands an address of the maker's site to the default browser; any other address is dropped.
// Nothing is reported either way: a missing browser is not the program's business.
void openSiteAddress(Platform &platform, const QUrl &address);

// One routine per page of the site, named as the menus and labels that call them know them.
namespace modHelp {

void OpenDonatePage(Platform &platform);
void OpenHelpWebPage(Platform &platform);
void OpenFullyBrandedPage(Platform &platform);
void OpenCoBrandPage(Platform &platform);
void OpenHomePage(Platform &platform);
void OpenDownloadWebPage(Platform &platform);
void OpenSoftwaresPage(Platform &platform);

} // namespace modHelp
