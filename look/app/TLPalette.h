#pragma once
// The colours an application screen draws with, derived from the current
// theme on every read, and the fixed signal colours.

#include <QColor>
#include <QPalette>

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

    // A Fusion QPalette for widgets and pop-ups (menus, tool tips) in these colours.
    QPalette qpalette() const;

    static QColor red911();
    static QColor blue988();
    static QColor green211();
    static QColor amberBadge();
    static QColor slateBadge();
};
