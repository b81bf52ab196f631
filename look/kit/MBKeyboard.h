#pragma once
// Keyboard use of every window, decided in one place: an event filter on the
// application, installed once by install() (every call below installs it).
// Its keys hold in the application's own windows; Qt's dialogs (print, file,
// message) keep their own, so Return accepts there.
//
// - Return and Enter (a held key once) press the focused button or check box
//   and open the focused pop-up, as Space does.
// - A page marked with markPage() is where the focus goes when it goes "to
//   the page": after a navigation, at start, and instead of a control that
//   must not get it by chance. A marked scroll area that has the focus
//   scrolls with Space and Shift+Space (a screenful), Home and End; the arrow
//   keys and Page Up/Down are its own.
// - A control marked with guardFocus() takes the focus only when the person
//   moves there: Tab or Shift+Tab from a control on screen, a click, or back
//   to it after a menu or another window. Focus that would fall on it
//   otherwise (a window opening with nothing focused, the focused control
//   going away) goes to the window's page instead.
// - So at start the focus is on the page, and the first Tab goes to the
//   window's first control (the emergency bar's first button).
// - A control that takes the focus other than by the mouse or a window
//   switch comes into view in every scroll area around it, and so does a
//   focused control that a new layout of its page moves (a line added above
//   it pushes it down).

#include <QList>

class QWidget;

namespace MBKeyboard {

void install();

void markPage(QWidget *page);
// Gives the focus to the first shown page under `within` (`within` itself
// included); false when there is none. When `windowOpens`, the next Tab goes
// to the window's first control and Shift+Tab to its last, as though nothing
// had the focus yet; otherwise Tab goes on into the page.
bool focusPage(QWidget *within, bool windowOpens = false);
// The first shown page under `within` (`within` itself included), or null.
QWidget *pageIn(QWidget *within);

void guardFocus(QWidget *control);

// Links the widgets into the Tab order one after another, those that take
// the focus only when it is given (a page, a card) among them: Qt links
// only widgets that may take the focus.
void chainTabs(const QList<QWidget *> &order);

// Scrolls every scroll area around `widget` so that it shows: whole when it
// fits, else from its top-left corner.
void showInView(QWidget *widget);

} // namespace MBKeyboard
