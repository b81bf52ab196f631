#pragma once
// Placing top-level windows: centring on the screen, a frame kept in the
// settings between runs, and bringing a window to the front.

#include <QString>

class QWidget;

namespace MBWindowFrame {

// Moves the window so its current size is centred on the primary screen.
void centre(QWidget *window);

// Restores the frame saved under `key`; centres the window when there is none.
void restore(QWidget *window, const QString &key);
void save(const QWidget *window, const QString &key);

// Shows the window (also from minimised), raises and activates it.
void bringToFront(QWidget *window);

} // namespace MBWindowFrame
