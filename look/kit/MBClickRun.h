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
//   (holdMouse): its later presses on the run. An emergency button, a
//   listing's Save or a link keeps a run of its own; the buttons that remove
//   a list's rows share one.
// - The place of what a click pressed, when the click changes what is under
//   it: it opens another page or window, lays a page out again or removes a
//   row (pageChanged), or it picks from a pop-up list or a menu. The rest of
//   its run presses nothing there, in any window: the later clicks of a
//   double-click press nothing that moved or opened under the pointer.
//   Anywhere else a click acts at once: it is the person's next click.
//
// A press that a run holds goes on that run, and so does its release: the
// hand is still clicking there. It never reaches a widget: it presses
// nothing, moves the keyboard focus nowhere and leaves Qt's mouse state as
// it was, so hover, pointer shape and tooltips follow the pointer at once.
// A run holds what acts (buttons, links, pickers), never a click into a
// text field: that places the caret where it lands, as ever. Keys press
// every widget as ever, and hold nothing.

#include <QElapsedTimer>

class QWidget;

class MBClickRun
{
public:
    // An event of a run: when the application took it, and when the hand
    // made it (ms, the mouse events' time stamps; 0 for none).
    struct Moment
    {
        QElapsedTimer taken;
        quint64 at = 0;
    };

    // A press now, made at `at`, would go on the run: it comes within the
    // system's double-click interval of the run's last event as the
    // application took it, or as the hand made it, however late a busy
    // application took either.
    bool lasts(quint64 at = 0) const;
    // Goes on the run from `moment`; a later event already on it stays the
    // last.
    void join(const Moment &moment);

    // Each left mouse press on `widget` that acts goes on `run`, or on a run
    // of the widget's own when `run` is null, and one that comes while the
    // run lasts is held. `run` outlives the widget.
    static void holdMouse(QWidget *widget, MBClickRun *run = nullptr);
    // What the window shows under the pointer is changing (another page or
    // window, a new layout, a row gone). While a mouse click is being
    // handled, however long that takes, the change is its doing: the rest of
    // its run holds the place of what it pressed. Otherwise (a key, a timer)
    // nothing is held.
    static void pageChanged();

private:
    QElapsedTimer m_last;
    quint64 m_lastAt = 0;
};
