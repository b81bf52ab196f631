#include "widgets/TLAnnouncer.h"

#include "look/kit/MBAccessible.h"

#include <QAccessible>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A screen reader answers the events of a busy application only once it is
// idle, and Orca drops a notification that arrives in its backlog. So a
// sentence waits for a run of events to end, however long it goes on, and
// then for the time a screen reader takes to work through it: about three
// milliseconds an event (Orca on a machine held to a quarter of a core was
// ready 3.7 s after a first search's 1,170 events). Without a screen reader
// no events are sent, and a sentence waits the quiet gap alone.
constexpr auto perEvent = std::chrono::microseconds(3000);
constexpr auto quiet = milliseconds(250);

bool ownWidget(const QObject *object)
{
    if (!object || !object->isWidgetType())
        return false;
    const QAccessible::Role role = MBAccessible::markedRole(static_cast<const QWidget *>(object));
    return role == QAccessible::StatusBar || role == QAccessible::Notification;
}

// Keeps, for the whole application, when a screen reader will have read
// the accessibility events sent to it.
class Stir final
{
public:
    static Stir &shared()
    {
        static Stir stir;
        return stir;
    }

    Clock::time_point readBy() const { return m_readBy; }

private:
    Stir() { m_next = QAccessible::installUpdateHandler(&Stir::heard); }

    static void heard(QAccessibleEvent *event)
    {
        Stir &stir = shared();
        if (!ownWidget(event->object()))
            stir.count();
        if (stir.m_next) {
            stir.m_next(event);
            return;
        }
        // On to the screen reader, as Qt sends an event when no handler is
        // installed.
        const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
        QAccessible::updateAccessibility(event);
        QAccessible::installUpdateHandler(current);
    }

    // An event after the screen reader has caught up starts a new run.
    void count()
    {
        const Clock::time_point now = Clock::now();
        m_run = now < m_readBy ? m_run + 1 : 1;
        m_readBy = now + quiet + m_run * perEvent;
    }

    QAccessible::UpdateHandler m_next = nullptr;
    Clock::time_point m_readBy;
    int m_run = 0;
};

// A status line in the window's corner, under everything else: screen
// readers find it, the eye and the mouse do not. The notification in it
// takes no room, so showing it anew repaints nothing.
class TLStatusLine final : public QWidget
{
public:
    explicit TLStatusLine(QWidget *window) : QWidget(window)
    {
        MBAccessible::markRole(this, QAccessible::StatusBar);
        setObjectName(QStringLiteral("tlStatusLine"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        m_notice = new QWidget(this);
        MBAccessible::markRole(m_notice, QAccessible::Notification);
        m_notice->setObjectName(QStringLiteral("tlAnnouncement"));
        m_notice->setGeometry(0, 0, 0, 0);
        m_wait.setSingleShot(true);
        connect(&m_wait, &QTimer::timeout, this, &TLStatusLine::sayWhenSettled);
        lower();
        show();
    }

    void say(const QString &sentence)
    {
        m_waiting = sentence;
        m_asked = Clock::now();
        sayWhenSettled();
    }

    QString said() const { return m_notice->accessibleName(); }

private:
    void sayWhenSettled()
    {
        const Clock::time_point due = std::max(Stir::shared().readBy(), m_asked + quiet);
        const Clock::time_point now = Clock::now();
        if (now < due) {
            m_wait.start(std::chrono::ceil<milliseconds>(due - now));
            return;
        }
        // Shown anew each time: a screen reader speaks a notification when
        // it appears.
        m_notice->hide();
        m_notice->setAccessibleName(m_waiting);
        m_notice->show();
    }

    QWidget *m_notice;
    QTimer m_wait;
    QString m_waiting;
    Clock::time_point m_asked;
};

TLStatusLine *lineOf(const QWidget *window)
{
    return static_cast<TLStatusLine *>(
        window->findChild<QWidget *>(QStringLiteral("tlStatusLine"), Qt::FindDirectChildrenOnly));
}

TLStatusLine *makeLine(QWidget *window)
{
    Stir::shared();
    TLStatusLine *line = lineOf(window);
    return line ? line : new TLStatusLine(window);
}

} // namespace

namespace TLAnnouncer {

void prepare(QWidget *window)
{
    makeLine(window->window());
}

void say(QWidget *from, const QString &sentence)
{
    if (!from || sentence.isEmpty())
        return;
    makeLine(from->window())->say(sentence);
}

QString lastSaid(const QWidget *window)
{
    const TLStatusLine *line = window ? lineOf(window) : nullptr;
    return line ? line->said() : QString();
}

} // namespace TLAnnouncer
