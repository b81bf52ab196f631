#pragma once
// The kit's text font at fixed sizes, the pass-through for titles built at
// run time, and the kit's plain text label.

#include "look/kit/KitFont.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;

// The text font of exactly `size` points (at the zoom of the current build
// scope); the application's text size does not change it.
QFont mbFont(double size, FontWeight weight = FontWeight::Regular);

// Returns the title unchanged. Titles built at run time go through here on
// their way to a label or menu, which shows them as plain text.
QString mbPlain(const QString &title);

// A run-time title as a menu or button text: "&" doubled, so Qt shows the
// title exactly as built instead of taking "&" as a mnemonic marker.
QString mbMenuText(const QString &title);

// What Qt shows for a menu or button text: "&&" is one "&", a single "&"
// before a character marks a mnemonic and is not shown.
QString mbShownText(const QString &menuText);

// A label that shows `text` exactly as written (plain text), wrapping,
// left-aligned, selectable with the mouse, in `font` and `color`.
QLabel *mbLabel(const QString &text, const QFont &font, const QColor &color);
