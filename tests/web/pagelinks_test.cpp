#include "support/fakeplatform.h"
#include "support/sitepages.h"
#include "web/pagelinks.h"
#include "web/siteaddress.h"

#include <gtest/gtest.h>

namespace {

struct Link
{
    const char *name;
    void (*routine)(Platform &);
    const char *pageKey;
};

class PageLinks : public testing::TestWithParam<Link>
{};

TEST_P(PageLinks, OpenExactlyTheirPageEveryTime)
{
    FakePlatform platform;
    GetParam().routine(platform);
    GetParam().routine(platform);
    const QString expected = sitePage(GetParam().pageKey);
    EXPECT_EQ(platform.openedAddresses, (std::vector<QString>{expected, expected}));
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Routines, PageLinks,
    testing::Values(Link{"Donate", modHelp::OpenDonatePage, "donate"},
                    Link{"Help", modHelp::OpenHelpWebPage, "help-web-page"},
                    Link{"FullyBranded", modHelp::OpenFullyBrandedPage, "fully-branded"},
                    Link{"CoBrand", modHelp::OpenCoBrandPage, "co-brand"},
                    Link{"Home", modHelp::OpenHomePage, "home-page"},
                    Link{"Download", modHelp::OpenDownloadWebPage, "download-web-page"},
                    Link{"Softwares", modHelp::OpenSoftwaresPage, "orvanesoftwares"}),
    [](const testing::TestParamInfo<Link> &info) { return info.param.name; });

TEST(SiteAddress, ProductDirectoryIsTheFolderOfTheSameHost)
{
    EXPECT_EQ(productDirectoryAddress(),
              QStringLiteral("http://") + siteHost() + QStringLiteral("/tavik-free-huescry/"));
    EXPECT_TRUE(isSiteAddress(QUrl(productDirectoryAddress())));
}

TEST(SiteAddress, OnlyPlainHttpAddressesOfTheSiteReachTheBrowser)
{
    const QString host = siteHost();
    const struct
    {
        QString address;
        bool opened;
    } cases[] = {
        {sitePage("home-page"), true},
        {productDirectoryAddress(), true},
        {QStringLiteral("https://") + host + QStringLiteral("/"), false},
        {QStringLiteral("http://elsewhere.example/"), false},
        {QStringLiteral("http://") + host + QStringLiteral(".elsewhere.example/"), false},
        {QStringLiteral("http://user@") + host + QStringLiteral("/"), false},
        {QStringLiteral("http://") + host + QStringLiteral(":8080/"), false},
        {QStringLiteral("file:///etc/passwd"), false},
        {QStringLiteral("javascript:alert(1)"), false},
    };
    for (const auto &entry : cases) {
        FakePlatform platform;
        openSiteAddress(platform, QUrl(entry.address));
        EXPECT_EQ(platform.openedAddresses.size(), entry.opened ? 1U : 0U)
            << entry.address.toStdString();
    }
}

} // namespace
