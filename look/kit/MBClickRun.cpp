#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyleHints>
#include <QTextEdit>
#include <QVarLengthArray>
#include <QWindow>

namespace {

int doubleClickInterval()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// The runs that presses on one widget go on, kept as the widget's child.
class WidgetRuns final : public QObject
{
public:
    static WidgetRuns &of(QWidget *widget)
    {
        WidgetRuns *runs = find(widget);
        return runs ? *runs : *new WidgetRuns(widget);
    }
    static WidgetRuns *find(const QWidget *widget)
    {
        for (QObject *child : widget->children())
            if (auto *runs = dynamic_cast<WidgetRuns *>(child))
                return runs;
        return nullptr;
    }

    // The widget's own presses: on its own run or a shared one.
    MBClickRun *presses = nullptr;
    MBClickRun own;
    // Every press in the widget, while it lasts.
    MBClickRun *area = nullptr;
    // The widget is one of its window's pages.
    bool page = false;
    // On a window: the run its pages are held on.
    MBClickRun pageRun;

private:
    explicit WidgetRuns(QWidget *widget) : QObject(widget) {}
};

// Where a click places the caret: never held.
bool inTextField(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w)
            || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w))
            return true;
    return false;
}

// A press as the application took it and as the hand made it.
struct Press
{
    QElapsedTimer taken;
    quint64 at = 0;
};

