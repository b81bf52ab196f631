#pragma once
// Every settings key the application itself reads or writes, spelled once
// (the kit's are in look/kit/KitKeys.h).

#include <QString>

namespace TLPrefs {
inline const QString stateKey = QStringLiteral("tl.state");
inline const QString textSizeKey = QStringLiteral("tl.textSize");
inline const QString previousThemeKey = QStringLiteral("tl.previousTheme");
inline const QString moneyPeriodKey = QStringLiteral("tl.moneyPeriod");
// The help window's frame, kept between runs.
inline const QString helpWindowFrameKey = QStringLiteral("TLHelpWindow.frame");
} // namespace TLPrefs
