#include "web/siteaddress.h"

namespace {

const QString productPath = QStringLiteral("/tavik-free-huescry/");

} // namespace

QString siteHost()
{
    return QStringLiteral(HUESCRY_SITE_HOST);
}

QUrl pageAddress(const QString &pageKey)
{
    return QUrl(QStringLiteral("http://") + siteHost() + productPath +
                QStringLiteral("ssd.php?page=") + pageKey);
}

QString productDirectoryAddress()
{
    return QStringLiteral("http://") + siteHost() + productPath;
}

bool isSiteAddress(const QUrl &address)
{
    return address.isValid() && address.scheme() == QLatin1String("http") &&
           address.host() == siteHost() && address.userInfo().isEmpty() && address.port() == -1;
}
