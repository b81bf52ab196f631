#pragma once
// The kit's process-wide host settings: the application's name, the maker's
// name and website, and the colour hook kit views draw with.

#include "look/kit/MBKitTheme.h"

#include <QString>
#include <QUrl>

#include <functional>

namespace MRBYKitHost {

// Calls the theme hook; by default the current registry theme's kit colours.
MBKitTheme theme();
void setThemeHook(std::function<MBKitTheme()> hook);

// The application's name: the compiled-in name until install() sets it.
QString appName();
void setAppName(const QString &name);

inline const QString creditName = QStringLiteral("Marrowby");
// The maker's website, as text and as URL.
QString creditURLText();
QUrl creditURL();

} // namespace MRBYKitHost
