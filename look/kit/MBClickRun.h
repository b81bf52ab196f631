#pragma once
// People click more than once: by habit (a double-click), or with a slow or
// trembling hand (a run of clicks, each within the double-click interval of
// the press or the release of the one before). Such a run is one press.
//
// A run starts with a press that acts: the press of a click that the widget
// takes (a button still down under the pointer at the release, anything
// else released inside itself). A press that does nothing (beside a
// button's hit area, or slid off before its release) starts no run, so the
// real click after it acts at once.
//
// What a run holds:
// - A widget whose press calls, opens something or changes what is kept
//   (holdMouse): its own later presses on the run.
// - What a trembling hand can reach of what a click pressed, when the click
//   changes what is under it: it opens another page or window, lays a page
//   out again or removes a row (pageChanged), or it picks from a pop-up list
//   or a menu. That is the part of it that was on the screen (a part
//   scrolled out of sight holds nothing), 24 px around it, for the rest of
//   the run, in every window: the later clicks of a double-click, or a
//   hand's slip, press nothing that moved or opened there. A click that
//   makes a row come or go (rowsMove) holds, the same way, everything below
//   that row on its page, which moved. A place is held at least until a
//   person could have seen what moved and aimed again (a little over half a
//   second after the click's release), however soon its run ends, and at
//   most a second. Anywhere else a click acts at once: it is the person's
//   next click.
//
// A press that a run holds, and its release, go on that run and reach no
// widget: it presses nothing, moves the keyboard focus nowhere and leaves
// Qt's mouse state as it was, so hover, pointer shape and tooltips follow
// the pointer at once. A run holds what acts (buttons, links, pickers),
// never a click into a text field or on a scroll bar: that places the
// caret where it lands, or scrolls, as ever. Keys press every widget as
// ever, and hold nothing.

class QWidget;

namespace MBClickRun {

// Each left mouse press on `widget` that acts goes on a run of the widget's
// own, and one that comes while that run lasts is held.
void holdMouse(QWidget *widget);

// What the window shows under the pointer is about to change (another page
// or window, a new layout, a row gone). While a mouse click is being
// handled (from the delivery of its press, and of its release, until the
// events these set off are done, or a dialog the click opens runs them),
// the change is its doing, and the rest of its run holds what it pressed.
// Otherwise (a key, a timer) nothing is held.
void pageChanged();

// As pageChanged(), when a row comes or goes at `from` (a row about to be
// removed, or what stands where a new row will come), so that `from` and
// everything below it on its page moves.
void rowsMove(const QWidget *from);

} // namespace MBClickRun
