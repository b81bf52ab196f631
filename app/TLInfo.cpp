#include "app/TLInfo.h"

#include "look/kit/MRBYKitHost.h"

#include <QUrl>

QString TLInfo::website()
{
    return MRBYKitHost::creditURLText();
}

QString TLInfo::websiteDomain()
{
    QString host = QUrl(website()).host();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    return host;
}
