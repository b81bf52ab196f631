#include "look/kit/MBKeyboard.h"

#include "look/kit/MBDeferredCall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const char *const kPage = "mbKeyboardPage";
const char *const kGuarded = "mbKeyboardGuarded";
// Set on a guarded control while the focus the person gave it lasts.
const char *const kEarned = "mbKeyboardEarned";
// The widget that takes the focus when this one is hidden while holding it.
const char *const kHeir = "mbKeyboardHeir";
// A whole (a card, a line) that may hold the focus handed to it.
const char *const kHolder = "mbKeyboardHolder";

bool isPage(const QObject *o) { return o->property(kPage).toBool(); }

// Return or Enter without modifiers (the keypad's Enter included).
bool isReturn(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isTabStop(const QWidget *w, const QWidget *window)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && !w->isWindow()
           && w->isEnabled() && w->isVisibleTo(window);
}

// The first (or last) control Tab stops at in `window`.
QWidget *endStop(QWidget *window, bool first)
{
    for (QWidget *w = window;;) {
        w = first ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == window)
            return nullptr;
        if (isTabStop(w, window))
            return w;
    }
}

// Where Tab (`forward`) or Shift+Tab goes from a scrolled page that holds
// the focus itself (after End, a dragged thumb, the wheel): the first (last)
// control of the page in view, else the first below the view (last above
// it), so the person goes on from where they are reading; null when the
// page has none.
QWidget *stopFromView(QAbstractScrollArea *page, bool forward)
{
    QWidget *viewport = page->viewport();
    const QWidget *window = page->window();
    const QRect seen = viewport->rect();
    QWidget *inView = nullptr;
    QWidget *beyond = nullptr;
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!isTabStop(w, window) || !viewport->isAncestorOf(w))
            continue;
        const QRect r(w->mapTo(viewport, QPoint(0, 0)), w->size());
        if (r.intersects(seen)) {
            if (forward)
                return w;
            inView = w;
        } else if (forward ? r.top() > seen.bottom() && !beyond : r.bottom() < seen.top()) {
            beyond = w;
        }
    }
    return inView ? inView : beyond;
}

// A shown whole beside `w` among its siblings, in reading order: the first
// after it, else the last before it; null when it has none.
QWidget *wholeBeside(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return nullptr;
    const auto before = [](const QWidget *a, const QWidget *b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    };
    QWidget *after = nullptr;
    QWidget *above = nullptr;
    for (QObject *o : parent->children()) {
        auto *whole = qobject_cast<QWidget *>(o);
        if (!whole || whole == w || whole->isWindow() || !MBKeyboard::isHolder(whole)
            || !whole->isVisibleTo(whole->window()))
            continue;
        if (before(w, whole)) {
            if (!after || before(whole, after))
                after = whole;
        } else if (!above || before(above, whole)) {
            above = whole;
        }
    }
    return after ? after : above;
}

// The nearest shown whole that holds `w`, inside its page; or null.
QWidget *wholeAround(const QWidget *w)
{
    for (QWidget *a = w->parentWidget(); a && !isPage(a); a = a->parentWidget()) {
        if (MBKeyboard::isHolder(a) && a->isVisibleTo(a->window()))
            return a;
    }
    return nullptr;
}

// Calls `step` for every scroll area around `w`, innermost first, with where
// `w` stands in the area's content and the part of it the area shows; stops
// at the first false.
template<typename Step>
bool eachAreaAround(const QWidget *w, Step step)
{
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(p);
        QWidget *content = area ? area->widget() : nullptr;
        if (!content || !content->isAncestorOf(w))
            continue;
        const QRect r(w->mapTo(content, QPoint(0, 0)), w->size());
        const QRect seen(-content->pos(), area->viewport()->size());
        if (!step(area, r, seen))
            return false;
    }
    return true;
}

bool isScrollContent(const QWidget *w)
{
    const QWidget *viewport = w->parentWidget();
    const auto *area = viewport ? qobject_cast<const QScrollArea *>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == w;
}

