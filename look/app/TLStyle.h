#pragma once
// Text size (three steps) and the scaled application font.

#include "look/kit/KitFont.h"

#include <QFont>
#include <QStringList>

namespace TLStyle {

// As stored under "tl.textSize" (0 when absent), not clamped.
int textSize();
// 1.0, 1.25 or 1.5 for the clamped text size.
double scale();
// "Normal", "Large", "Extra large".
const QStringList &textSizeNames();
// Stores the text size step.
void setTextSize(int size);

} // namespace TLStyle

// `size` × text scale × zoom of the current scope, in pixels: for what grows
// with the text (symbols beside it, check boxes).
double tlPx(double size);

// The application's text font at tlPx(size).
QFont tlFont(double size, FontWeight weight = FontWeight::Regular);
