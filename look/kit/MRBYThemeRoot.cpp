#include "look/kit/MRBYThemeRoot.h"

#include "look/kit/MBWindowBackground.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QPainter>

namespace {

constexpr auto mix = &MRBYTheme::mix;

} // namespace

MRBYThemeRoot::MRBYThemeRoot(Builder content, QWidget *parent)
    : MBRebuildHost({MRBYThemes::key},
                    [fallback = MRBYThemes::defaultID()] {
                        return Prefs::shared().string(MRBYThemes::key).value_or(fallback);
                    },
                    parent),
      m_zoom(MBZoomScope::current())
{
    setBuilder(std::move(content));
    buildInitial();
}

QColor MRBYThemeRoot::linkColor(const MBKitTheme &kit)
{
    const QColor light(0x5A, 0xA9, 0xFF);
    const QColor deep(0x0B, 0x57, 0xB8);
    return MRBYTheme::contrast(light, kit.bg) >= MRBYTheme::contrast(deep, kit.bg) ? light : deep;
}

QColor MRBYThemeRoot::readableOn(const QColor &fill)
{
    // Whichever stands out more: on mid blues and violets black reads where
    // white falls below 4.5:1.
    const QColor white(Qt::white), black(Qt::black);
    return MRBYTheme::contrast(fill, white) >= MRBYTheme::contrast(fill, black) ? white : black;
}

QPalette MRBYThemeRoot::kitPalette(const MBKitTheme &kit)
{
    QPalette q;
    const QColor base = mix(QColor(Qt::black), kit.bg, 0.35);
    const QColor button = kit.panelTop;
    const QColor link = linkColor(kit);
    const QColor selection(0x2F, 0x6F, 0xD0);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        q.setColor(g, QPalette::Window, kit.bg);
        q.setColor(g, QPalette::WindowText, kit.text);
        q.setColor(g, QPalette::Base, base);
        q.setColor(g, QPalette::AlternateBase, kit.panelBottom);
        q.setColor(g, QPalette::Text, kit.text);
        q.setColor(g, QPalette::PlaceholderText, kit.dim);
        q.setColor(g, QPalette::Button, button);
        q.setColor(g, QPalette::ButtonText, kit.text);
        q.setColor(g, QPalette::BrightText, Qt::white);
        q.setColor(g, QPalette::Light, mix(QColor(Qt::white), button, 0.3));
        q.setColor(g, QPalette::Midlight, mix(QColor(Qt::white), button, 0.15));
        q.setColor(g, QPalette::Mid, mix(QColor(Qt::black), button, 0.2));
        q.setColor(g, QPalette::Dark, mix(QColor(Qt::black), button, 0.35));
        q.setColor(g, QPalette::Shadow, Qt::black);
        q.setColor(g, QPalette::Highlight, selection);
        q.setColor(g, QPalette::HighlightedText, Qt::white);
        q.setColor(g, QPalette::Link, link);
        q.setColor(g, QPalette::LinkVisited, link);
        q.setColor(g, QPalette::ToolTipBase, kit.panelTop);
        q.setColor(g, QPalette::ToolTipText, kit.text);
    }
    q.setColor(QPalette::Disabled, QPalette::Window, kit.bg);
    q.setColor(QPalette::Disabled, QPalette::Base, base);
    q.setColor(QPalette::Disabled, QPalette::Button, button);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                  QPalette::PlaceholderText, QPalette::Link})
        q.setColor(QPalette::Disabled, r, mix(kit.dim, kit.bg, 0.6));
    return q;
}

void MRBYThemeRoot::aboutToBuild()
{
    setPalette(kitPalette(MRBYKitHost::theme()));
    update();
}

void MRBYThemeRoot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    MBWindowBackground::paint(p, QRectF(rect()), MRBYKitHost::theme(), layoutDirection(), m_zoom);
}
