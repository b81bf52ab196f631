#include "services/TLInfo.h"

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

QString TLInfo::informationCheckedLine()
{
    // "Checked Oct 2026" → "Information checked Oct 2026."
    QString checked = Badges::checkedLabel(dataCheckedISO);
    if (!checked.isEmpty())
        checked[0] = checked[0].toLower();
    return QStringLiteral("Information ") + checked + QLatin1Char('.');
}
