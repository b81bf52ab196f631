#include "look/kit/MBFont.h"

#include "look/kit/MBZoom.h"

QFont mbFont(double size, FontWeight weight)
{
    return KitFont::font(px(size), weight);
}

QString mbPlain(const QString &title)
{
    return title;
}

QString mbMenuText(const QString &title)
{
    QString t = mbPlain(title);
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}
