#include "look/kit/KitFont.h"

#include <QGuiApplication>
#include <QScreen>

namespace KitFont {

double pixelsPerPoint()
{
    double dpi = 96.0;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInchY();
    }
    if (!(dpi > 0.0))
        dpi = 96.0;
    return dpi / 72.0;
}

QFont::Weight qtWeight(FontWeight weight)
{
    switch (weight) {
    case FontWeight::UltraLight: return QFont::Thin;
    case FontWeight::Thin: return QFont::ExtraLight;
    case FontWeight::Light: return QFont::Light;
    case FontWeight::Regular: return QFont::Normal;
    case FontWeight::Medium: return QFont::Medium;
    case FontWeight::Semibold: return QFont::DemiBold;
    case FontWeight::Bold: return QFont::Bold;
    case FontWeight::Heavy: return QFont::ExtraBold;
    case FontWeight::Black: return QFont::Black;
    }
    return QFont::Normal;
}

QFont font(double px, FontWeight weight)
{
    QFont f;
    f.setFamilies({QStringLiteral("Inter"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    f.setPointSizeF(px > 0.0 ? px / pixelsPerPoint() : 1.0);
    f.setWeight(qtWeight(weight));
    return f;
}

double pixelSize(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return font.pointSizeF() * pixelsPerPoint();
}

} // namespace KitFont
