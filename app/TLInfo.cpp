#include "app/TLInfo.h"

#include "look/kit/MRBYKitHost.h"

#include <QDate>
#include <QLocale>
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

QString TLInfo::dataCheckedLongDate()
{
    // The C locale's month names: fixed English, never the user's locale.
    const QDate day = QDate::fromString(dataCheckedISO, Qt::ISODate);
    return day.isValid() ? QLocale::c().toString(day, u"MMMM d, yyyy") : dataCheckedISO;
}
