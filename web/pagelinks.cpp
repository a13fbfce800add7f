#include "web/pagelinks.h"

#include "platform/platform.h"
#include "web/siteaddress.h"

void openSiteAddress(Platform &platform, const QUrl &address)
{
    if (isSiteAddress(address)) {
        platform.openAddress(address);
    }
}

namespace modHelp {
namespace {

void openPage(Platform &platform, const char *pageKey)
{
    openSiteAddress(platform, pageAddress(QString::fromLatin1(pageKey)));
}

} // namespace

void OpenDonatePage(Platform &platform)
{
    openPage(platform, "donate");
}

void OpenHelpWebPage(Platform &platform)
{
    openPage(platform, "help-web-page");
}

void OpenFullyBrandedPage(Platform &platform)
{
    openPage(platform, "fully-branded");
}

void OpenCoBrandPage(Platform &platform)
{
    openPage(platform, "co-brand");
}

void OpenHomePage(Platform &platform)
{
    openPage(platform, "home-page");
}

void OpenDownloadWebPage(Platform &platform)
{
    openPage(platform, "download-web-page");
}

void OpenSoftwaresPage(Platform &platform)
{
    openPage(platform, "orvanesoftwares");
}

} // namespace modHelp
