#include "widgets/TLAnnouncer.h"

#include "look/kit/MBAccessible.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>

#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A screen reader works through the accessibility events sent to it one
// after another, and Orca drops a notification that arrives while many are
// still waiting. Orca 43 here took about 1.8 ms for each event it was sent
// (a first search's 873 in 1.6 s from the first), or 1.15 ms for each the
// application made (not every kind reaches it), and up to 2.1 ms with
// another session beside it. A notification that comes a little late is
// heard; one that comes early is lost, so an event is reckoned at 2 ms, and
// at more still as this application gets less of the processor (below).
// So the events make a backlog that drains as time passes: each adds what
// it costs the reader, and a sentence waits until the backlog is gone. The
// few events of each key the person goes on pressing drain before the next
// key, so they never hold a sentence back for long. Without a screen reader
// no events are made, and a sentence waits the settling time alone.
constexpr double perEventMs = 2.0;
// What the change that asked for the sentence sends comes within this.
constexpr auto settling = milliseconds(250);
// A machine held to a share of a core, or crowded, slows the screen reader
// as it slows this application, and the reader also waits longer for this
// application's answers: an event costs the reader more a little faster
// than this application's share of the processor while it works shrinks
// (Orca beside it at a quarter of a core took 5.5 to 7 times as long, and a
// fifth more from one run to the next), down to this share.
constexpr double leastShare = 0.1;
constexpr double slowingPower = 1.2;
// The share is weighed over about this much of the latest work.
constexpr double shareWindowMs = 2000;

bool ownWidget(const QObject *object)
{
    if (!object || !object->isWidgetType())
        return false;
    const QAccessible::Role role = MBAccessible::markedRole(static_cast<const QWidget *>(object));
    return role == QAccessible::StatusBar || role == QAccessible::Notification;
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Keeps, for the whole application, when a screen reader will have worked
// through the accessibility events sent to it, and the share of the
// processor this application gets while it works: its main thread's
// processor time over the wall time of its spans of work (from the first
// event the loop hands out to the moment it would wait again).
class Stir final : public QObject
{
public:
    static Stir &shared()
    {
        static Stir *stir = new Stir(qApp);
        return *stir;
    }

    Clock::time_point readBy() const { return m_readBy; }

    ~Stir() override { QAccessible::installUpdateHandler(m_next); }

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        if (m_waiting)
            startWork();
        return false;
    }

private:
    explicit Stir(QObject *parent) : QObject(parent)
    {
        m_next = QAccessible::installUpdateHandler(&Stir::heard);
        qApp->installEventFilter(this);
        if (QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance(thread()))
            connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &Stir::endWork);
    }

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

    // The backlog drains while time passes; an event joins its end.
    void count()
    {
        const auto cost = std::chrono::duration<double, std::milli>(perEventMs / std::pow(share(), slowingPower));
        m_readBy = std::max(m_readBy, Clock::now()) + std::chrono::duration_cast<Clock::duration>(cost);
    }

    void startWork()
    {
        m_waiting = false;
        m_started = Clock::now();
        m_startedCpuMs = threadCpuMs();
    }

    void endWork()
    {
        if (m_waiting)
            return;
        m_waiting = true;
        m_wallMs += std::chrono::duration<double, std::milli>(Clock::now() - m_started).count();
        m_cpuMs += threadCpuMs() - m_startedCpuMs;
        if (m_wallMs > shareWindowMs) {
            m_cpuMs *= shareWindowMs / m_wallMs;
            m_wallMs = shareWindowMs;
        }
    }

    double share() const { return m_wallMs > 0 ? std::clamp(m_cpuMs / m_wallMs, leastShare, 1.0) : 1.0; }

    QAccessible::UpdateHandler m_next = nullptr;
    Clock::time_point m_readBy;
    // The span of work under way; none while the loop waits.
    bool m_waiting = true;
    Clock::time_point m_started;
    double m_startedCpuMs = 0;
    // Wall and processor time of the latest work.
    double m_wallMs = 0;
    double m_cpuMs = 0;
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
        const Clock::time_point due = std::max(Stir::shared().readBy(), m_asked + settling);
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
