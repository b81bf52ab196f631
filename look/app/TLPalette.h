#pragma once
// The colours an application screen draws with, derived from the current
// theme on every read, and the fixed signal colours.

#include <QColor>
#include <QPalette>
#include <QPen>

struct TLPalette
{
    QColor bg;
    QColor panelTop;
    QColor panelBottom;
    QColor text;
    QColor dim;
    QColor accent;
    QColor onAccent;
    QColor border;
    bool isLight = false;
    bool highContrast = false;

    static TLPalette current();

    // The outline of cards, buttons, pickers and pop-ups: the border colour,
    // 1 point wide, 2 in high contrast, at `zoom`.
    double outlineWidth(double zoom) const { return (highContrast ? 2.0 : 1.0) * zoom; }
    QPen outlinePen(double zoom) const { return QPen(border, outlineWidth(zoom)); }

    // A Fusion QPalette for widgets and pop-ups (menus, tool tips) in these colours.
    QPalette qpalette() const;

    static QColor red911();
    static QColor blue988();
    static QColor green211();
    static QColor amberBadge();
    static QColor slateBadge();
};
