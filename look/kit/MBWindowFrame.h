#pragma once
// Placing top-level windows: centring on the screen, a frame kept in the
// settings between runs, and bringing a window to the front.

#include <QMargins>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;

namespace MBWindowFrame {

// Room kept for the window manager's title bar and borders before the first
// show, when the real frame is not known yet.
inline const QMargins decorationAllowance(0, 32, 0, 0);

// Where a window of `wanted` client size (at least `minimum`) goes on a
// screen whose free area is `available`: no larger than the free area less
// the decorations, centred in it. `at` (a frame's top-left corner) keeps a
// saved position when the whole frame still fits there. The result is the
// client area.
QRect fitted(QSize wanted, QSize minimum, const QRect &available,
             const QMargins &decorations = decorationAllowance,
             std::optional<QPoint> at = std::nullopt);

// Resizes the window to `wanted` fitted to its screen and centres it.
void place(QWidget *window, QSize wanted);

// Moves the window so its current size is centred on the primary screen.
void centre(QWidget *window);

// Restores the frame saved under `key`, fitted to the screen as it is now;
// centres the window when there is none.
void restore(QWidget *window, const QString &key);
// Brings the window's frame back within its screen's free area, where it
// stands when it still fits there.
void keepOnScreen(QWidget *window);
void save(const QWidget *window, const QString &key);

// Shows the window (also from minimised), raises and activates it.
void bringToFront(QWidget *window);

} // namespace MBWindowFrame
