#include "look/app/TLStyle.h"

#include "look/app/TLPrefs.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"

namespace TLStyle {

int textSize() { return Prefs::shared().integer(TLPrefs::textSizeKey); }

double scale()
{
    static constexpr double table[] = {1.0, 1.25, 1.5};
    const int n = textSize();
    return table[n < 0 ? 0 : (n > 2 ? 2 : n)];
}

const QStringList &textSizeNames()
{
    static const QStringList names = {QStringLiteral("Normal"), QStringLiteral("Large"),
                                      QStringLiteral("Extra large")};
    return names;
}

void setTextSize(int size) { Prefs::shared().setInteger(TLPrefs::textSizeKey, size); }

} // namespace TLStyle

double tlPx(double size) { return px(size * TLStyle::scale()); }

QFont tlFont(double size, FontWeight weight) { return KitFont::font(tlPx(size), weight); }
