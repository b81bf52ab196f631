#pragma once
// The menu bar of the main window: the kit's application menu, the File menu
// (the places to go, the resources sheet, reporting a wrong listing), the View
// menu (the kit's zoom items, then text size and high contrast), and the kit's
// Theme and Help menus.

class AppModel;
class QMenu;
class QMenuBar;

namespace AppMenus {

// Fills the bar; the actions use application-wide shortcuts.
void install(QMenuBar *bar, AppModel &model);

// The application's own File menu and its View items, for a bar put together
// another way (and for tests).
QMenu *addFileMenu(QMenuBar *bar, AppModel &model);
// Adds "Text Size" and the high-contrast switch to a View menu.
void addViewItems(QMenu *view);

} // namespace AppMenus
