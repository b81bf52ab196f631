#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextEdit>
#include <QVarLengthArray>
#include <QWindow>

#include <list>
#include <optional>

namespace {

// How far a trembling hand slips around what it pressed (Qt itself takes
// two presses 5 px apart as a double-click; a list item is 24 px high).
constexpr int reach = 24;
// How long after a click's release what it pressed stays held: at least
// as long as a person takes to see what moved and aim again (so a click
// half a second after it, as the display times it, is still held), however
// soon its run ends; at most as long as a person who keeps clicking beside
// it would wait.
constexpr quint64 heldAtLeast = 600; // ms
constexpr quint64 heldAtMost = 1000; // ms

int doubleClickInterval()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// An event of a run: when the application took it, and when the hand made
// it (ms, the mouse events' time stamps; 0 for none).
struct Moment
{
    QElapsedTimer taken;
    quint64 at = 0;
};

Moment momentOf(const QInputEvent *event)
{
    Moment moment;
    moment.taken.start();
    moment.at = event->timestamp();
    return moment;
}

class Run
{
public:
    // A press now, made at `at`, would go on the run: it comes within the
    // system's double-click interval of the run's last event as the
    // application took it, or as the hand made it, however late a busy
    // application took either.
    bool lasts(quint64 at) const
    {
        const int interval = doubleClickInterval();
        return (m_last.isValid() && m_last.elapsed() < interval)
            || (at && m_lastAt && at >= m_lastAt && at - m_lastAt < quint64(interval));
    }
    // Goes on the run from `moment`; a later event already on it stays the
    // last.
    void join(const Moment &moment)
    {
        if (!m_last.isValid() || m_last.msecsTo(moment.taken) > 0)
            m_last = moment.taken;
        m_lastAt = std::max(m_lastAt, moment.at);
    }

private:
    QElapsedTimer m_last;
    quint64 m_lastAt = 0;
};

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
    static void set(QWidget *widget)
    {
        if (!of(widget))
            new PressRun(widget);
    }

    Run run;

private:
    explicit PressRun(QWidget *widget) : QObject(widget) {}
};

// Where a click places the caret or drags a scroll bar: it calls, keeps
// and removes nothing, so it is never held.
bool neverHeld(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QTextEdit *>(w)
            || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
            || qobject_cast<const QScrollBar *>(w))
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

// The part of `rect` (on the screen) that `widget` shows: clipped by the
// widget and every widget it lies in, up to its window's edges, so by every
// scroll area and list view.
QRect shownPart(const QWidget *widget, QRect rect)
{
    for (const QWidget *w = widget; w && !rect.isEmpty(); w = w->isWindow() ? nullptr : w->parentWidget())
        rect &= onScreen(w, w->rect());
    return rect;
}

// The part of `from`'s page from `from`'s top down to the page's end that
// was on the screen: what moves when a row comes or goes at `from`. The
// page is what a scroll area around `from` scrolls, else its window.
QRect shownBelow(const QWidget *from)
{
    const QWidget *page = from;
    for (; !page->isWindow(); page = page->parentWidget()) {
        const QWidget *up = page->parentWidget();
        auto *area = qobject_cast<const QAbstractScrollArea *>(up->parentWidget());
        if (area && area->viewport() == up)
            break;
    }
    QRect below = onScreen(page, page->rect());
    below.setTop(from->mapToGlobal(QPoint()).y());
    return shownPart(page, below);
}

// A widget with no child widgets, which may draw parts of its own.
bool drawsItsOwnParts(const QWidget *widget)
{
    for (const QObject *child : widget->children())
        if (child->isWidgetType())
            return false;
    return true;
}

