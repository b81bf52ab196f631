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

// The application's text font: size × text scale × zoom of the current scope.
QFont tlFont(double size, FontWeight weight = FontWeight::Regular);
