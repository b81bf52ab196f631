#include "widgets/TLAnnouncer.h"

#include "look/kit/MBAccessible.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// What a screen reader spends on one widget shown, hidden or focused (Orca
// reads an event in about a millisecond and a half, and a widget sends one
// or two), the pause after the last before a sentence, and the longest a
// sentence waits for a window that keeps changing.
constexpr auto perChange = std::chrono::microseconds(3000);
constexpr auto pause = milliseconds(250);
constexpr auto longest = milliseconds(4000);

bool ownWidget(const QObject *object)
{
    const QAccessible::Role role = MBAccessible::markedRole(static_cast<const QWidget *>(object));
    return role == QAccessible::StatusBar || role == QAccessible::Notification;
}

// Keeps, for the whole application, when a screen reader will have read
// what the widgets sent it.
class Stir final : public QObject
{
public:
    static Stir &shared()
    {
        static QPointer<Stir> stir;
        if (!stir) {
            stir = new Stir(qApp);
            qApp->installEventFilter(stir);
        }
        return *stir;
    }

    Clock::time_point readBy() const { return m_readBy; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide || type == QEvent::FocusIn) && object->isWidgetType()
            && !ownWidget(object))
            m_readBy = std::max(m_readBy, Clock::now()) + perChange;
        return false;
    }

private:
    using QObject::QObject;
    Clock::time_point m_readBy;
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
        const Clock::time_point due = std::min(std::max(Stir::shared().readBy(), m_asked) + pause, m_asked + longest);
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
