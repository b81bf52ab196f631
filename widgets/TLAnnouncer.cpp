#include "widgets/TLAnnouncer.h"

#include "look/kit/MBAccessible.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A screen reader works through the accessibility events sent to it one
// after another, and Orca drops a notification that arrives while many are
// still waiting. Orca 43 here took about 1.15 ms for each event the
// application made (not every kind reaches it), and up to 2.1 ms with
// another session beside it. A notification a little late is heard; one
// early is lost, so an event is reckoned at 2 ms, and more when the
// application gets less of the processor (below). The events make a
// backlog that drains as time passes, and a sentence waits until it is
// gone: a burst waits for the reader, while the few events of each key the
// person goes on pressing drain before the next key. Without a screen
// reader no events are made, and a sentence waits the settling time alone.
constexpr double perEventMs = 2.0;
// What the change that asked for the sentence sends comes within this.
constexpr auto settling = milliseconds(250);
// However many events come, a sentence is said by then.
constexpr auto longestWait = milliseconds(10000);
// A change's layout, the scroll bars that shows or hides, and what that
// lays out again: each is posted by the one before.
constexpr int postedTurns = 3;
// A crowded processor slows the screen reader beside this application too:
// an event costs perEventMs / share^slowingPower, the share taken as no
// less than leastShare. Orca held with the application to a quarter of a
// core took about 4.4 ms an event; this reckons 4.6 ms there.
constexpr double leastShare = 0.1;
constexpr double slowingPower = 0.6;

bool ownWidget(const QObject *object)
{
    if (!object || !object->isWidgetType())
        return false;
    const QAccessible::Role role = MBAccessible::markedRole(static_cast<const QWidget *>(object));
    return role == QAccessible::StatusBar || role == QAccessible::Notification;
}

// The share of the processor the main thread gets: of the time it was ready
// to run, the part it ran, over the last two to three seconds. The kernel
// keeps both for each thread; time spent waiting for the display, a file or
// a timer is neither, so only a crowded processor lowers the share.
class ProcessorShare
{
public:
    // Opened on the thread it measures.
    ProcessorShare() : m_file(::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC)) { sample(); }
    ~ProcessorShare()
    {
        if (m_file >= 0)
            ::close(m_file);
    }
    ProcessorShare(const ProcessorShare &) = delete;
    ProcessorShare &operator=(const ProcessorShare &) = delete;

    // Adds what the thread ran and waited since the last sample to the
    // current second.
    void sample()
    {
        char text[96];
        const ssize_t size = m_file >= 0 ? ::pread(m_file, text, sizeof text - 1, 0) : -1;
        if (size <= 0)
            return;
        text[size] = '\0';
        char *end = nullptr;
        const unsigned long long ran = std::strtoull(text, &end, 10);
        const unsigned long long waited = std::strtoull(end, nullptr, 10);
        Second &second = current();
        if (m_sampled) {
            second.ranNs += double(ran - m_ranNs);
            second.waitedNs += double(waited - m_waitedNs);
        }
        m_sampled = true;
        m_ranNs = ran;
        m_waitedNs = waited;
    }

    // 1 with nothing run or waited for in the window, or no schedstat file.
    double value() const
    {
        const long long now = secondsNow();
        double ran = 0;
        double waited = 0;
        for (const Second &second : m_window) {
            if (second.index > now - static_cast<long long>(m_window.size())) {
                ran += second.ranNs;
                waited += second.waitedNs;
            }
        }
        return ran + waited > 0 ? ran / (ran + waited) : 1.0;
    }

private:
    struct Second
    {
        long long index = -1;
        double ranNs = 0;
        double waitedNs = 0;
    };

    static long long secondsNow()
    {
        return std::chrono::duration_cast<std::chrono::seconds>(Clock::now().time_since_epoch()).count();
    }

    Second &current()
    {
        const long long now = secondsNow();
        Second &second = m_window[std::size_t(now) % m_window.size()];
        if (second.index != now)
            second = Second{now, 0, 0};
        return second;
    }

    int m_file;
    bool m_sampled = false;
    unsigned long long m_ranNs = 0;
    unsigned long long m_waitedNs = 0;
    // This second and the two before.
    std::array<Second, 3> m_window;
};

// Keeps, for the whole application, when a screen reader will have worked
// through the accessibility events sent to it, and samples the processor
// share at each event and each time the event loop is about to wait.
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

private:
    explicit Stir(QObject *parent) : QObject(parent)
    {
        m_next = QAccessible::installUpdateHandler(&Stir::heard);
        if (QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance(thread()))
            connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, [this] { m_share.sample(); });
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
        m_share.sample();
        const double share = std::max(m_share.value(), leastShare);
        const auto cost = std::chrono::duration<double, std::milli>(perEventMs / std::pow(share, slowingPower));
        m_readBy = std::max(m_readBy, Clock::now()) + std::chrono::duration_cast<Clock::duration>(cost);
    }

    QAccessible::UpdateHandler m_next = nullptr;
    Clock::time_point m_readBy;
    ProcessorShare m_share;
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
        // A coarse timer may come 5 % late: past the longest wait.
        m_wait.setTimerType(Qt::PreciseTimer);
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
        if (m_turnsLeft > 0 || waitLeft())
            return;
        // On a crowded processor the change may only just have run, with its
        // layout still posted, and that posts the scroll bars' showing or
        // hiding in turn: handled after the sentence, they would come amid
        // it. So the sentence waits behind what is posted, as many turns as
        // that takes, and then for what it sent a screen reader.
        m_turnsLeft = postedTurns;
        afterPosted();
    }

    // A call posted behind what is posted now: it runs once that is done.
    void afterPosted()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (--m_turnsLeft > 0) {
                    afterPosted();
                    return;
                }
                if (waitLeft())
                    return;
                // Shown anew each time: a screen reader speaks a notification
                // when it appears.
                m_notice->hide();
                m_notice->setAccessibleName(m_waiting);
                m_notice->show();
            },
            Qt::QueuedConnection);
    }

    // Starts the timer for what is left of the wait, if anything.
    bool waitLeft()
    {
        const Clock::time_point due
            = std::min(std::max(Stir::shared().readBy(), m_asked + settling), m_asked + longestWait);
        const Clock::time_point now = Clock::now();
        if (now >= due)
            return false;
        m_wait.start(std::chrono::ceil<milliseconds>(due - now));
        return true;
    }

    QWidget *m_notice;
    QTimer m_wait;
    QString m_waiting;
    Clock::time_point m_asked;
    // Turns still to wait behind what is posted; none while the timer waits.
    int m_turnsLeft = 0;
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
