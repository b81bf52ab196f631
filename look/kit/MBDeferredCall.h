#pragma once
// Calls an action once on a later turn of the event loop, however often it is
// asked for until then. Content is rebuilt this way, so a control inside it
// may change what the content shows from its own signal, and a burst of
// changes costs one rebuild. The call is dropped when its owner goes first.

#include <QtGlobal>

#include <functional>

class QObject;

class MBDeferredCall
{
public:
    // `owner` holds this call (usually as a member). A delay of 0 runs the
    // action once the events already posted are handled; any longer delay
    // lets the window paint and answer input first.
    MBDeferredCall(QObject *owner, std::function<void()> action, int delayMs = 0);
    Q_DISABLE_COPY_MOVE(MBDeferredCall)

    // Asks for one call; nothing more while one is pending.
    void schedule();
    // Forgets the pending call (the owner just did the work by hand).
    void cancel() { m_pending = false; }
    bool pending() const { return m_pending; }

private:
    QObject *m_owner;
    std::function<void()> m_action;
    int m_delayMs;
    bool m_pending = false;
};
