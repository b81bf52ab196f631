#pragma once
// How plain links (credit lines, the 988 chat link, source links) open: with
// the desktop's own link handling, not through the application's action
// opener, so a recording opener never sees them. Replaceable for tests.

#include <QString>

#include <functional>

namespace MBLinks {

using Opener = std::function<void(const QString &url)>;

Opener opener();
// An empty function restores the default.
void setOpener(Opener opener);

// Calls the current opener once with the address text.
void open(const QString &url);

// The default: QDesktopServices::openUrl; beeps when the address cannot be
// handed on.
void openWithDesktop(const QString &url);

} // namespace MBLinks
