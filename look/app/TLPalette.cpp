#include "look/app/TLPalette.h"

#include "look/app/TLThemes.h"
#include "look/kit/MRBYThemeRoot.h"
#include "look/kit/MRBYThemes.h"

namespace {
QColor rgbF(double r, double g, double b, double a = 1.0)
{
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}

constexpr auto mix = &MRBYTheme::mix;
} // namespace

TLPalette TLPalette::current()
{
    const MRBYTheme t = MRBYThemes::current();
    TLPalette p;
    p.bg = t.bg.color();
    p.panelTop = t.panelTop.color();
    p.panelBottom = t.panelBottom.color();
    p.text = t.text.color();
    p.dim = p.readable(t.dim.color());
    p.accent = t.accent.color();
    p.highContrast = t.id == TLThemes::highContrastID;
    p.isLight = t.bg.luminance() > 0.4;
    p.onAccent = MRBYThemeRoot::readableOn(p.accent);
    if (p.highContrast)
        p.border = rgbF(1, 1, 1, 1.0);
    else if (p.isLight)
        p.border = rgbF(0, 0, 0, 0.14);
    else
        p.border = rgbF(1, 1, 1, 0.16);
    return p;
}

QColor TLPalette::readable(const QColor &ink, double ratio) const
{
    return readable(ink, {bg, panelTop, panelBottom}, ratio);
}

QColor TLPalette::readable(const QColor &ink, const QList<QColor> &grounds, double ratio) const
{
    return MRBYTheme::readable(ink, text, grounds, ratio);
}

QPalette TLPalette::qpalette() const
{
    QPalette q;
    const QColor base = isLight ? mix(QColor(Qt::white), bg, 0.7) : mix(QColor(Qt::black), bg, 0.35);
    const QColor button = panelTop;
    const QColor light = mix(QColor(Qt::white), button, 0.3);
    const QColor dark = mix(QColor(Qt::black), button, 0.35);
    const QColor mid = mix(QColor(Qt::black), button, 0.2);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        q.setColor(g, QPalette::Window, bg);
        q.setColor(g, QPalette::WindowText, text);
        q.setColor(g, QPalette::Base, base);
        q.setColor(g, QPalette::AlternateBase, panelBottom);
        q.setColor(g, QPalette::Text, text);
        q.setColor(g, QPalette::PlaceholderText, dim);
        q.setColor(g, QPalette::Button, button);
        q.setColor(g, QPalette::ButtonText, text);
        q.setColor(g, QPalette::BrightText, isLight ? QColor(Qt::black) : QColor(Qt::white));
        q.setColor(g, QPalette::Light, light);
        q.setColor(g, QPalette::Midlight, mix(light, button, 0.5));
        q.setColor(g, QPalette::Mid, mid);
        q.setColor(g, QPalette::Dark, dark);
        q.setColor(g, QPalette::Shadow, QColor(0, 0, 0));
        q.setColor(g, QPalette::Highlight, accent);
        q.setColor(g, QPalette::HighlightedText, onAccent);
        q.setColor(g, QPalette::Link, readable(accent));
        q.setColor(g, QPalette::LinkVisited, readable(accent));
        q.setColor(g, QPalette::ToolTipBase, panelTop);
        q.setColor(g, QPalette::ToolTipText, text);
    }
    q.setColor(QPalette::Disabled, QPalette::Window, bg);
    q.setColor(QPalette::Disabled, QPalette::Base, base);
    q.setColor(QPalette::Disabled, QPalette::Button, button);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                  QPalette::PlaceholderText})
        q.setColor(QPalette::Disabled, r, mix(dim, bg, highContrast ? 0.85 : 0.6));
    q.setColor(QPalette::Disabled, QPalette::Highlight, mix(accent, bg, 0.5));
    q.setColor(QPalette::Disabled, QPalette::HighlightedText, onAccent);
    q.setColor(QPalette::Disabled, QPalette::Light, light);
    q.setColor(QPalette::Disabled, QPalette::Mid, mid);
    q.setColor(QPalette::Disabled, QPalette::Dark, dark);
    q.setColor(QPalette::Disabled, QPalette::ToolTipBase, panelTop);
    q.setColor(QPalette::Disabled, QPalette::ToolTipText, dim);
    return q;
}

QColor TLPalette::red911() { return rgbF(0.69, 0.13, 0.11); }

QColor TLPalette::blue988() { return rgbF(0.13, 0.33, 0.62); }

QColor TLPalette::green211() { return rgbF(0.13, 0.43, 0.20); }

QColor TLPalette::amberBadge() { return rgbF(0.54, 0.29, 0.00); }

QColor TLPalette::slateBadge() { return rgbF(0.27, 0.33, 0.43); }
