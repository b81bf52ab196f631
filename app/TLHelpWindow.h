#pragma once
// The application's help window: one window, made at the first request for
// help and reused afterwards, with the emergency bar above the kit's help
// viewer. Each request gives it fresh content at the requested topic. Its
// frame is kept in the settings and restored on the next run.

#include "look/app/TLPrefs.h"

#include <QString>

#include <optional>

class QWidget;

namespace TLHelpWindow {

// The settings key of the saved frame.
inline const QString &frameKey = TLPrefs::helpWindowFrameKey;

// Opens or refreshes the window at a topic (none: the viewer's first topic),
// brings it to the front and activates it.
void show(const std::optional<QString> &topic = std::nullopt);

// The window, or null before the first show().
QWidget *window();

} // namespace TLHelpWindow