class KeyboardFilter final : public QObject
{
public:
    explicit KeyboardFilter(QObject *parent)
        : QObject(parent),
          m_settle(this, [this] { settle(); }),
          m_inputDone(this, [this] { m_personActing = false; })
    {
    }

    // A page focused as its window opened: Tab from it starts at the window's
    // first control, as though nothing had the focus yet.
    QPointer<QWidget> startPage;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            personActs(event);
            return keyPress(watched, static_cast<QKeyEvent *>(event));
        case QEvent::Wheel:
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
            personActs(event);
            break;
        case QEvent::FocusIn:
            return focusIn(watched, static_cast<QFocusEvent *>(event));
        case QEvent::FocusOut:
            focusOut(watched, static_cast<QFocusEvent *>(event));
            break;
        case QEvent::Hide:
            if (!event->spontaneous())
                hidden(watched);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            placeChanged(watched, event->type() == QEvent::Move);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool keyPress(QObject *watched, QKeyEvent *key)
    {
        // Only where the key lands first, not as it passes up to the parents.
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || !w->hasFocus())
            return false;
        // The application's own windows are never dialogs; Qt's print, file
        // and message dialogs keep their own keys (Return accepts).
        if (qobject_cast<QDialog *>(w->window()))
            return false;
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier && isPage(w)) {
            const bool forward = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
            // Scrolled, a page goes on from the view, the page the window
            // opened on too; at its top it goes on as its Tab order goes
            // (Shift+Tab back to the sidebar), the window's opening page from
            // the window's first (last) control.
            auto *area = qobject_cast<QAbstractScrollArea *>(w);
            const bool scrolled =
                area && area->verticalScrollBar()->value() > area->verticalScrollBar()->minimum();
            QWidget *stop = scrolled ? stopFromView(area, forward) : nullptr;
            if (!stop && w == startPage)
                stop = endStop(w->window(), forward);
            if (!stop)
                return false;
            stop->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
        if (isReturn(key)) {
            if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
            if (auto *popUp = qobject_cast<QComboBox *>(w); popUp && !popUp->isEditable()) {
                if (!key->isAutoRepeat())
                    popUp->showPopup();
                return true;
            }
            return false;
        }
        return pageKey(w, key);
    }

    static bool pageKey(QWidget *w, QKeyEvent *key)
    {
        const int k = key->key();
        if (k != Qt::Key_Space && k != Qt::Key_Home && k != Qt::Key_End)
            return false;
        auto *area = qobject_cast<QAbstractScrollArea *>(w);
        if (!area || !isPage(area))
            return false;
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
        if (k == Qt::Key_Space && mods == Qt::NoModifier)
            action = QAbstractSlider::SliderPageStepAdd;
        else if (k == Qt::Key_Space && mods == Qt::ShiftModifier)
            action = QAbstractSlider::SliderPageStepSub;
        else if (k == Qt::Key_Home && mods == Qt::NoModifier)
            action = QAbstractSlider::SliderToMinimum;
        else if (k == Qt::Key_End && mods == Qt::NoModifier)
            action = QAbstractSlider::SliderToMaximum;
        if (action == QAbstractSlider::SliderNoAction)
            return false;
        area->verticalScrollBar()->triggerAction(action);
        return true;
    }

    bool focusIn(QObject *watched, QFocusEvent *event)
    {
        const QPointer<QWidget> left = m_left;
        m_left = nullptr;
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            return false;
        const Qt::FocusReason reason = event->reason();
        if (w->property(kGuarded).toBool()) {
            if (!personMovedTo(w, reason, left)) {
                QWidget *window = w->window();
                if (!MBKeyboard::focusPage(window))
                    window->setFocus(Qt::OtherFocusReason);
                return true;
            }
            w->setProperty(kEarned, true);
        }
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            // The focus moved: it shows, and stays in view as the page
            // around it is laid out.
            m_kept = w;
            MBKeyboard::showInView(w);
            m_settle.schedule();
            break;
        default:
            // The mouse chose a control it sees; a window switch, a closed
            // menu or dialog leaves the page where the person scrolled it.
            keepInView(w);
            break;
        }
        return false;
    }

    // Input from the person: a scroll that follows it in the same turn of
    // the event loop is theirs, even while a layout is settling.
    void personActs(QEvent *event)
    {
        if (!event->spontaneous())
            return;
        if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            return;
        m_personActing = true;
        m_inputDone.schedule();
    }

    // A widget that holds the focus, or has it inside, moved or changed size.
    void placeChanged(QObject *watched, bool moved)
    {
        // Every move and resize in the application passes here: the cheap
        // tests first.
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return;
        if (!watched->isWidgetType())
            return;
        auto *w = static_cast<QWidget *>(watched);
        if (w->isWindow() || (w != focus && !w->isAncestorOf(focus)))
            return;
        if (moved && isScrollContent(w) && (m_personActing || !m_settle.pending())) {
            // A scroll, by the person or on purpose, not the one a page's
            // new height forces: the focused control stays in view only
            // while the view keeps it there.
            keepInView(focus);
            return;
        }
        if (focus == m_kept)
            m_settle.schedule();
    }

    // `w` stays in view from now on only when it is in view now.
    void keepInView(QWidget *w) { m_kept = MBKeyboard::isInView(w) ? w : nullptr; }

    // Once the layouts of a turn are done: a focused control that was in
    // view, and that they moved out of it, comes back.
    void settle()
    {
        QWidget *focus = QApplication::focusWidget();
        if (focus && focus == m_kept && !MBKeyboard::isInView(focus))
            MBKeyboard::showInView(focus);
    }

    // `watched` is hidden; when the focus is in it, it goes to its heir
    // before Qt would pass it down the window's chain.
    static void hidden(QObject *watched)
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || !watched->isWidgetType())
            return;
        auto *w = static_cast<QWidget *>(watched);
        if (w->isWindow() || !w->window()->isVisible() || (w != focus && !w->isAncestorOf(focus)))
            return;
        MBKeyboard::handOver(w);
    }

    void focusOut(QObject *watched, QFocusEvent *event)
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w)
            return;
        m_left = w;
        const Qt::FocusReason reason = event->reason();
        const bool comesBack = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
                               || reason == Qt::MenuBarFocusReason;
        if (comesBack)
            return;
        if (w->property(kEarned).toBool())
            w->setProperty(kEarned, false);
        if (w == startPage)
            startPage = nullptr;
    }

    static bool personMovedTo(QWidget *control, Qt::FocusReason reason, const QWidget *left)
    {
        switch (reason) {
        case Qt::MouseFocusReason:
        case Qt::ShortcutFocusReason:
            return true;
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            // A Tab pressed on a control on screen; not the step Qt takes
            // when the focused control is hidden.
            return left && left != control && left->isVisible();
        case Qt::ActiveWindowFocusReason:
            // A press on the control while its window was not active: the
            // click gave it the focus, which it takes as the window becomes
            // active. Sent away, the button would come up and the click be
            // lost.
            if (auto *button = qobject_cast<const QAbstractButton *>(control); button && button->isDown())
                return true;
            return control->property(kEarned).toBool();
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return control->property(kEarned).toBool();
        default:
            return false;
        }
    }

    // The widget that lost the focus since the last widget took it.
    QPointer<QWidget> m_left;
    // The control to stay in view as layouts move it, while it has the
    // focus. Bound to the control, not to whatever has the focus later: a
    // dialog opening tells its first field it has the focus while the
    // window below still holds it, and that window's control, far up the
    // page, must not come into view for it.
    QPointer<QWidget> m_kept;
    MBDeferredCall m_settle;
    // True from a key, wheel or mouse press until the next turn of the loop.
    bool m_personActing = false;
    MBDeferredCall m_inputDone;
};

} // namespace

