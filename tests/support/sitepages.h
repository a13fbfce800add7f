#pragma once

#include "web/siteaddress.h"

#include <QString>

// The address a page key must open, written out in full so that the program's own address
// building is checked, not repeated; only the host is the build's.
inline QString sitePage(const char *pageKey)
{
    return QStringLiteral("http://") + siteHost() +
           QStringLiteral("/tavik-free-huescry/ssd.php?page=") + QLatin1String(pageKey);
}
