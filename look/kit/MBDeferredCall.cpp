#include "look/kit/MBDeferredCall.h"

#include <QTimer>

MBDeferredCall::MBDeferredCall(QObject *owner, std::function<void()> action, int delayMs)
    : m_owner(owner), m_action(std::move(action)), m_delayMs(delayMs)
{
}

void MBDeferredCall::schedule()
{
    if (m_pending)
        return;
    m_pending = true;
    // The owner is the timer's context: once it is gone, so is the call, and
    // this object, which lives as long as the owner, with it.
    QTimer::singleShot(m_delayMs, m_owner, [this] {
        if (!m_pending)
            return;
        m_pending = false;
        m_action();
    });
}
