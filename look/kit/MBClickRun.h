#pragma once
// People click more than once: by habit (a double-click), or with a slow or
// trembling hand (a run of clicks, each within the double-click interval of
// the one before). Such a run is one press.
//
// A run starts with a press that acts: the press of a click that the widget
// takes (a button still down under the pointer at the release, anything
// else released inside itself). A press that does nothing (beside a
// button's hit area, or slid off before its release) neither starts nor
// lengthens a run, so the real click after it acts at once.
//
// What a run holds:
// - A widget whose press calls, opens something or changes what is kept
//   (holdMouse): its later presses on the run. An emergency button, a
//   listing's Save or a link keeps a run of its own.
// - A list whose rows move when one is added or removed (holdArea): one run
//   for all the buttons that do so, and while it lasts every press in the
//   list, so the later clicks of a double-click press nothing that moved up
//   under the pointer (a Remove, a call, a link).
// - A page (holdPage): a click that changes what the page shows (it opens
//   another page, or lays it out again) holds the window's pages for the
//   rest of its run; the sidebar and the emergency bar act at once.
// - A pop-up list: a press where the list was, for the rest of the run of
//   the click that picked from it.
//
// A run holds what acts (buttons, links, pickers), never a click into a
// text field: that places the caret where it lands, as ever. A held press
// never reaches a widget: it presses nothing, moves the keyboard focus
// nowhere and leaves Qt's mouse state as it was, so hover, pointer shape and
// tooltips follow the pointer at once. It goes on the runs that held it.
// Keys press every widget as ever.

#include <QElapsedTimer>

class QWidget;

class MBClickRun
{
public:
    // A press now, made at `at` (ms, the mouse events' time stamps; 0 for
    // none), would go on the run: it comes within the system's double-click
    // interval of the run's last press or mark as the application took it,
    // or of its last press as the hand made it, however late a busy
    // application took either.
    bool lasts(quint64 at = 0) const;
    // Goes on the run now without a press (a removal by key, say).
    void mark() { m_last.start(); }
    // Goes on the run from a press the application took when `taken`
    // started, made at `at`; a later press already on it stays the last.
    void join(const QElapsedTimer &taken, quint64 at);

    // Each left mouse press on `widget` that acts goes on `run`, or on a run
    // of the widget's own when `run` is null, and one that comes while the
    // run lasts is held. `run` outlives the widget.
    static void holdMouse(QWidget *widget, MBClickRun *run = nullptr);
    // While `run` lasts, every left mouse press on `area` or a widget in it
    // (but a text field) is held, and goes on the run. `run` outlives it.
    static void holdArea(QWidget *area, MBClickRun *run);
    // `page` is one of its window's pages: while the window's page run
    // lasts, every press in it (but a text field) is held. The run is the
    // window's, so a page built afresh is held on the same run.
    static void holdPage(QWidget *page);
    // What the pages of `widget`'s window show is changing: when a mouse
    // click was taken within the double-click interval (the change is its
    // doing), the window's page run goes on from that click's press.
    static void clickChangedPage(QWidget *widget);

private:
    QElapsedTimer m_last;
    quint64 m_lastAt = 0;
};
