#pragma once
// Symbol names (as the screens name their icons) drawn as glyphs of the
// Material Icons font. One table for the whole application.

#include <QFont>
#include <QString>
#include <QStringList>

namespace MBSymbols {

// Code point of a symbol; 0 for a name the table does not hold.
char16_t codePoint(const QString &name);

// The glyph as a one-character text ("" for an unknown name).
QString glyph(const QString &name);

// Every symbol name of the table, sorted.
QStringList names();

// The icon font at `px` logical pixels.
QFont font(double px);

// Family name of the icon font.
QString family();

} // namespace MBSymbols
