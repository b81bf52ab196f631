#pragma once
// Start-up: the offscreen platform for the run modes, the one-time set-up
// of the kit and the app model, and the main window with its menus.

#include <QStringList>

class AppModel;
class QMainWindow;

namespace TLSetup {

// Whether an option asks for a run mode that renders without a window.
bool wantsHeadlessRunMode(const QStringList &arguments);
// Sets QT_QPA_PLATFORM to offscreen for a run mode when it is unset.
void prepareEnvironment(const QStringList &arguments);

// The one-time set-up of the look: the application's look (TLLookSetup)
// with the app's name and help topics, help requests to the help window,
// the About window's lines, and what screen readers are told about the
// widgets the application paints itself.
void configureLook();

// The sentence said instead of opening the window when there is no display
// to open it on (no X11 or Wayland display and no platform chosen); empty
// when there is one.
QString missingDisplaySentence();

// configureLook(), then the app model (data and stores load here).
void configure();

// The About window's extra lines.
QStringList aboutLines();

// The window "main": 1280 × 880 (less on a smaller screen), centred, at
// least 820 × 560; the theme root around the zoom host around MainWindow,
// and the menu bar. Closing it quits.
QMainWindow *makeMainWindow(AppModel &model);

// Shows the main window on the application's model and, once the window has
// been painted, reads the model's data and stores: the home screen needs
// neither, so a person sees it without waiting for the data.
QMainWindow *showMainWindow();

// The desktop application: the look, one running instance, the network
// watcher, the window, the event loop. Returns the exit status.
int runApplication();

} // namespace TLSetup
