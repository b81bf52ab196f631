#pragma once
// People click more than once: by habit (a double-click), or with a slow or
// trembling hand (a run of clicks, each within the double-click interval of
// the one before). Such a run is one press.
//
// The emergency bar keeps one run per button: a press that goes on a run of
// that button is ignored. A list whose rows move up when one is removed
// keeps one run for all its removing buttons, and a removal goes on it too:
// a mouse press that goes on the run is ignored, so the row that moved up
// under the pointer is not removed by the later clicks of a double-click or
// a slow run, whichever row's button they land on.

#include <QElapsedTimer>

class QAbstractButton;

class MBClickRun
{
public:
    // Notes a press now; true when it goes on the run (it came within the
    // system's double-click interval of the press noted before it).
    bool press();
    // Goes on the run now without a press (a removal, by key or by mouse).
    void mark() { m_last.start(); }

    // Each left mouse press on `button` is noted on `run`, and one that goes
    // on it is ignored with the release that ends it; keys still press the
    // button. `run` outlives the button.
    static void holdMouse(QAbstractButton *button, MBClickRun *run);

private:
    QElapsedTimer m_last;
};
