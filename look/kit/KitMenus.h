#pragma once
// The kit's menus on a menu bar. The main window either calls install(),
// which puts them in order around its own menus, or adds them one by one:
//   application menu, the window's own menus, View (with the zoom items),
//   Theme, Help.

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class MRBYAppMenuCommands;
class MRBYHelpCommands;
class MRBYThemeCommands;

namespace KitMenus {

MRBYAppMenuCommands *addAppMenu(QMenuBar *bar);
// Adds the zoom items to the bar's "View" menu, making that menu when the
// bar has none yet.
QMenu *addZoomItems(QMenuBar *bar);
MRBYThemeCommands *addThemeMenu(QMenuBar *bar);
MRBYHelpCommands *addHelpMenu(QMenuBar *bar);

// Adds an item that runs `run`; its shortcuts work in every window.
QAction *addItem(QMenu *menu, const QString &title, const QList<QKeySequence> &shortcuts,
                 std::function<void()> run);

// Makes the menu's items one-of-many choices, each holding its value as its
// data: the item whose value is `current()` is checked whenever the menu
// opens (none when no item has it).
void markChoice(QMenu *menu, std::function<QVariant()> current);

// The bar's top-level menu with that title ("&" markers ignored), if any.
QMenu *findMenu(QMenuBar *bar, const QString &title);

// All of the above in order; `ownMenus` adds the window's menus right after
// the application menu (a "View" menu it adds receives the zoom items).
void install(QMenuBar *bar, const std::function<void(QMenuBar *)> &ownMenus = {});

} // namespace KitMenus
