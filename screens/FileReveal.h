#pragma once
// Shows a saved file to the user: the desktop's file manager opens its folder
// with the file selected (the FileManager1 D-Bus interface); where no file
// manager answers, the folder is opened through the URL opener instead.

#include <QString>

#include <functional>

namespace FileReveal {

using Function = std::function<void(const QString &path)>;

// Replaces the function for every later reveal and returns the one it
// replaced; an empty function restores the default. Tests record here.
Function replace(Function function);

void reveal(const QString &path);

// The default: asks over D-Bus without waiting for the answer; a failed or
// missing answer opens the folder.
void revealWithDesktop(const QString &path);

} // namespace FileReveal
