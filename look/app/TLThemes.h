#pragma once
// The application's three themes and the high-contrast switch.

#include "look/kit/MRBYTheme.h"

#include <QList>
#include <QString>

namespace TLThemes {

inline const QString warmID = QStringLiteral("tl-warm-sand");
inline const QString emberID = QStringLiteral("tl-evening-ember");
inline const QString highContrastID = QStringLiteral("tl-high-contrast");

// Warm Sand, Evening Ember, High Contrast.
const QList<MRBYTheme> &extras();

// The stored (or default) theme id is the high-contrast one.
bool isHighContrast();
// On: remember the theme to return to (unless already on), then switch.
// Off: return to the remembered theme, else Warm Sand.
void setHighContrast(bool on);

// Menu text for the switch: "Turn Off High Contrast" / "Turn On High Contrast".
QString highContrastMenuTitle();

} // namespace TLThemes