namespace MBKeyboard {

namespace {

QPointer<KeyboardFilter> &theFilter()
{
    static QPointer<KeyboardFilter> filter;
    return filter;
}

} // namespace

void install()
{
    QPointer<KeyboardFilter> &filter = theFilter();
    if (filter || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    filter = new KeyboardFilter(qApp);
    qApp->installEventFilter(filter);
}

void markPage(QWidget *page)
{
    install();
    page->setProperty(kPage, true);
}

QWidget *pageIn(QWidget *within)
{
    if (!within)
        return nullptr;
    QList<QWidget *> candidates{within};
    candidates += within->findChildren<QWidget *>();
    for (QWidget *w : std::as_const(candidates)) {
        if (isPage(w) && w->isVisibleTo(w->window()) && w->isEnabled())
            return w;
    }
    return nullptr;
}

bool focusPage(QWidget *within, bool windowOpens)
{
    QWidget *page = pageIn(within);
    if (!page)
        return false;
    install();
    page->setFocus(Qt::OtherFocusReason);
    theFilter()->startPage = windowOpens ? page : nullptr;
    return true;
}

void chainTabs(const QList<QWidget *> &order)
{
    QList<QWidget *> lent;
    for (QWidget *w : order) {
        if (w->focusPolicy() == Qt::NoFocus) {
            lent << w;
            w->setFocusPolicy(Qt::TabFocus);
        }
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    for (QWidget *w : std::as_const(lent))
        w->setFocusPolicy(Qt::NoFocus);
}

void markHolder(QWidget *whole)
{
    install();
    whole->setProperty(kHolder, true);
}

bool isHolder(const QWidget *widget) { return widget->property(kHolder).toBool(); }

void setHeir(QWidget *leaving, QWidget *heir)
{
    install();
    leaving->setProperty(kHeir, QVariant::fromValue(QPointer<QWidget>(heir)));
}

QWidget *focusTarget(QWidget *w)
{
    if (!w || !w->isEnabled())
        return nullptr;
    if (isPage(w) || w->property(kHolder).toBool() || (w->focusPolicy() & Qt::TabFocus))
        return w;
    if (QWidget *page = pageIn(w))
        return page;
    for (QWidget *child : w->findChildren<QWidget *>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && !child->focusProxy() && child->isVisibleTo(w)
            && child->isEnabled())
            return child;
    }
    return nullptr;
}

void handOver(QWidget *leaving)
{
    const auto shown = [](QWidget *w) { return w && w->isVisibleTo(w->window()); };
    QWidget *target = nullptr;
    const QPointer<QWidget> heir = leaving->property(kHeir).value<QPointer<QWidget>>();
    if (shown(heir))
        target = focusTarget(heir);
    if (!target)
        target = focusTarget(wholeBeside(leaving));
    // A whole that goes (a line, an entry) hands its focus beside it or to
    // the page, not to the whole around it, which stands for the whole list.
    if (!target && !isHolder(leaving))
        target = focusTarget(wholeAround(leaving));
    if (target) {
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The page of its screen: the nearest page around it.
    for (QWidget *a = leaving->parentWidget(); a; a = a->parentWidget()) {
        if (focusPage(a))
            return;
    }
    leaving->window()->setFocus(Qt::OtherFocusReason);
}

bool isInView(const QWidget *widget)
{
    return eachAreaAround(widget, [](QScrollArea *, const QRect &r, const QRect &seen) {
        const bool fits = r.width() <= seen.width() && r.height() <= seen.height();
        return fits ? seen.contains(r) : seen.contains(r.topLeft());
    });
}

void guardFocus(QWidget *control)
{
    install();
    control->setProperty(kGuarded, true);
}

void showInView(QWidget *widget)
{
    eachAreaAround(widget, [widget](QScrollArea *area, const QRect &r, const QRect &seen) {
        if (seen.contains(r))
            return true;
        if (r.width() <= seen.width() && r.height() <= seen.height()) {
            area->ensureWidgetVisible(widget);
            return true;
        }
        // Too large to show whole (a page in a zoomed window): its top-left
        // corner comes into view.
        if (r.top() < seen.top() || r.top() > seen.bottom())
            area->verticalScrollBar()->setValue(r.top());
        if (r.left() < seen.left() || r.left() > seen.right())
            area->horizontalScrollBar()->setValue(r.left());
        return true;
    });
}

} // namespace MBKeyboard
