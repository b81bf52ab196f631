#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include <optional>

namespace {

// When the hand made the press; 0 for an event without a time stamp.
quint64 madeAt(const QEvent *event)
{
    return static_cast<const QMouseEvent *>(event)->timestamp();
}

bool leftPress(const QEvent *event)
{
    return (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        && static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
}

bool leftRelease(const QEvent *event)
{
    return event->type() == QEvent::MouseButtonRelease
        && static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton;
}

// Eats a left press that goes on a run, with the release that ends it, so
// no click comes of it. A double-click's second press comes as a press and
// a double-click event: both go on the run.
class Hold : public QObject
{
public:
    using QObject::QObject;

protected:
    // `onRun` notes a left press and says whether it goes on the run.
    template<typename OnRun>
    bool hold(const QEvent *event, OnRun onRun)
    {
        if (leftPress(event)) {
            m_eaten = onRun();
            return m_eaten;
        }
        if (m_eaten && leftRelease(event)) {
            m_eaten = false;
            return true;
        }
        return false;
    }

private:
    bool m_eaten = false;
};

// Notes every press of a button on its run.
class MouseHold final : public Hold
{
public:
    MouseHold(QAbstractButton *button, MBClickRun *run) : Hold(button), m_run(run ? run : &m_own.emplace())
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return hold(event, [&] { return m_run->press(madeAt(event)); });
    }

private:
    std::optional<MBClickRun> m_own;
    MBClickRun *m_run;
};

// Watches the application's mouse presses for those in the area while its
// run lasts. The release goes to the widget that had the press, so it is
// eaten even if that widget has left the area since.
class AreaHold final : public Hold
{
public:
    AreaHold(QWidget *area, MBClickRun *run) : Hold(area), m_area(area), m_run(run)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        return hold(event, [&] {
            const quint64 at = madeAt(event);
            return m_run->lasts(at) && within(receiver) && m_run->press(at);
        });
    }

private:
    bool within(const QObject *receiver) const
    {
        if (!receiver->isWidgetType())
            return false;
        const auto *widget = static_cast<const QWidget *>(receiver);
        return widget == m_area || m_area->isAncestorOf(widget);
    }

    QWidget *m_area;
    MBClickRun *m_run;
};

} // namespace

bool MBClickRun::lasts(quint64 at) const
{
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    return (m_last.isValid() && m_last.elapsed() < interval)
        || (at && m_lastAt && at >= m_lastAt && at - m_lastAt < quint64(interval));
}

bool MBClickRun::press(quint64 at)
{
    const bool repeat = lasts(at);
    m_last.start();
    if (at)
        m_lastAt = at;
    return repeat;
}

void MBClickRun::holdMouse(QAbstractButton *button, MBClickRun *run)
{
    new MouseHold(button, run);
}

void MBClickRun::holdMouse(QAbstractButton *button)
{
    new MouseHold(button, nullptr);
}

void MBClickRun::holdArea(QWidget *area, MBClickRun *run)
{
    new AreaHold(area, run);
}
