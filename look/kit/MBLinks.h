#pragma once
// How the kit opens a web address: one replaceable function taking the
// address as text. The default asks the desktop; the application routes it
// to its own opener at start-up (same shape: void(const QString &)).

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
