#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyleHints>
#include <QTextEdit>
#include <QVarLengthArray>
#include <QWindow>

#include <list>
#include <optional>

namespace {

using Moment = MBClickRun::Moment;

int doubleClickInterval()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

Moment momentOf(const QInputEvent *event)
{
    Moment moment;
    moment.taken.start();
    moment.at = event->timestamp();
    return moment;
}

// The run a widget's own presses go on, kept as the widget's child.
class PressRun final : public QObject
{
public:
    static PressRun *of(const QWidget *widget)
    {
        for (QObject *child : widget->children())
            if (auto *found = dynamic_cast<PressRun *>(child))
                return found;
        return nullptr;
    }
    static void set(QWidget *widget, MBClickRun *run)
    {
        PressRun *kept = of(widget);
        if (!kept)
            kept = new PressRun(widget);
        kept->m_run = run ? run : &kept->m_own;
    }

    MBClickRun *run() const { return m_run; }

private:
    explicit PressRun(QWidget *widget) : QObject(widget) {}

    MBClickRun *m_run = nullptr;
    MBClickRun m_own;
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

// What a press on `under` presses: the innermost button or widget that
// keeps a run of its own, else `under` itself.
QWidget *pressedWidget(QWidget *under)
{
    for (QWidget *w = under; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (PressRun::of(w) || qobject_cast<QAbstractButton *>(w))
            return w;
    return under;
}

QRect onScreen(const QWidget *widget, const QRect &rect)
{
    return {widget->mapToGlobal(rect.topLeft()), rect.size()};
}

// Where on the screen the part of `pressed` at `global` is: a button or a
// link whole, an item of a list or a menu, a part that a widget draws
// itself (a picker's segment, as it shows it to a screen reader), else the
// whole widget. Null on a list's or a menu's place that picks nothing.
QRect placeOf(QWidget *pressed, QPoint global)
{
    if (auto *menu = qobject_cast<QMenu *>(pressed)) {
        QAction *action = menu->actionAt(menu->mapFromGlobal(global));
        if (!action || action->isSeparator() || !action->isEnabled() || action->menu())
            return {};
        return onScreen(menu, menu->actionGeometry(action));
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(pressed->parentWidget()); view && view->viewport() == pressed) {
        const QModelIndex item = view->indexAt(pressed->mapFromGlobal(global));
        if (!item.isValid() || !(item.flags() & Qt::ItemIsEnabled))
            return {};
        return onScreen(pressed, view->visualRect(item));
    }
    if (!qobject_cast<QAbstractButton *>(pressed) && !PressRun::of(pressed))
        if (QAccessibleInterface *whole = QAccessible::queryAccessibleInterface(pressed))
            if (QAccessibleInterface *part = whole->childAt(global.x(), global.y()))
                return part->rect();
    return onScreen(pressed, pressed->rect());
}

// Whether the release ends a click that `pressed` takes.
bool acts(const QWidget *pressed, QPoint global)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(pressed))
        return button->isDown(); // it comes up when the pointer leaves it
    return pressed->isVisible() && pressed->rect().contains(pressed->mapFromGlobal(global));
}

// The widget whose window this is. A native child window's press is never
// held: it is no widget's window here.
QWidget *windowWidget(QWindow *window)
{
    QWidget *widget = QWidget::find(window->winId());
    return widget && widget->isWindow() ? widget : nullptr;
}

// The places on the screen that the rest of a click's run holds.
class HeldPlaces
{
public:
    void hold(const QRect &place, const Moment &press, const Moment &release)
    {
        m_places.push_back({place, {}});
        m_places.back().run.join(press);
        m_places.back().run.join(release);
    }
    // Forgets the places whose run is over for a press made at `at`, and so
    // for every press after it.
    void forgetEnded(quint64 at)
    {
        m_places.remove_if([at](const Place &p) { return !p.run.lasts(at); });
    }
    // The runs of the places that hold `global`: each lasts until the next
    // forgetEnded().
    QVarLengthArray<MBClickRun *, 2> holding(QPoint global)
    {
        QVarLengthArray<MBClickRun *, 2> runs;
        for (Place &p : m_places)
            if (p.place.contains(global))
                runs.append(&p.run);
        return runs;
    }

private:
    struct Place
    {
        QRect place;
        MBClickRun run;
    };
    std::list<Place> m_places;
};

// Decides on each left press as it enters a window from the display, before
// Qt gives a widget the focus for it or takes it as the start of a drag or
// a click; notes a click that acts on its widget's run as its release comes;
// and holds the place of what it pressed when it changes what is under it.
class ClickGate final : public QObject
{
public:
    explicit ClickGate(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    void pageChanged()
    {
        if (!m_handling || !m_click)
            return;
        if (!m_click->released)
            m_click->changed = true; // known to act only at its release
        else if (m_click->acted)
            holdPlace();
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
            endHandling();
            m_click.reset();
            return holdsPress(static_cast<QWindow *>(receiver), static_cast<QMouseEvent *>(event));
        case QEvent::MouseButtonDblClick:
            // In Qt 6 a double-click's second press reaches widgets only as
            // this event, which comes right after that press: it goes where
            // the press went.
            return left(event) && m_held;
        case QEvent::MouseButtonRelease:
            if (!left(event))
                return false;
            if (m_held) {
                // Eaten too: a widget that grabbed the mouse, or one that
                // acts on a release alone (a link), would take it as the end
                // of a click.
                m_held->join(momentOf(static_cast<QMouseEvent *>(event)));
                m_held.reset();
                return true;
            }
            released(static_cast<QMouseEvent *>(event));
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            endHandling(); // what a key changes is no click's doing
            return false;
        default:
            return false;
        }
    }

private:
    // The click the application is handling, from its press until the
    // events that its release set off are done.
    struct Click
    {
        QPointer<QWidget> pressed;
        // The run its widget's presses go on, if it keeps one.
        MBClickRun *run = nullptr;
        // The press is on an open pop-up list or menu, `pressed`.
        bool onPopUp = false;
        QRect place;
        Moment press;
        Moment release;
        bool released = false;
        bool acted = false;
        // Its press changed what is under it.
        bool changed = false;
        bool placeHeld = false;
    };