// Where on the screen the part of `pressed` at `global` is, as far as it is
// shown: a button or a link whole, an item of a list or a menu, a part that
// a widget draws itself (a picker's segment, as it shows it to a screen
// reader), else the whole widget. Empty on a list's or a menu's place that
// picks nothing.
QRect shownPartAt(QWidget *pressed, QPoint global)
{
    if (auto *menu = qobject_cast<QMenu *>(pressed)) {
        QAction *action = menu->actionAt(menu->mapFromGlobal(global));
        if (!action || action->isSeparator() || !action->isEnabled() || action->menu())
            return {};
        return shownPart(menu, onScreen(menu, menu->actionGeometry(action)));
    }
    if (auto *view = qobject_cast<QAbstractItemView *>(pressed->parentWidget()); view && view->viewport() == pressed) {
        const QModelIndex item = view->indexAt(pressed->mapFromGlobal(global));
        if (!item.isValid() || !(item.flags() & Qt::ItemIsEnabled))
            return {};
        // A view may report an item wider than itself.
        return shownPart(pressed, onScreen(pressed, view->visualRect(item)));
    }
    // Only a widget without child widgets is asked: a container's children
    // are widgets, and asking it walks every one of them.
    if (!qobject_cast<QAbstractButton *>(pressed) && !PressRun::of(pressed) && drawsItsOwnParts(pressed))
        if (QAccessibleInterface *whole = QAccessible::queryAccessibleInterface(pressed))
            if (QAccessibleInterface *part = whole->childAt(global.x(), global.y()))
                return shownPart(pressed, part->rect());
    return shownPart(pressed, onScreen(pressed, pressed->rect()));
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

// What the rest of a click's run holds on the screen: what a trembling hand
// can reach of what it pressed.
class HeldPlaces
{
public:
    // `shown`: the part of what the click pressed that was on the screen.
    void hold(const QRect &shown, const Moment &press, const Moment &release)
    {
        if (shown.isEmpty())
            return; // nothing of it could be seen, so nothing of it pressed again
        m_places.push_back({shown.adjusted(-reach, -reach, reach, reach), {}, release});
        m_places.back().run.join(press);
        m_places.back().run.join(release);
    }
    // Forgets the places whose hold is over for a press made at `at`, and so
    // for every press after it.
    void forgetEnded(quint64 at)
    {
        m_places.remove_if([at](const Place &p) {
            const quint64 age = p.age(at);
            return age >= heldAtMost || (age >= heldAtLeast && !p.run.lasts(at));
        });
    }
    // The runs of the places that hold `global`: each lasts until the next
    // forgetEnded().
    QVarLengthArray<Run *, 2> holding(QPoint global)
    {
        QVarLengthArray<Run *, 2> runs;
        for (Place &p : m_places)
            if (p.place.contains(global))
                runs.append(&p.run);
        return runs;
    }

private:
    struct Place
    {
        QRect place;
        Run run;
        Moment made; // the release of the click that made it

        // How long before a press made at `at` the place was made: by the
        // hand's time when the events tell it, however late a busy
        // application took them; else by the application's.
        quint64 age(quint64 at) const
        {
            if (at && made.at && at >= made.at)
                return at - made.at;
            return quint64(made.taken.elapsed());
        }
    };
    std::list<Place> m_places;
};

// Decides on each left press as it enters a window from the display, before
// Qt gives a widget the focus for it or takes it as the start of a drag or
// a click; notes a click that acts on its widget's run as its release comes;
// and holds what it pressed when it changes what is under it.
class ClickGate final : public QObject
{
public:
    explicit ClickGate(QObject *parent) : QObject(parent) { qApp->installEventFilter(this); }

    // `from`: where a row comes or goes, moving what is below it.
    void pageChanged(const QWidget *from)
    {
        if (!m_handling || !m_click)
            return;
        Click &click = *m_click;
        // Worked out as the change begins. What a listener told before moved
        // (a list scrolled to what is chosen now) holds where it stood.
        if (!click.shown && !click.onPopUp)
            click.shown = click.pressed && onScreen(click.pressed, click.pressed->rect()) == click.pressedAt
                ? shownPartAt(click.pressed, click.global)
                : click.shownAtPress;
        if (from && from->isVisible())
            click.moved |= shownBelow(from);
        if (!click.released)
            click.changed = true; // known to act only at its release
        else
            holdPlace();
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        // What a key changes is no click's doing. A key that is a shortcut
        // never reaches the window: its override reaches the focus.
        if (event->spontaneous() && event->type() == QEvent::ShortcutOverride)
            endHandling();
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
                // Eaten too: its press reached no widget, so the end of
                // that click reaches none either.
                m_held->join(momentOf(static_cast<QMouseEvent *>(event)));
                m_held.reset();
                return true;
            }
            released(static_cast<QMouseEvent *>(event));
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            endHandling();
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
        QPoint global;
        // Where it stood on the screen at the press, and the part of it
        // that showed there.
        QRect pressedAt;
        QRect shownAtPress;
        // The run its widget's presses go on, if it keeps one.
        QPointer<PressRun> widgetRun;
        // The press is on an open pop-up list or menu, `pressed`.
        bool onPopUp = false;
        // What the hand saw of what it pressed, once the click changes what
        // is under it, or picks.
        std::optional<QRect> shown;
        bool shownHeld = false;
        // What moves with the rows it made come or go, until it is held.
        QRect moved;
        Moment press;
        Moment release;
        bool released = false;
        // Its press changed what is under it.
        bool changed = false;
    };

    // A held press: the runs that held it, which its release goes on too.
    struct HeldPress
    {
        QPointer<PressRun> widgetRun; // when that run held it
        QVarLengthArray<Run *, 2> places;

        void join(const Moment &moment) const
        {
            if (widgetRun)
                widgetRun->run.join(moment);
            for (Run *run : places)
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
                begin(popUp, global, nullptr, true, press);
            return false;
        }
        QWidget *top = windowWidget(window);
        if (!top)
            return false;
        QWidget *under = top->childAt(event->position().toPoint());
        if (!under)
            under = top;
        if (neverHeld(under))
            return false;

        QWidget *pressed = pressedWidget(under);
        PressRun *widgetRun = PressRun::of(pressed);
        HeldPress held{widgetRun && widgetRun->run.lasts(press.at) ? widgetRun : nullptr, m_places.holding(global)};
        if (held.widgetRun || !held.places.isEmpty()) {
            held.join(press);
            m_held = held;
            return true;
        }
        begin(pressed, global, widgetRun, false, press);
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
        bool acted = false;
        if (click.onPopUp) {
            // A pick: the list or menu closes and uncovers what lay under it.
            QWidget *popUp = click.pressed;
            if (popUp && QApplication::activePopupWidget() == popUp && popUp->frameGeometry().contains(global)) {
                QWidget *item = popUp->childAt(popUp->mapFromGlobal(global));
                click.shown = shownPartAt(item ? item : popUp, global);
                acted = !click.shown->isEmpty();
            }
        } else {
            acted = click.pressed && acts(click.pressed, global);
        }
        if (!acted) {
            m_click.reset(); // a press that did nothing is no click
            return;
        }
        if (click.widgetRun) {
            click.widgetRun->run.join(click.press);
            click.widgetRun->run.join(click.release);
        }
        if (click.onPopUp || click.changed)
            holdPlace();
        startHandling();
    }

    void begin(QWidget *pressed, QPoint global, PressRun *widgetRun, bool onPopUp, const Moment &press)
    {
        m_click.emplace();
        m_click->pressed = pressed;
        m_click->global = global;
        m_click->pressedAt = onScreen(pressed, pressed->rect());
        m_click->shownAtPress = shownPart(pressed, m_click->pressedAt);
        m_click->widgetRun = widgetRun;
        m_click->onPopUp = onPopUp;
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
        if (click.shown && !click.shownHeld) {
            click.shownHeld = true;
            m_places.hold(*click.shown, click.press, click.release);
        }
        if (!click.moved.isEmpty())
            m_places.hold(std::exchange(click.moved, {}), click.press, click.release);
    }

    std::optional<Click> m_click;
    bool m_handling = false;
    quint64 m_phase = 0;
    std::optional<HeldPress> m_held;
    HeldPlaces m_places;
};

ClickGate &gate()
{
    static QPointer<ClickGate> gate;
    if (!gate)
        gate = new ClickGate(qApp);
    return *gate;
}

} // namespace

void MBClickRun::holdMouse(QWidget *widget)
{
    gate();
    PressRun::set(widget);
}

void MBClickRun::pageChanged()
{
    gate().pageChanged(nullptr);
}

void MBClickRun::rowsMove(const QWidget *from)
{
    gate().pageChanged(from);
}
