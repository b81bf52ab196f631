#pragma once
// The application's own settings keys.

#include <QString>

namespace TLPrefs {
inline const QString stateKey = QStringLiteral("tl.state");
inline const QString textSizeKey = QStringLiteral("tl.textSize");
inline const QString previousThemeKey = QStringLiteral("tl.previousTheme");
inline const QString moneyPeriodKey = QStringLiteral("tl.moneyPeriod");
} // namespace TLPrefs