// Decides on each left press as it enters a window from the display, before
// Qt gives a widget the focus for it or takes it as the start of a drag or
// a click, and notes each click that acts on its runs as its release comes.
class Gate final : public QObject
{
public:
    explicit Gate(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    // The last click that acted, when the application took it within the
    // double-click interval.
    const Press *recentClick() const
    {
        return m_clickTaken.isValid() && m_clickTaken.elapsed() < doubleClickInterval() ? &m_click : nullptr;
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (!receiver->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (!left(event))
                return false;
            m_eatingClick = holdsPress(static_cast<QWindow *>(receiver), static_cast<QMouseEvent *>(event));
            return m_eatingClick;
        case QEvent::MouseButtonDblClick:
            // In Qt 6 a double-click's second press reaches widgets only as
            // this event, which comes right after that press: it goes where
            // the press went.
            return left(event) && m_eatingClick;
        case QEvent::MouseButtonRelease:
            if (!left(event))
                return false;
            // A held press's release is eaten too: a widget that grabbed the
            // mouse, or one that acts on a release alone (a link), would
            // take it as the end of a click.
            if (m_eatingClick)
                return true;
            noteClick(static_cast<QMouseEvent *>(event));
            return false;
        default:
            return false;
        }
    }

private:
    // A press let through, until its release says whether it acted.
    struct Pending
    {
        // The widget the press is on: the innermost button or held widget
        // under it, else the widget under it.
        QPointer<QWidget> target;
        // The run its presses go on, if it keeps one.
        MBClickRun *run = nullptr;
        // The press is on an open pop-up list.
        bool onList = false;
        Press press;
    };

    static bool left(const QEvent *event) { return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton; }

    static Press pressOf(const QMouseEvent *event)
    {
        Press press;
        press.taken.start();
        press.at = event->timestamp();
        return press;
    }

    // The widget whose window this is. A native child window's press is
    // never held: it is no widget's window here.
    static QWidget *windowWidget(QWindow *window)
    {
        QWidget *widget = QWidget::find(window->winId());
        return widget && widget->isWindow() ? widget : nullptr;
    }

    // True when a run holds the press: it goes on the runs that held it and
    // no further. Otherwise it is let through, pending its release.
    bool holdsPress(QWindow *window, const QMouseEvent *event)
    {
        m_pending = {};
        const QPoint global = event->globalPosition().toPoint();
        if (QWidget *popup = QApplication::activePopupWidget()) {
            // An open pop-up takes the press, to close or to pick.
            if (popup->frameGeometry().contains(global))
                m_pending = {popup, nullptr, true, pressOf(event)};
            return false;
        }
        QWidget *top = windowWidget(window);
        if (!top)
            return false;
        QWidget *under = top->childAt(event->position().toPoint());
        if (!under)
            under = top;
        if (inTextField(under))
            return false;

        const quint64 at = event->timestamp();
        struct Noted
        {
            MBClickRun *run;
            bool lasted;
        };
        QVarLengthArray<Noted, 4> runs;
        // Whether each run lasts is asked before any is noted: a run can
        // hold both a button and the area around it.
        const auto note = [&](MBClickRun *run, bool always) {
            for (const Noted &n : runs)
                if (n.run == run)
                    return;
            const bool lasted = run->lasts(at);
            if (always || lasted)
                runs.append({run, lasted});
        };
        QWidget *target = nullptr;
        MBClickRun *targetRun = nullptr;
        WidgetRuns *windowRuns = WidgetRuns::find(top);
        for (QWidget *w = under; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
            const WidgetRuns *r = WidgetRuns::find(w);
            // The innermost button or held widget is the one pressed.
            if (!target && ((r && r->presses) || qobject_cast<QAbstractButton *>(w))) {
                target = w;
                targetRun = r ? r->presses : nullptr;
                if (targetRun)
                    note(targetRun, true);
            }
            if (r && r->area)
                note(r->area, false);
            if (r && r->page && windowRuns)
                note(&windowRuns->pageRun, false);
        }
        if (m_listPlace.contains(global))
            note(&m_listRun, false);

        bool lasted = false;
        for (const Noted &n : runs)
            lasted = lasted || n.lasted;
        if (lasted) {
            const Press press = pressOf(event);
            for (const Noted &n : runs)
                n.run->join(press.taken, press.at);
            return true;
        }
        m_pending = {target ? target : under, targetRun, false, pressOf(event)};
        return false;
    }

    // A click that acts goes on its widget's runs from its press, as it is
    // released and before the widget takes the release.
    void noteClick(const QMouseEvent *release)
    {
        const Pending pending = std::exchange(m_pending, {});
        if (!pending.target)
            return;
        const QPoint global = release->globalPosition().toPoint();
        if (pending.onList) {
            // A pick: the list closes, and the rest of the click's run holds
            // the place where it was.
            QWidget *popup = QApplication::activePopupWidget();
            if (popup != pending.target || !popup->frameGeometry().contains(global))
                return;
            m_listPlace = popup->frameGeometry();
            m_listRun.join(pending.press.taken, pending.press.at);
        } else if (!acts(pending.target, global)) {
            return;
        } else if (pending.run) {
            pending.run->join(pending.press.taken, pending.press.at);
        }
        m_click = pending.press;
        m_clickTaken.start();
    }

    // Whether the release ends a click that `target` takes.
    static bool acts(const QWidget *target, QPoint global)
    {
        if (auto *button = qobject_cast<const QAbstractButton *>(target))
            return button->isDown(); // it comes up when the pointer leaves it
        return target->isVisible() && target->rect().contains(target->mapFromGlobal(global));
    }

    bool m_eatingClick = false;
    Pending m_pending;
    // The last click that acted, and when its release was taken.
    Press m_click;
    QElapsedTimer m_clickTaken;
    // The place of the last pop-up list picked from, and its pick's run.
    QRect m_listPlace;
    MBClickRun m_listRun;
};

QPointer<Gate> &gate()
{
    static QPointer<Gate> gate;
    return gate;
}

void openGate()
{
    if (!gate())
        gate() = new Gate(qApp);
}

} // namespace

bool MBClickRun::lasts(quint64 at) const
{
    const int interval = doubleClickInterval();
    return (m_last.isValid() && m_last.elapsed() < interval)
        || (at && m_lastAt && at >= m_lastAt && at - m_lastAt < quint64(interval));
}

void MBClickRun::join(const QElapsedTimer &taken, quint64 at)
{
    if (!m_last.isValid() || m_last.msecsTo(taken) > 0)
        m_last = taken;
    m_lastAt = std::max(m_lastAt, at);
}

void MBClickRun::holdMouse(QWidget *widget, MBClickRun *run)
{
    openGate();
    WidgetRuns &runs = WidgetRuns::of(widget);
    runs.presses = run ? run : &runs.own;
}

void MBClickRun::holdArea(QWidget *area, MBClickRun *run)
{
    openGate();
    WidgetRuns::of(area).area = run;
}

void MBClickRun::holdPage(QWidget *page)
{
    openGate();
    WidgetRuns::of(page).page = true;
}

void MBClickRun::clickChangedPage(QWidget *widget)
{
    const Press *click = gate() ? gate()->recentClick() : nullptr;
    if (click && widget)
        WidgetRuns::of(widget->window()).pageRun.join(click->taken, click->at);
}
