#include "look/kit/MBClickRun.h"

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

// What holds the presses on one widget, as its child: a run for presses on
// the widget itself (its own or a shared one), and one for every press in
// it while that run lasts.
class Held final : public QObject
{
public:
    static Held &of(QWidget *widget)
    {
        Held *held = find(widget);
        return held ? *held : *new Held(widget);
    }
    static Held *find(const QWidget *widget)
    {
        for (QObject *child : widget->children())
            if (auto *held = dynamic_cast<Held *>(child))
                return held;
        return nullptr;
    }

    void holdPresses(MBClickRun *run) { m_presses = run ? run : &m_own; }
    void holdArea(MBClickRun *run) { m_area = run; }
    MBClickRun *presses() const { return m_presses; }
    MBClickRun *area() const { return m_area; }

private:
    explicit Held(QWidget *widget) : QObject(widget) {}

    MBClickRun m_own;
    MBClickRun *m_presses = nullptr;
    MBClickRun *m_area = nullptr;
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

// Notes a left press made at `at` on `widget` on every run that holds it,
// and says whether one of them held it.
bool held(const QWidget *widget, quint64 at)
{
    struct Noted
    {
        MBClickRun *run;
        bool lasted;
    };
    QVarLengthArray<Noted, 4> runs;
    // Whether each run lasts is asked before any is noted: a run can hold
    // both a button and the area around it.
    const auto note = [&](MBClickRun *run, bool always) {
        for (const Noted &n : runs)
            if (n.run == run)
                return;
        const bool lasted = run->lasts(at);
        if (always || lasted)
            runs.append({run, lasted});
    };
    bool onWidget = false;
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const Held *h = Held::find(w);
        if (!h)
            continue;
        // The innermost held widget is the one pressed.
        if (h->presses() && !onWidget) {
            onWidget = true;
            note(h->presses(), true);
        }
        if (h->area())
            note(h->area(), false);
    }
    bool hold = false;
    for (const Noted &n : runs) {
        hold = hold || n.lasted;
        n.run->press(at);
    }
    return hold;
}

// Decides on each left press as it enters a window from the display, before
// Qt gives a widget the focus for it or takes it as the start of a drag or
// a click. A held press and its release go no further.
class Gate final : public QObject
{
public:
    explicit Gate(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (!receiver->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (left(event))
                m_held = decide(static_cast<QWindow *>(receiver), static_cast<QMouseEvent *>(event));
            return left(event) && m_held;
        case QEvent::MouseButtonDblClick:
            // In Qt 6 a double-click's second press reaches widgets only as
            // this event, which comes right after that press: it goes where
            // the press went.
        case QEvent::MouseButtonRelease:
            return left(event) && m_held;
        default:
            return false;
        }
    }

private:
    static bool left(const QEvent *event) { return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton; }

    static bool decide(const QWindow *window, const QMouseEvent *event)
    {
        // An open pop-up takes the press, to close.
        if (QApplication::activePopupWidget())
            return false;
        QWidget *top = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->windowHandle() == window)
                top = w;
        if (!top)
            return false;
        QWidget *under = top->childAt(event->position().toPoint());
        if (!under)
            under = top;
        return !inTextField(under) && held(under, event->timestamp());
    }

    bool m_held = false;
};

void openGate()
{
    static QPointer<Gate> gate;
    if (!gate)
        gate = new Gate(qApp);
}

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

void MBClickRun::holdMouse(QWidget *widget, MBClickRun *run)
{
    openGate();
    Held::of(widget).holdPresses(run);
}

void MBClickRun::holdArea(QWidget *area, MBClickRun *run)
{
    openGate();
    Held::of(area).holdArea(run);
}
