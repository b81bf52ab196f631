#pragma once
// The zoom items of the View menu: Zoom In (Ctrl++ and Ctrl+=), Zoom Out
// (Ctrl+-), Actual Size (100%) (Ctrl+0) and the Zoom Level submenu.

#include <QList>

class QAction;
class QMenu;

namespace MBZoomCommands {

// Adds the items (and a divider after them) to `menu`; the actions are
// children of the menu and use application-wide shortcuts.
QList<QAction *> addTo(QMenu *menu);

} // namespace MBZoomCommands
