#pragma once
// People click more than once: by habit (a double-click), or with a slow or
// trembling hand (a run of clicks, each within the double-click interval of
// the one before). Such a run is one press.
//
// A widget whose press calls, opens something or changes what is kept
// notes each left mouse press on a run, and a press that goes on the run is
// held. An emergency button, a listing's Save or a link keeps a run of its
// own. A list whose rows move when one is added or removed keeps one run for
// all the buttons that do so, and holds its whole area on it: while that run
// lasts, a mouse press anywhere in the list is held too, so the later clicks
// of a double-click press nothing that moved up under the pointer (a Remove,
// a call, a link).
//
// A run holds what acts (buttons, links, pickers), never a click into a
// text field: that places the caret where it lands, as ever. A held press
// never reaches a widget: it presses nothing, moves the keyboard focus
// nowhere and leaves Qt's mouse state as it was, so hover, pointer shape and
// tooltips follow the pointer at once. Keys press every widget as ever.

#include <QElapsedTimer>

class QWidget;

class MBClickRun
{
public:
    // Notes a press now; true when it goes on the run: it came within the
    // system's double-click interval of the press or mark before it, as
    // the application saw them, or, by the time stamps of the mouse events
    // (`at`, in ms; 0 for none), of the press before it as the hand made
    // them, however late a busy application took either.
    bool press(quint64 at = 0);
    // Goes on the run now without a press (a removal by key, say).
    void mark() { m_last.start(); }
    // A press now, made at `at`, would go on the run.
    bool lasts(quint64 at = 0) const;

    // Each left mouse press on `widget` is noted on `run`, or on a run of
    // the widget's own when `run` is null, and one that goes on it is held.
    // `run` outlives the widget.
    static void holdMouse(QWidget *widget, MBClickRun *run = nullptr);
    // While `run` lasts, every left mouse press on `area` or a widget in it
    // (but a text field) is held, and goes on the run. `run` outlives it.
    static void holdArea(QWidget *area, MBClickRun *run);

private:
    QElapsedTimer m_last;
    quint64 m_lastAt = 0;
};
