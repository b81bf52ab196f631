#pragma once
// Screen fonts: Inter, then DejaVu Sans. Sizes are logical pixels (what the
// layout calls points) and keep their fractions.

#include <QFont>

enum class FontWeight { UltraLight, Thin, Light, Regular, Medium, Semibold, Bold, Heavy, Black };

namespace KitFont {

// The text font at `px` logical pixels and the given weight.
QFont font(double px, FontWeight weight = FontWeight::Regular);

// The Qt weight a FontWeight stands for.
QFont::Weight qtWeight(FontWeight weight);

// Logical pixels per point conversion in use (logical DPI / 72).
double pixelsPerPoint();

// The size of a font made by font(), in logical pixels.
double pixelSize(const QFont &font);

} // namespace KitFont
