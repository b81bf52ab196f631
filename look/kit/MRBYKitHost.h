#pragma once
// The kit's process-wide host settings: the application's name, the maker's
// name and website, and the colour hook kit views draw with. The names come
// from the build's identity definitions (CMakeLists.txt).

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

// The maker, "Marrowby", its short name, "MRBY", and the title of the menu
// items that open its website, "Marrowby Website".
inline const QString creditName = QStringLiteral(TL_MAKER_NAME);
inline const QString creditShortName = QStringLiteral(TL_MAKER_SHORT);
inline const QString creditLinkTitle = QStringLiteral(TL_MAKER_NAME " Website");
// The maker's website, as text and as URL.
QString creditURLText();
QUrl creditURL();

} // namespace MRBYKitHost
