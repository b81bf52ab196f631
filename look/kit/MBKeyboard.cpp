#include "look/kit/MBKeyboard.h"

#include "look/kit/MBDeferredCall.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>

namespace {

const char *const kPage = "mbKeyboardPage";
const char *const kGuarded = "mbKeyboardGuarded";
// Set on a guarded control while the focus the person gave it lasts.
const char *const kEarned = "mbKeyboardEarned";

bool isPage(const QObject *o) { return o->property(kPage).toBool(); }

// Return or Enter without modifiers (the keypad's Enter included).
bool isReturn(const QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    return enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The first (or last) control Tab stops at in `window`.
QWidget *endStop(QWidget *window, bool first)
{
    for (QWidget *w = window;;) {
        w = first ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == window)
            return nullptr;
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy() && !w->isWindow()
            && w->isVisibleTo(window) && w->isEnabled())
            return w;
    }
}

// Where `w` stands in the content of the innermost scroll area around it.
QRect placeInPage(const QWidget *w)
{
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(p);
        if (area && area->widget() && area->widget()->isAncestorOf(w))
            return QRect(w->mapTo(area->widget(), QPoint(0, 0)), w->size());
    }
    return QRect();
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
    explicit KeyboardFilter(QObject *parent) : QObject(parent), m_relaidOut(this, [this] { keepFocusInView(); }) {}

    // A page focused as its window opened: Tab from it starts at the window's
    // first control, as though nothing had the focus yet.
    QPointer<QWidget> startPage;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(watched, static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            return focusIn(watched, static_cast<QFocusEvent *>(event));
        case QEvent::FocusOut:
            focusOut(watched, static_cast<QFocusEvent *>(event));
            break;
        case QEvent::Resize:
            contentResized(watched);
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
        if (w == startPage && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            && (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
            const bool forward = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
            if (QWidget *stop = endStop(w->window(), forward)) {
                stop->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
            return false;
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
            MBKeyboard::showInView(w);
            break;
        default:
            // The mouse chose a control it sees; a window switch or a closed
            // menu leaves the page where the person scrolled it.
            break;
        }
        m_placed = w;
        m_placedAt = placeInPage(w);
        return false;
    }

    // A page that changes size is laid out anew: the focused control in it
    // may have moved out of view (a line added above it), once the layout is
    // done.
    void contentResized(QObject *watched)
    {
        // Every resize in the application passes here: the cheap test first.
        auto *content = qobject_cast<QWidget *>(watched);
        if (!content || !isScrollContent(content))
            return;
        QWidget *focus = QApplication::focusWidget();
        if (focus && content->isAncestorOf(focus))
            m_relaidOut.schedule();
    }

    // A focused control the layout moved comes back into view; one that
    // stayed where it was stays as the person scrolled it.
    void keepFocusInView()
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return;
        const QRect place = placeInPage(focus);
        if (focus == m_placed && place == m_placedAt)
            return;
        m_placed = focus;
        m_placedAt = place;
        MBKeyboard::showInView(focus);
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
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return control->property(kEarned).toBool();
        default:
            return false;
        }
    }

    // The widget that lost the focus since the last widget took it.
    QPointer<QWidget> m_left;
    // The focused control and where it stood in its page when it took the
    // focus or last came into view.
    QPointer<QWidget> m_placed;
    QRect m_placedAt;
    MBDeferredCall m_relaidOut;
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

void guardFocus(QWidget *control)
{
    install();
    control->setProperty(kGuarded, true);
}

void showInView(QWidget *widget)
{
    for (QWidget *p = widget->parentWidget(); p; p = p->parentWidget()) {
        auto *area = qobject_cast<QScrollArea *>(p);
        QWidget *content = area ? area->widget() : nullptr;
        if (!content || !content->isAncestorOf(widget))
            continue;
        const QRect r(widget->mapTo(content, QPoint(0, 0)), widget->size());
        const QRect seen(-content->pos(), area->viewport()->size());
        if (seen.contains(r))
            continue;
        if (r.width() <= seen.width() && r.height() <= seen.height()) {
            area->ensureWidgetVisible(widget);
            continue;
        }
        // Too large to show whole (a page in a zoomed window): its top-left
        // corner comes into view.
        if (r.top() < seen.top() || r.top() > seen.bottom())
            area->verticalScrollBar()->setValue(r.top());
        if (r.left() < seen.left() || r.left() > seen.right())
            area->horizontalScrollBar()->setValue(r.left());
    }
}

} // namespace MBKeyboard
