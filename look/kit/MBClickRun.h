#pragma once
// People click more than once: by habit (a double-click), or with a slow or
// trembling hand (a run of clicks, each within the double-click interval of
// the one before). Such a run is one press.
//
// The emergency bar keeps one run per button: a press that goes on a run of
// that button is ignored. A list whose rows move up when one is removed
// marks a run at each removal, and its removing buttons take no mouse press
// while that run lasts: the row now under the pointer is not removed by the
// second click of a double-click.

#include <QElapsedTimer>

#include <functional>

class QAbstractButton;

class MBClickRun
{
public:
    // Notes a press now; true when it goes on the run (it came within the
    // system's double-click interval of the press noted before it).
    bool press();
    // Starts a run now (a removal).
    void mark() { m_last.start(); }
    // Whether a press now would go on the run.
    bool within() const;

    // `button` takes no mouse press while `holding` says so; keys still
    // press it.
    static void holdMouse(QAbstractButton *button, std::function<bool()> holding);

private:
    QElapsedTimer m_last;
};