    // A held press: the runs that held it, which its release goes on too.
    struct HeldPress
    {
        QPointer<PressRun> widgetRun;
        bool byWidgetRun = false;
        QVarLengthArray<MBClickRun *, 2> places;

        void join(const Moment &moment) const
        {
            if (byWidgetRun && widgetRun)
                widgetRun->run()->join(moment);
            for (MBClickRun *run : places)
                run->join(moment);
        }
    };

    static bool left(const QEvent *event) { return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton; }

    // True when a run holds the press: it goes on the runs that held it and
    // no further. Otherwise it is let through, pending its release.
    bool holdsPress(QWindow *window, const QMouseEvent *event)
    {
        m_held.reset();
        const Moment press = momentOf(event);
        const QPoint global = event->globalPosition().toPoint();
        m_places.forgetEnded(press.at);
        if (QWidget *popUp = QApplication::activePopupWidget()) {
            // An open pop-up takes the press, to close or to pick.
            if (popUp->frameGeometry().contains(global))
                begin(popUp, nullptr, true, {}, press);
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

        QWidget *pressed = pressedWidget(under);
        PressRun *widgetRun = PressRun::of(pressed);
        HeldPress held{widgetRun, widgetRun && widgetRun->run()->lasts(press.at), m_places.holding(global)};
        if (held.byWidgetRun || !held.places.isEmpty()) {
            held.join(press);
            m_held = held;
            return true;
        }
        begin(pressed, widgetRun ? widgetRun->run() : nullptr, false, placeOf(pressed, global), press);
        return false;
    }

    // Decides, as the release comes and before the widget takes it, whether
    // the click acted; one that did goes on its widget's run.
    void released(const QMouseEvent *event)
    {
        if (!m_click || m_click->released)
            return;
        Click &click = *m_click;
        click.released = true;
        click.release = momentOf(event);
        const QPoint global = event->globalPosition().toPoint();
        if (click.onPopUp) {
            // A pick: the list or menu closes and uncovers what lay under it.
            QWidget *popUp = click.pressed;
            if (popUp && QApplication::activePopupWidget() == popUp && popUp->frameGeometry().contains(global)) {
                QWidget *item = popUp->childAt(popUp->mapFromGlobal(global));
                click.place = placeOf(item ? item : popUp, global);
                click.acted = click.place.isValid();
            }
        } else {
            click.acted = click.pressed && acts(click.pressed, global);
        }
        if (!click.acted) {
            m_click.reset(); // a press that did nothing is no click
            return;
        }
        if (click.run) {
            click.run->join(click.press);
            click.run->join(click.release);
        }
        if (click.onPopUp || click.changed)
            holdPlace();
        startHandling();
    }

    void begin(QWidget *pressed, MBClickRun *run, bool onPopUp, const QRect &place, const Moment &press)
    {
        m_click.emplace();
        m_click->pressed = pressed;
        m_click->run = run;
        m_click->onPopUp = onPopUp;
        m_click->place = place;
        m_click->press = press;
        startHandling();
    }

    // The click's press or release is being handled until the events it
    // sets off are: a call posted now comes after them.
    void startHandling()
    {
        m_handling = true;
        QMetaObject::invokeMethod(
            this, [this, phase = ++m_phase] {
                if (phase == m_phase)
                    endHandling();
            },
            Qt::QueuedConnection);
    }

    void endHandling()
    {
        m_handling = false;
        ++m_phase;
        if (m_click && m_click->released)
            m_click.reset();
    }

    void holdPlace()
    {
        Click &click = *m_click;
        if (click.placeHeld || !click.place.isValid())
            return;
        click.placeHeld = true;
        m_places.hold(click.place, click.press, click.release);
    }

    std::optional<Click> m_click;
    bool m_handling = false;
    quint64 m_phase = 0;
    std::optional<HeldPress> m_held;
    HeldPlaces m_places;
};

QPointer<ClickGate> &gate()
{
    static QPointer<ClickGate> gate;
    return gate;
}

void openGate()
{
    if (!gate())
        gate() = new ClickGate(qApp);
}

} // namespace

bool MBClickRun::lasts(quint64 at) const
{
    const int interval = doubleClickInterval();
    return (m_last.isValid() && m_last.elapsed() < interval)
        || (at && m_lastAt && at >= m_lastAt && at - m_lastAt < quint64(interval));
}

void MBClickRun::join(const Moment &moment)
{
    if (!m_last.isValid() || m_last.msecsTo(moment.taken) > 0)
        m_last = moment.taken;
    m_lastAt = std::max(m_lastAt, moment.at);
}

void MBClickRun::holdMouse(QWidget *widget, MBClickRun *run)
{
    openGate();
    PressRun::set(widget, run);
}

void MBClickRun::pageChanged()
{
    openGate();
    gate()->pageChanged();
}
