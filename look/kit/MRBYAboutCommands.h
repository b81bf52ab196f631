#pragma once
// The kit's About group: "About <name>" (opens the About window) and
// "Marrowby Website". The application menu is built from it; an application
// may also put the group into a menu of its own.

#include <QList>
#include <QString>

class QAction;
class QMenu;

namespace MRBYAboutCommands {

// Adds the two items to `menu`, in this order; the About item's title
// follows the application name each time the menu opens.
QList<QAction *> addTo(QMenu *menu);

// "About " + the application name, as a menu text.
QString aboutTitle();

} // namespace MRBYAboutCommands
