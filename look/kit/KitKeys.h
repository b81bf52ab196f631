#pragma once
// Every settings key the kit reads or writes, spelled once. The kit's types
// name them where the application meets them (MRBYThemes::key, MBZoom::key).

#include <QString>

namespace KitKeys {
inline const QString theme = QStringLiteral("mrby.theme");
inline const QString zoom = QStringLiteral("mrby.zoom");
// The kit's own help window's frame.
inline const QString helpWindowFrame = QStringLiteral("mrby.helpWindowFrame");
} // namespace KitKeys
