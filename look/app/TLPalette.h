#pragma once
// The colours an application screen draws with, derived from the current
// theme on every read, and the fixed signal colours.

#include "look/kit/MRBYTheme.h"

#include <QColor>
#include <QList>
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

    // How far text, and icons and large figures, stand out at least.
    static constexpr double textRatio = MRBYTheme::textRatio;
    static constexpr double figureRatio = MRBYTheme::figureRatio;
    // `ink` (the accent, a signal colour) as drawn on the window and on
    // cards: moved toward the text colour until it stands out `ratio`:1
    // from the window's and the cards' colours. `dim` is already so.
    QColor readable(const QColor &ink, double ratio = textRatio) const;
    // The same on other grounds (a tinted tile, a badge's fill).
    QColor readable(const QColor &ink, const QList<QColor> &grounds, double ratio = textRatio) const;
    // The accent as text and links, and as icons and marks.
    QColor accentText() const { return readable(accent); }
    QColor accentIcon() const { return readable(accent, figureRatio); }

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
