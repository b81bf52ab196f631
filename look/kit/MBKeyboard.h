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
//   keys and Page Up/Down are its own. Scrolled from its top, Tab from it
//   goes to its first control in view and Shift+Tab to its last (else to
//   the nearest below or above the view), so the person goes on from where
//   they scrolled to; the page the window opened on too.
// - A control marked with guardFocus() takes the focus only when the person
//   moves there: Tab or Shift+Tab from a control on screen, a click, or back
//   to it after a menu or another window. Focus that would fall on it
//   otherwise (a window opening with nothing focused, the focused control
//   going away) goes to the window's page instead.
// - So at start the focus is on the page, and the first Tab from its top
//   goes to the window's first control (the emergency bar's first button).
// - Where the focus goes when the widget holding it is hidden (a row
//   removed, a page replaced, a note dismissed) is decided here, before Qt
//   would pass it down the window's chain (round to the window's first
//   control): to the heir named with setHeir(), else to a shown whole
//   (markHolder()) beside it (the next one, else the one before), else,
//   for a part of a whole, to the whole around it, else to the page of its
//   screen. Never to a control by chance: a key pressed again there would
//   act on it.
// - A control that takes the focus other than by the mouse or a window
//   switch comes into view in every scroll area around it, and stays in
//   view as its page is laid out (a line added above it pushes it down):
//   driven by layout, the view moves only when the focus moved or the
//   focused control would leave it. A control the person scrolled away from
//   stays where they left it, also when a dialog, a menu or another window
//   gives the focus back to it.

#include <QList>

class QWidget;

namespace MBKeyboard {

void install();

void markPage(QWidget *page);
// Gives the focus to the first shown page under `within` (`within` itself
// included); false when there is none. When `windowOpens`, Tab from the page
// at its top goes to the window's first control and Shift+Tab to its last,
// as though nothing had the focus yet; otherwise Tab goes on into the page.
bool focusPage(QWidget *within, bool windowOpens = false);
// The first shown page under `within` (`within` itself included), or null.
QWidget *pageIn(QWidget *within);

void guardFocus(QWidget *control);

// Marks a whole (a card, a line) that takes no focus from Tab or a click,
// but holds the focus handed to it in place of one that went.
void markHolder(QWidget *whole);
bool isHolder(const QWidget *widget);
// Names who takes the focus when `leaving` is hidden while it, or a widget
// in it, has it (the row now in its place, the page that replaces it).
void setHeir(QWidget *leaving, QWidget *heir);
// Gives the focus that `leaving` holds to its heir, a whole or the page (see
// above). Called for every hidden widget; callable before hiding.
void handOver(QWidget *leaving);
// What stands for `w` when it is given the focus: itself when it takes the
// focus (a page, a whole, a control), else the page in it, else its first
// Tab stop; or null.
QWidget *focusTarget(QWidget *w);

// Links the widgets into the Tab order one after another, those that take
// the focus only when it is given (a page, a card) among them: Qt links
// only widgets that may take the focus.
void chainTabs(const QList<QWidget *> &order);

// Scrolls every scroll area around `widget` so that it shows: whole when it
// fits, else from its top-left corner.
void showInView(QWidget *widget);
// Whether `widget` shows in every scroll area around it as showInView()
// would show it.
bool isInView(const QWidget *widget);

} // namespace MBKeyboard
