#pragma once
// Symbol names (as the screens name their icons) drawn as glyphs of the
// Material Icons font. One table for the whole application.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QStringList>

#include <functional>

namespace MBSymbols {

// Code point of a symbol; 0 for a name the table does not hold.
char16_t codePoint(const QString &name);

// The glyph as a one-character text ("" for an unknown name).
QString glyph(const QString &name);

// Every symbol name of the table, sorted.
QStringList names();

// The icon font at `px` logical pixels.
QFont font(double px);

// The symbol as an icon, drawn only when shown, at nine tenths of the icon's
// side, in the colour `color` gives at that moment.
QIcon icon(const QString &name, std::function<QColor()> color);

// Family name of the icon font.
QString family();

// Makes Qt draw the icons from the font's TrueType file where one is
// installed. Call before the first text is measured: adding a font empties
// Qt's font cache.
void preferTrueTypeFile();

} // namespace MBSymbols
