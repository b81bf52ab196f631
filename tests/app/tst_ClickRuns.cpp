// Runs of mouse clicks as a hand makes them on the real window: a
// double-click, or a slow run within the double-click interval, is one
// press of a button or link whose press calls, opens or changes what is
// kept. The clicks go to the window, as the display sends them, so they
// take Qt's whole path: the focus a click gives and its mouse state.

#include "WindowKeys.h"

#include "money/ui/EntryForm.h"
#include "money/ui/TLField.h"
#include "look/app/TLButtonStyle.h"
#include "screens/ContactButtons.h"
#include "screens/ListingCard.h"
#include "screens/NoteEditor.h"
#include "screens/PlainButton.h"
#include "screens/SegmentedPicker.h"
#include "widgets/TLPopUp.h"

#include <QClipboard>
#include <QStyleOptionSlider>

// The windows stand on a 1366 × 768 screen, as on a common laptop, so that a
// pop-up list opens over the window as a person sees it there (the offscreen
// screen is 800 × 600 else).
const bool onLaptopScreen = [] {
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TL_SOURCE_DIR "/tests/app/screen-1366x768.json");
    return true;
}();

// Where the part a click presses stands in the window, shown in its view.
using Part = std::function<QRect(WindowKeys &, QMainWindow *)>;
Q_DECLARE_METATYPE(Part)

class tst_ClickRuns : public WindowKeys
{
    Q_OBJECT

    QElapsedTimer m_rowEnded;

    static int interval() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }
    // A click this long after the one before is the person's next one: past
    // the double-click interval, and past the half second and more that
    // what a click pressed stays held however soon its run ends.
    static int pause() { return std::max(interval() + 100, 700); }

    // A left click at `at`, `afterMs` after the click before, timed as a hand
    // times it: Qt makes a double-click of two clicks within the double-click
    // interval, as it does from the display. (QTest alone puts a whole
    // interval between any two clicks, so it never makes one.)
    static void handClick(QWindow *window, QPoint at, int afterMs, const std::function<QPoint()> &where = {},
                          bool takenLate = false)
    {
        if (takenLate)
            QThread::msleep(interval() + 100); // busy: the click waits in the queue
        else
            QTest::qWait(afterMs);
        QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval;
        QTest::mouseClick(window, Qt::LeftButton, {}, where ? where() : at, std::max(afterMs, 1));
    }

    // A run of `clicks` left clicks: QTest's double-click when `apart` is 0,
    // else each click `apart` of the double-click interval after the one
    // before; below 0, made that far apart but each taken by the application
    // only after it was busy for longer than the interval. The later clicks
    // go to `next()`, where something moved under the pointer, else to `at`.
    static void clickRun(QWindow *window, QPoint at, int clicks, double apart,
                         const std::function<QPoint()> &next = {})
    {
        if (apart == 0) {
            QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            return;
        }
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        for (int n = 1; n < clicks; ++n)
            handClick(window, at, int(interval() * std::abs(apart)), next, apart < 0);
    }

    // The control `target` (as findTarget names it), shown in its view, with
    // its top `top` below the view's top unless -1.
    static Part widgetPart(const QString &target, int top)
    {
        return [=](WindowKeys &, QMainWindow *window) {
            QWidget *w = nullptr;
            if (!QTest::qWaitFor([&] { return (w = findTarget(window, target)); }))
                return QRect();
            MBKeyboard::showInView(w);
            if (top >= 0)
                placeNearTop(w, top);
            QTest::qWait(30);
            return QRect(w->mapTo(window, QPoint()), w->size()) & window->rect();
        };
    }
    // The segment `index` of the named picker.
    static Part segmentPart(const char *picker, int index)
    {
        return [=](WindowKeys &, QMainWindow *window) {
            auto *p = static_cast<SegmentedPicker *>(named(window, picker));
            if (!p)
                return QRect();
            MBKeyboard::showInView(p);
            QTest::qWait(30);
            const QRect segment = p->segmentRect(index).toAlignedRect().adjusted(1, 1, -1, -1);
            return QRect(p->mapTo(window, segment.topLeft()), segment.size());
        };
    }

    // A left click at `at` and a key right behind it, both as the window
    // gets them from the display, taken in one go: the key comes while the
    // click is still being handled.
    static void clickThenKey(QWindow *window, QPoint at, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        const QPointF global = window->mapToGlobal(QPointF(at));
        QTest::lastMouseTimestamp += 20;
        qt_handleMouseEvent(window, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {},
                            int(QTest::lastMouseTimestamp));
        QTest::lastMouseTimestamp += 20;
        qt_handleMouseEvent(window, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {},
                            int(QTest::lastMouseTimestamp));
        QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
        qt_handleKeyEvent(window, QEvent::KeyPress, key, modifiers);
        qt_handleKeyEvent(window, QEvent::KeyRelease, key, modifiers);
        QCoreApplication::processEvents();
    }

    static QPoint centreIn(QWidget *window, QWidget *w) { return w->mapTo(window, w->rect().center()); }

    // The centre of the menu bar's title `menu` in `window`; null for none.
    static QPoint menuTitleAt(QMainWindow *window, const QString &menu)
    {
        QMenuBar *bar = window->menuBar();
        for (QAction *a : bar->actions())
            if (a->text().remove(u'&') == menu)
                return bar->mapTo(window, bar->actionGeometry(a).center());
        return {};
    }

    // The point of `place` nearest its centre with something that acts under
    // it; null for none.
    static QPoint actingNear(QWidget *window, const QRect &place)
    {
        QPoint nearest;
        for (int y = place.top() + 2; y < place.bottom() - 1; y += 3)
            for (int x = place.left() + 2; x < place.right() - 1; x += 3) {
                const QPoint p(x, y);
                if (actingAt(window, p)
                    && (nearest.isNull() || (p - place.center()).manhattanLength() < (nearest - place.center()).manhattanLength()))
                    nearest = p;
            }
        return nearest;
    }

    // A press at `at`, slid to `off` and released there, timed as QTest
    // times a click, so handClick may follow it.
    static void pressSlid(QWindow *window, QPoint at, QPoint off)
    {
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        if (off != at)
            QTest::mouseMove(window, off);
        QTest::mouseRelease(window, Qt::LeftButton, {}, off);
    }

    // What acts on a press, from a button, link or picker up to the window.
    static QWidget *actingAt(QWidget *window, QPoint at)
    {
        for (QWidget *w = window->childAt(at); w && w != window; w = w->parentWidget())
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<MBLink *>(w) || qobject_cast<SegmentedPicker *>(w))
                return w;
        return nullptr;
    }

    // The window at `size` on the Money Plan with its Kind list open
    // (`money`), else on Home with the sidebar's state list open, as a hand
    // opens it; with its last item chosen first when `lastChosen` (just under
    // the emergency bar, it opens up over it). No list when it did not open.
    std::pair<std::unique_ptr<QMainWindow>, QComboBox *> windowWithListOpen(bool money, QSize size, bool lastChosen)
    {
        setPlan(0);
        go(money ? Screen::money : Screen::home)(*this, nullptr);
        std::unique_ptr<QMainWindow> window = start(size);
        QComboBox *box = nullptr;
        if (!window || !QTest::qWaitFor([&] {
                QWidget *holder = money ? named(window.get(), "incomeForm") : window->findChild<Sidebar *>();
                box = holder ? holder->findChild<QComboBox *>(money ? QStringLiteral("kindPicker") : QStringLiteral("statePicker"))
                             : nullptr;
                return box;
            }))
            return {std::move(window), nullptr};
        if (lastChosen) {
            box->setCurrentIndex(box->count() - 1);
            placeNearTop(box, 5);
        } else if (money) {
            placeNearTop(box); // the list opens over the form below it
        }
        QTest::qWait(30);
        box->showPopup();
        if (!QTest::qWaitFor([] { return QApplication::activePopupWidget(); }))
            return {std::move(window), nullptr};
        QTest::qWait(interval() + 50); // a list ignores a release just after it opens
        return {std::move(window), box};
    }

    // Where item `row` of an open list shows on the screen.
    static QRect shownItem(QComboBox *box, int row)
    {
        QAbstractItemView *view = box->view();
        const QRect r = view->visualRect(box->model()->index(row, 0)) & view->viewport()->rect();
        return {view->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }

    // What acts on a press at `at`: an emergency button only in the middle
    // of its capsule (beside it a press does nothing), a picker only well
    // inside a segment it does not show chosen.
    static QWidget *surelyActingAt(QWidget *window, QPoint at)
    {
        QWidget *w = actingAt(window, at);
        if (auto *button = qobject_cast<EmergencyButton *>(w)) {
            const QPoint local = button->mapFrom(window, at);
            const int h = button->height();
            if (std::abs(local.y() - h / 2) > h / 3 || local.x() < h / 2 || local.x() > button->width() - h / 2)
                return nullptr;
        }
        if (auto *picker = qobject_cast<SegmentedPicker *>(w)) {
            const QPointF local = picker->mapFrom(window, at);
            for (int i = 0; i < picker->titles().size(); ++i)
                if (picker->segmentRect(i).adjusted(3, 3, -3, -3).contains(local))
                    return i == picker->current() ? nullptr : w;
            return nullptr;
        }
        return w;
    }

    // The first point where something surely acts along the line through
    // `from` (in the window) in `direction`: `from` itself, then 3, 6, ...
    // px either way, less than `length`; null for none.
    static QPoint actingAlong(QWidget *window, QPoint from, QPoint direction, int length)
    {
        for (int along = 0; along < length; along += 3)
            for (const int sign : {1, -1}) {
                const QPoint p = from + direction * (sign * along);
                if (window->rect().contains(p) && surelyActingAt(window, p))
                    return p;
            }
        return {};
    }

    // Where `w`, which lay partly under a pop-up's `frame`, is pressed 30 px
    // or more from the `item` picked (both on the screen), surely acting
    // there; null for none. In the window.
    static QPoint pointAwayFrom(QWidget *window, QWidget *w, const QRect &frame, const QRect &item)
    {
        if (!QRect(w->mapToGlobal(QPoint()), w->size()).intersects(frame))
            return {};
        const QRect away = item.adjusted(-30, -30, 30, 30);
        for (int y = 2; y < w->height() - 2; y += 3)
            for (int x = 2; x < w->width() - 2; x += 3) {
                const QPoint global = w->mapToGlobal(QPoint(x, y));
                if (!away.contains(global) && surelyActingAt(window, window->mapFromGlobal(global)) == w)
                    return window->mapFromGlobal(global);
            }
        return {};
    }

    // Every press that acted in a window from now on: a button clicked, a
    // link opened, a segment chosen.
    struct Acted final : QObject
    {
        QStringList what;
        QList<const QWidget *> who;
        explicit Acted(QWidget *root)
        {
            const auto note = [this](const QWidget *w) {
                what << describe(w);
                who << w;
            };
            for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
                connect(b, &QAbstractButton::clicked, this, [note, b] { note(b); });
            for (MBLink *l : root->findChildren<MBLink *>())
                connect(l, &MBLink::activated, this, [note, l] { note(l); });
            for (SegmentedPicker *p : root->findChildren<SegmentedPicker *>())
                connect(p, &SegmentedPicker::chosen, this, [note, p] { note(p); });
        }
    };

    // The buttons drawn down, as if still pressed.
    static QStringList leftDown(QWidget *root)
    {
        QStringList down;
        for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
            if (b->isDown())
                down << describe(b);
        return down;
    }

    // Scrolls the page so that `w` stands near the top of its view, `top`
    // below it.
    static void placeNearTop(QWidget *w, int top = 60)
    {
        QScrollArea *area = scrollAreaOf(w);
        QVERIFY(area && area->widget());
        area->verticalScrollBar()->setValue(w->mapTo(area->widget(), QPoint()).y() - top);
        QTest::qWait(30);
    }

    static QScrollArea *scrollAreaOf(QWidget *w)
    {
        QScrollArea *area = nullptr;
        for (QWidget *up = w->parentWidget(); up && !area; up = up->parentWidget())
            area = qobject_cast<QScrollArea *>(up);
        return area;
    }

    // In My List, with a missing entry first and "CO 211 one" below it: a
    // note on the missing entry as long as puts its "Remove" where the
    // "Call 211" below will be once the entry is gone, and the point in
    // both; null when no note length does.
    QPoint moved211UnderRemove(QMainWindow *window)
    {
        FavoritesStore *store = m_model->favorites();
        QStringList lines;
        for (int n = 0; n < 16; lines << QStringLiteral("Line %1").arg(++n)) {
            store->setNote(QStringLiteral("gone:old-shelter"), lines.join(u'\n'));
            QWidget *missing = nullptr;
            QWidget *call = nullptr;
            if (!QTest::qWaitFor([&] {
                    missing = named(window, "missingEntry");
                    call = named(window, "contact-call");
                    return missing && call && missing->findChildren<QLabel *>().size() >= 2 + !lines.isEmpty();
                }))
                return {};
            QTest::qWait(30);
            QWidget *remove = missing->findChild<QWidget *>(QStringLiteral("removeEntry"));
            QWidget *card = call->parentWidget();
            while (card && card->objectName() != QLatin1String("listingCard"))
                card = card->parentWidget();
            if (!card)
                return {};
            // Where each stands in its card; the card below takes the
            // missing one's place.
            const QRect removeAt(remove->mapTo(missing, QPoint()), remove->size());
            const QRect callAt(call->mapTo(card, QPoint()), call->size());
            const QRect both = removeAt.intersected(callAt).adjusted(3, 3, -3, -3);
            if (both.isValid()) {
                MBKeyboard::showInView(missing);
                QTest::qWait(30);
                return missing->mapTo(window, both.center());
            }
        }
        return {};
    }

    void clearMyList()
    {
        FavoritesStore *store = m_model->favorites();
        const QList<Favorite> left = store->items();
        for (const Favorite &f : left)
            store->remove(f.uid);
    }

    // The listing with this name in the fixture's data.
    Listing listing(const QString &name) const
    {
        for (const Listing &l : m_model->data()->listings())
            if (l.name == name)
                return l;
        return {};
    }

    // The window on the screen that shows `target`: the Data-checked
    // screen's report button, a video's Play, the emergency buttons by
    // their action's id, else a control of the "988 Suicide & Crisis
    // Lifeline" card in the search results.
    std::unique_ptr<QMainWindow> startOn(const QString &target)
    {
        if (target == u"reportButton")
            go(Screen::dataChecked)(*this, nullptr);
        else if (target == u"playVideo")
            go(Screen::videos)(*this, nullptr);
        else if (!emergency(target))
            go(Screen::search, QStringLiteral("988"))(*this, nullptr);
        return start();
    }

    // The window the clicks go to: the main window, or the help window
    // opened over it; null when the help window did not become active.
    static QWidget *clickedWindow(QMainWindow *window, bool help)
    {
        if (!help)
            return window;
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *top = TLHelpWindow::window();
        return QTest::qWaitForWindowActive(top) ? top : nullptr;
    }

    // The window the clicks go to and `target` in it, shown in its view;
    // null for what is not there.
    static std::pair<QWidget *, QWidget *> shownTarget(QMainWindow *window, bool help, const QString &target)
    {
        QWidget *top = clickedWindow(window, help);
        QWidget *pressed = nullptr;
        if (!top || !QTest::qWaitFor([&] { return (pressed = findTarget(top, target)); }))
            return {top, nullptr};
        MBKeyboard::showInView(pressed);
        QTest::qWait(30);
        return {top, pressed};
    }

    static bool emergency(const QString &target) { return EmergencyAction::fromRawValue(target).has_value(); }

    static QWidget *findTarget(QWidget *window, const QString &target)
    {
        if (target.startsWith(u"row:")) {
            for (SidebarRow *row : window->findChild<Sidebar *>()->rows())
                if (row->title() == target.mid(4))
                    return row;
            return nullptr;
        }
        if (ListingCard *lifeline = shown<ListingCard>(
                window, [](ListingCard *c) { return c->listing().name == u"988 Suicide & Crisis Lifeline"; }))
            if (QWidget *w = lifeline->findChild<QWidget *>(target))
                return w;
        return named(window, qPrintable(target));
    }

private Q_SLOTS:
    void initTestCase() { setUpModel(); }
    void init()
    {
        // The clicks of the row before hold their places until their run is
        // over, and the next row clicks in the same places.
        if (m_rowEnded.isValid())
            QTest::qWait(std::max(0, interval() - int(m_rowEnded.elapsed())));
        reset();
    }
    void cleanup() { m_rowEnded.start(); }

    // A double- or triple-click is one press, in both windows: the clicks go
    // to the window as the display sends them, so Qt makes the double-click.
    // Clicks further apart than the double-click interval call again.
    // A double-click, a slow run of clicks (each within the double-click
    // interval of the one before, though not of the first) and a second
    // button pressed at once: what the person meant, on the real window.
    void aRunOfClicksCallsOnce_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QList<int>>("buttons"); // a click each; -1 makes the one before a double-click
        QTest::addColumn<int>("apart"); // ms; below 0, taken late
        QTest::addColumn<QList<int>>("called");
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        const int run = interval * 6 / 10;
        QTest::newRow("double-click Call 911") << false << QList<int>{0, -1} << 0 << QList<int>{0};
        QTest::newRow("triple-click Text 988") << false << QList<int>{2, -1, 2} << 0 << QList<int>{2};
        QTest::newRow("help window: double-click Call 911") << true << QList<int>{0, -1} << 0 << QList<int>{0};
        QTest::newRow("help window: triple-click Text 988") << true << QList<int>{2, -1, 2} << 0 << QList<int>{2};
        QTest::newRow("four clicks on Call 911, 0.6 of the interval apart")
            << false << QList<int>{0, 0, 0, 0} << run << QList<int>{0};
        QTest::newRow("help window: three clicks on Call 988, 0.6 of the interval apart")
            << true << QList<int>{1, 1, 1} << run << QList<int>{1};
        QTest::newRow("Call 911 then Call 988, 60 ms apart") << false << QList<int>{0, 1} << 60 << QList<int>{0, 1};
        QTest::newRow("help window: Text 988 then Call 211, 60 ms apart")
            << true << QList<int>{2, 3} << 60 << QList<int>{2, 3};
        QTest::newRow("two clicks on Call 211, a pause apart")
            << false << QList<int>{3, 3} << interval + 100 << QList<int>{3, 3};
        // Made a quarter of the interval apart; the second taken after a
        // busy spell longer than the interval.
        QTest::newRow("a double-click on Call 911 taken late by a busy application")
            << false << QList<int>{0, 0} << -interval / 4 << QList<int>{0};
        QTest::newRow("help window: a double-click on Call 211 taken late by a busy application")
            << true << QList<int>{3, 3} << -interval / 4 << QList<int>{3};
    }

    void aRunOfClicksCallsOnce()
    {
        QFETCH(bool, help);
        QFETCH(QList<int>, buttons);
        QFETCH(int, apart);
        QFETCH(QList<int>, called);
        const auto window = start();
        QVERIFY(window);
        QWidget *clicked = clickedWindow(window.get(), help);
        QVERIFY(clicked);
        EmergencyBar *bar = clicked->findChild<EmergencyBar *>();
        QWindow *display = clicked->windowHandle();
        const auto centre = [&](int button) {
            EmergencyButton *b = bar->buttons().at(button);
            return b->mapTo(clicked, b->rect().center());
        };
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            const QPoint at = centre(buttons.at(i));
            if (buttons.value(i + 1) < 0) {
                QTest::mouseDClick(display, Qt::LeftButton, {}, at);
                ++i;
            } else if (i > 0 && apart != 0) {
                handClick(display, at, std::abs(apart), {}, apart < 0);
            } else {
                QTest::mouseClick(display, Qt::LeftButton, {}, at, 1);
            }
        }
        QTest::qWait(20);
        QStringList expected;
        for (int b : called)
            expected << bar->buttons().at(b)->action().url();
        QCOMPARE(m_opened, expected);
        QCOMPARE(focus(), bar->okButton());
        QCOMPARE(leftDown(clicked), QStringList());
        if (help)
            clicked->close();
    }

    // A double-click or a slow run of clicks on a removing button removes one
    // entry: the entries below move up under the pointer, and the later
    // clicks land on the next one's button. A click after a pause, or Space
    // at once, removes the next.
    void aRunOfClicksRemovesOneEntry_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<double>("apart"); // of the double-click interval
        QTest::addColumn<bool>("thenSpace");
        for (const int screen : {int(Screen::myList), int(Screen::money)}) {
            const char *name = screen == int(Screen::myList) ? "My List, Saved" : "Money Plan, Remove";
            QTest::addRow("%s: QTest's double-click", name) << screen << 2 << 0.0 << false;
            QTest::addRow("%s: a double-click, a quarter of the interval apart", name)
                << screen << 2 << 0.25 << false;
            QTest::addRow("%s: three clicks", name) << screen << 3 << 0.6 << false;
            QTest::addRow("%s: four clicks", name) << screen << 4 << 0.6 << false;
            QTest::addRow("%s: a click, then Space on the next", name) << screen << 1 << 0.0 << true;
        }
    }

    void aRunOfClicksRemovesOneEntry()
    {
        QFETCH(int, screen);
        QFETCH(int, clicks);
        QFETCH(double, apart);
        QFETCH(bool, thenSpace);
        const bool list = screen == int(Screen::myList);
        FavoritesStore *store = m_model->favorites();
        clearMyList(); // after a row that failed
        const QList<Listing> &listings = m_model->data()->listings();
        for (int i = 0; i < 3; ++i)
            store->add(listings.at(i).uid, listings.at(i).name);
        store->setNote(listings.at(1).uid, QStringLiteral("Bus pass"));
        setPlan(3);
        m_model->setScreen(Screen(Screen::Case(screen)));
        const auto window = start();
        QVERIFY(window);
        const auto count = [&] { return list ? store->items().size() : m_model->money()->plan().entries.size(); };
        // The first entry's button, where the pointer is.
        const auto firstButton = [&]() -> QWidget * {
            const QString name = list ? QStringLiteral("saveButton") : QStringLiteral("removeButton");
            QList<QWidget *> buttons = window->findChildren<QWidget *>(name);
            buttons.removeIf([](QWidget *b) { return !b->isVisible(); });
            std::sort(buttons.begin(), buttons.end(), [&](QWidget *a, QWidget *b) {
                return a->mapTo(window.get(), QPoint()).y() < b->mapTo(window.get(), QPoint()).y();
            });
            return buttons.value(0);
        };
        QWidget *button = nullptr;
        QTRY_VERIFY((button = firstButton()));
        MBKeyboard::showInView(button);
        QTest::qWait(30);
        const QPoint at = button->mapTo(window.get(), button->rect().center());
        QVERIFY(window->rect().contains(at));
        // Clicks as a hand makes them: the list moves up between them.
        if (clicks > 0 && !thenSpace)
            clickRun(window->windowHandle(), at, clicks, apart);
        else
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        QTest::qWait(50);
        QCOMPARE(count(), 2);
        const auto secondIsFirst = [&] {
            if (list) {
                QCOMPARE(store->items().first().uid, listings.at(1).uid);
                QCOMPARE(store->items().first().note, QStringLiteral("Bus pass"));
            } else {
                QCOMPARE(m_model->money()->plan().entries.first().label, QStringLiteral("Gas"));
            }
        };
        secondIsFirst();
        if (QTest::currentTestFailed())
            return;
        // The next entry stands under the pointer.
        QTRY_VERIFY((button = firstButton()) && button->mapTo(window.get(), button->rect().center()) == at);
        if (thenSpace) {
            // Keys are meant: Space at once removes it.
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        } else {
            // A click after a pause is meant.
            handClick(window->windowHandle(), at, pause());
        }
        QTRY_COMPARE(count(), 1);
        clearMyList();
        setPlan(0);
    }

    // A double-click or a slow run of clicks on a button that changes what
    // is kept is one press: "Saved" of a listing with a note in the search
    // results takes it off once (it is not saved again without its note),
    // "Save" saves it, Add adds the typed line once. A click after a pause
    // is a new press, and keys press the button as ever.
    void aRunOfClicksIsOnePress_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("clicks"); // below 0: that many Spaces
        QTest::addColumn<double>("apart"); // of the double-click interval
        QTest::addColumn<int>("presses");
        for (const char *button : {"Saved", "Save", "Add"}) {
            QTest::addRow("%s: QTest's double-click", button) << button << 2 << 0.0 << 1;
            QTest::addRow("%s: a double-click, a quarter of the interval apart", button)
                << button << 2 << 0.25 << 1;
            QTest::addRow("%s: three clicks, 0.6 of the interval apart", button) << button << 3 << 0.6 << 1;
            QTest::addRow("%s: four clicks, 0.6 of the interval apart", button) << button << 4 << 0.6 << 1;
            QTest::addRow("%s: two clicks, a pause apart", button) << button << 2 << double(pause()) / interval() << 2;
            QTest::addRow("%s: a double-click taken late by a busy application", button)
                << button << 2 << -0.25 << 1;
            QTest::addRow("%s: Space, then Space at once", button) << button << -2 << 0.0 << 2;
        }
    }

    void aRunOfClicksIsOnePress()
    {
        QFETCH(QString, button);
        QFETCH(int, clicks);
        QFETCH(double, apart);
        QFETCH(int, presses);
        clearMyList();
        setPlan(0);
        FavoritesStore *store = m_model->favorites();
        const Listing saved = listing(QStringLiteral("CO food bank one"));
        const Listing other = listing(QStringLiteral("CO food bank two"));
        QVERIFY(!saved.uid.isEmpty() && !other.uid.isEmpty());
        store->add(saved.uid, saved.name);
        store->setNote(saved.uid, QStringLiteral("Bus pass"));
        const bool add = button == u"Add";
        if (add)
            go(Screen::money, {}, QStringLiteral("CO"))(*this, nullptr);
        else
            go(Screen::search, QStringLiteral("food bank"), QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        const QString name = button == u"Saved" ? QStringLiteral("Saved, ") + saved.name
                                                : QStringLiteral("Save, ") + other.name;
        QWidget *form = named(window.get(), "expenseForm");
        QWidget *pressed = nullptr;
        QTRY_VERIFY((pressed = add ? form->findChild<QWidget *>(QStringLiteral("addButton"))
                                   : shown<QWidget>(window.get(),
                                                    [&](QWidget *b) { return b->accessibleName() == name; })));
        const auto typeAmount = [&] {
            QLineEdit *amount = form->findChild<TLField *>(QStringLiteral("amountField"))->lineEdit();
            amount->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(amount, QStringLiteral("12"));
        };
        if (add)
            typeAmount();
        MBKeyboard::showInView(pressed);
        QTest::qWait(30);
        const int frequency = add ? static_cast<EntryForm *>(form)->frequencyPicker()->current() : 0;
        // Three clicks that each pressed would end where one press does.
        QSignalSpy changes(store, &FavoritesStore::itemsChanged);
        QStringList clicked;
        for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
            connect(b, &QAbstractButton::clicked, this, [&clicked, b] { clicked << QString::number(quintptr(b)); });
        const QString pressedName = QString::number(quintptr(pressed));
        if (clicks > 0) {
            // After a pause the person aims again; Add moved down as its line came.
            std::function<QPoint()> again;
            if (presses == 2)
                again = [&] {
                    placeNearTop(pressed);
                    return centreIn(window.get(), pressed);
                };
            clickRun(window->windowHandle(), centreIn(window.get(), pressed), clicks, apart, again);
        } else {
            for (int n = 0; n < -clicks; ++n) {
                if (add && n > 0)
                    typeAmount();
                pressed->setFocus(Qt::TabFocusReason);
                press(Qt::Key_Space);
            }
        }
        QTest::qWait(50);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(changes.count(), add ? 0 : presses);
        QCOMPARE(clicked, QStringList(presses, pressedName));
        if (button == u"Saved") {
            // Taken off once, or saved anew by a press meant as such.
            QCOMPARE(store->contains(saved.uid), presses == 2);
            if (presses == 2)
                QCOMPARE(store->note(saved.uid), QString());
        } else if (button == u"Save") {
            QCOMPARE(store->items().size(), presses == 1 ? 2 : 1);
            QCOMPARE(store->contains(other.uid), presses == 1);
        } else {
            // By key each Space adds what was typed before it; by mouse the
            // press after a pause finds the amount gone and asks for one.
            const auto *entryForm = static_cast<EntryForm *>(form);
            QCOMPARE(m_model->money()->plan().entries.size(), clicks < 0 ? 2 : 1);
            QCOMPARE(entryForm->error().isEmpty(), presses == 1 || clicks < 0);
            // Nothing that moved under the pointer was pressed.
            QCOMPARE(entryForm->frequencyPicker()->current(), frequency);
        }
        if (button != u"Saved")
            QCOMPARE(store->note(saved.uid), QStringLiteral("Bus pass"));
        clearMyList();
        setPlan(0);
    }

    // A double-click or a slow run of clicks on a card's call, text or web
    // button, its source link or "Report a problem" hands the address to
    // the system once; a click after a pause, or Space again, hands it on
    // again.
    void aRunOfClicksOpensOnce_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("clicks"); // below 0: that many Spaces
        QTest::addColumn<double>("apart"); // of the double-click interval; below 0, taken late
        QTest::addColumn<int>("opens");
        for (const char *target : {"contact-call", "contact-text", "contact-web", "listingSource", "reportProblem",
                                   "reportButton", "playVideo"}) {
            QTest::addRow("%s: QTest's double-click", target) << target << 2 << 0.0 << 1;
            QTest::addRow("%s: a double-click, a quarter of the interval apart", target)
                << target << 2 << 0.25 << 1;
            QTest::addRow("%s: three clicks, 0.6 of the interval apart", target) << target << 3 << 0.6 << 1;
            QTest::addRow("%s: four clicks, 0.6 of the interval apart", target) << target << 4 << 0.6 << 1;
            QTest::addRow("%s: a double-click taken late by a busy application", target)
                << target << 2 << -0.25 << 1;
            QTest::addRow("%s: two clicks, a pause apart", target) << target << 2 << double(pause()) / interval() << 2;
            QTest::addRow("%s: Space, then Space at once", target) << target << -2 << 0.0 << 2;
        }
    }

    void aRunOfClicksOpensOnce()
    {
        QFETCH(QString, target);
        QFETCH(int, clicks);
        QFETCH(double, apart);
        QFETCH(int, opens);
        const auto window = startOn(target);
        QVERIFY(window);
        QWidget *pressed = nullptr;
        QTRY_VERIFY(pressed = findTarget(window.get(), target));
        MBKeyboard::showInView(pressed);
        QTest::qWait(30);
        // A link is pressed on its text, which may not fill it.
        const QPoint inside = qobject_cast<MBLink *>(pressed) ? QPoint(8, pressed->height() / 2)
                                                               : pressed->rect().center();
        if (clicks > 0) {
            clickRun(window->windowHandle(), pressed->mapTo(window.get(), inside), clicks, apart);
        } else {
            for (int n = 0; n < -clicks; ++n) {
                pressed->setFocus(Qt::TabFocusReason);
                press(Qt::Key_Space);
            }
        }
        QTest::qWait(50);
        QVERIFY(!m_opened.value(0).isEmpty());
        QCOMPARE(m_opened, QStringList(opens, m_opened.value(0)));
        QCOMPARE(leftDown(window.get()), QStringList());
    }

    // A double-click or a slow run of clicks on a button that stores what
    // was typed beside it writes once; a click after a pause writes again.
    void aRunOfClicksWritesOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<double>("apart"); // of the double-click interval; below 0, taken late
        QTest::addColumn<int>("writes");
        const std::pair<const char *, const char *> buttons[] = {
            {"saveNote", "noteText"}, {"cashUpdate", "cashField"}, {"goalSave", "goalField"}, {"nameSave", "nameField"}};
        for (const auto &[button, field] : buttons) {
            QTest::addRow("%s: QTest's double-click", button) << button << field << 2 << 0.0 << 1;
            QTest::addRow("%s: three clicks, 0.6 of the interval apart", button) << button << field << 3 << 0.6 << 1;
            QTest::addRow("%s: a double-click taken late by a busy application", button)
                << button << field << 2 << -0.25 << 1;
            QTest::addRow("%s: two clicks, a pause apart", button) << button << field << 2 << double(pause()) / interval() << 2;
        }
    }

    void aRunOfClicksWritesOnce()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(int, clicks);
        QFETCH(double, apart);
        QFETCH(int, writes);
        clearMyList();
        setPlan(0);
        const bool note = button == u"saveNote";
        const Listing saved = listing(QStringLiteral("CO food bank one"));
        m_model->favorites()->add(saved.uid, saved.name);
        go(note ? Screen::myList : Screen::money, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        const QByteArray name = button.toLatin1();
        QTRY_VERIFY(named(window.get(), name.constData()));
        // Something new to store, typed where the button stores it from.
        QWidget *typed = window->findChild<QWidget *>(field);
        if (auto *box = qobject_cast<TLField *>(typed))
            typed = box->lineEdit();
        QVERIFY(typed);
        MBKeyboard::showInView(typed);
        typed->setFocus(Qt::TabFocusReason);
        press(Qt::Key_A, Qt::ControlModifier);
        static int typings = 0;
        const QString text = QString::number(40 + ++typings);
        QTest::keyClicks(focus(), text);
        MBKeyboard::showInView(named(window.get(), name.constData()));
        QTest::qWait(30);
        QObject *store = note ? static_cast<QObject *>(m_model->favorites()) : m_model->money();
        QSignalSpy written(store, note ? SIGNAL(itemsChanged()) : SIGNAL(planChanged()));
        // The summary above a Money Plan editor is redrawn as it stores.
        const auto where = [&] {
            QWidget *b = named(window.get(), name.constData());
            return b ? centreIn(window.get(), b) : QPoint();
        };
        clickRun(window->windowHandle(), where(), clicks, apart, where);
        QTest::qWait(50);
        QCOMPARE(written.count(), writes);
        if (note)
            QCOMPARE(m_model->favorites()->note(saved.uid), text);
        clearMyList();
        setPlan(0);
    }

    // A run holds what acts, never a click into a text field: a note or a
    // field clicked just after a removal or an Add takes the keyboard with
    // its caret where the click landed. The clicks take the window's whole
    // path, where Qt gives a widget the focus for a click.
    void aClickIntoATextFieldIsNeverHeld_data()
    {
        QTest::addColumn<bool>("list");
        QTest::addColumn<bool>("inReach"); // the field lies within a hand's reach of the button
        QTest::newRow("My List: a note clicked just after a removal") << true << false;
        QTest::newRow("Money Plan: a field clicked just after Add") << false << false;
        QTest::newRow("Money Plan: the cash field clicked beside Update just after it") << false << true;
    }

    void aClickIntoATextFieldIsNeverHeld()
    {
        QFETCH(bool, list);
        QFETCH(bool, inReach);
        clearMyList();
        setPlan(0);
        FavoritesStore *store = m_model->favorites();
        const Listing first = listing(QStringLiteral("CO food bank one"));
        const Listing second = listing(QStringLiteral("CO food bank two"));
        store->add(first.uid, first.name);
        store->add(second.uid, second.name);
        store->setNote(second.uid, QStringLiteral("Bus pass"));
        go(list ? Screen::myList : Screen::money, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QWidget *pressed = nullptr;
        std::function<QPoint()> into;
        QString before;
        QString after;
        std::function<QString()> typedText;
        if (list) {
            QTRY_VERIFY(pressed = shown<QWidget>(window.get(), [&](QWidget *b) {
                            return b->accessibleName() == QStringLiteral("Saved, ") + first.name;
                        }));
            // Just past the end of the second note, once its card has moved up.
            const auto editor = [&]() -> QTextEdit * {
                NoteEditor *e = shown<NoteEditor>(window.get(), [&](NoteEditor *n) { return n->uid() == second.uid; });
                return e ? e->textEdit() : nullptr;
            };
            into = [&, editor] {
                QTextEdit *edit = editor();
                if (!edit)
                    return QPoint();
                QTextCursor end(edit->document());
                end.movePosition(QTextCursor::End);
                return edit->viewport()->mapTo(window.get(), edit->cursorRect(end).center() + QPoint(12, 0));
            };
            typedText = [editor] { return editor() ? editor()->toPlainText() : QString(); };
            after = QStringLiteral("Bus pass on Fridays");
        } else {
            auto *expense = static_cast<EntryForm *>(named(window.get(), "expenseForm"));
            auto *income = static_cast<EntryForm *>(named(window.get(), "incomeForm"));
            QVERIFY(expense && income);
            QLineEdit *label = income->labelField()->lineEdit();
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(label, QStringLiteral("odd jobs"));
            QLineEdit *amount = expense->amountField()->lineEdit();
            amount->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(amount, QStringLiteral("12"));
            pressed = expense->button();
            // At the start of the words typed into the other form.
            into = [&, label] { return label->mapTo(window.get(), QPoint(3, label->height() / 2)); };
            typedText = [label] { return label->text(); };
            after = QStringLiteral("Some odd jobs");
        }
        QLineEdit *reached = nullptr;
        if (inReach) {
            // The cash on hand: Update stores it and redraws the summary
            // above, and its field lies beside it, within a hand's reach.
            pressed = named(window.get(), "cashUpdate");
            reached = static_cast<TLField *>(named(window.get(), "cashField"))->lineEdit();
            QVERIFY(pressed && reached);
            reached->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(reached, QStringLiteral("25"));
            pressed->setFocus(Qt::TabFocusReason); // the field gets it back only by the click
            // The text's point nearest Update: a hand's reach is 24 px.
            into = [&] {
                const QRect field(reached->mapTo(window.get(), QPoint()), reached->size());
                const QPoint button = centreIn(window.get(), pressed);
                const QPoint at(std::clamp(button.x(), field.left(), field.right()), std::clamp(button.y(), field.top(), field.bottom()));
                const QRect buttonAt(pressed->mapTo(window.get(), QPoint()), pressed->size());
                return buttonAt.adjusted(-23, -23, 23, 23).contains(at) ? at : QPoint();
            };
            QVERIFY2(!into().isNull(), "the cash field lies out of a hand's reach of Update");
        }
        MBKeyboard::showInView(pressed);
        QTest::qWait(30);
        QSignalSpy stored(m_model->money(), &MoneyStore::planChanged);
        clickRun(window->windowHandle(), centreIn(window.get(), pressed), 2, 0.3, into);
        if (inReach) {
            QCOMPARE(stored.count(), 1);
            QVERIFY2(focus() == reached, qPrintable(describe(focus())));
            const QString before = reached->text();
            QTest::keyClicks(focus(), QStringLiteral("7"));
            QCOMPARE(reached->text().size(), before.size() + 1);
            clearMyList();
            return;
        }
        QTest::keyClicks(focus(), list ? QStringLiteral(" on Fridays") : QStringLiteral("Some "));
        QCOMPARE(typedText(), after);
        if (list)
            QVERIFY(!store->contains(first.uid));
        else
            QCOMPARE(m_model->money()->plan().entries.size(), 1);
        clearMyList();
        setPlan(0);
    }

    // A press a run holds presses nothing and moves the keyboard nowhere,
    // and the mouse is the person's again as the button comes up: another
    // button under the pointer shows it is there. On the Money Plan, the
    // Kind picker moves under the pointer as Add makes its line; in My List
    // a "Call 211" as a missing entry's Remove takes its card away.
    void aHeldPressLeavesFocusAndPointer_data()
    {
        QTest::addColumn<bool>("list");
        QTest::newRow("My List: Call 211 moved up under Remove") << true;
        QTest::newRow("Money Plan: the Kind picker moved under Add") << false;
    }

    void aHeldPressLeavesFocusAndPointer()
    {
        QFETCH(bool, list);
        clearMyList();
        setPlan(0);
        FavoritesStore *store = m_model->favorites();
        const Listing line211 = listing(QStringLiteral("CO 211 one"));
        if (list) {
            store->add(QStringLiteral("gone:old-shelter"), QStringLiteral("Old shelter"));
            store->add(line211.uid, line211.name);
        }
        go(list ? Screen::myList : Screen::money, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QPoint at;
        std::function<QPoint()> next;
        std::function<QWidget *()> other;
        EntryForm *form = nullptr;
        QComboBox *moved = nullptr;
        int kind = -1;
        if (list) {
            at = moved211UnderRemove(window.get());
            QVERIFY2(!at.isNull(), "no note puts Remove where Call 211 moves up to");
            other = [&] { return named(window.get(), "saveButton"); };
        } else {
            form = static_cast<EntryForm *>(named(window.get(), "expenseForm"));
            QVERIFY(form);
            QLineEdit *amount = form->amountField()->lineEdit();
            amount->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(amount, QStringLiteral("12"));
            placeNearTop(form->button());
            at = centreIn(window.get(), form->button());
            // What moved under the pointer as the line came.
            next = [&] {
                for (QWidget *w = window->childAt(at); w && !moved; w = w->parentWidget())
                    moved = qobject_cast<QComboBox *>(w);
                kind = moved ? moved->currentIndex() : -1;
                return at;
            };
            other = [&]() -> QWidget * { return static_cast<EntryForm *>(named(window.get(), "incomeForm"))->button(); };
        }
        QWidget *focused = nullptr;
        const auto second = [&] {
            focused = focus();
            return next ? next() : at;
        };
        clickRun(window->windowHandle(), at, 2, 0.3, second);
        QTest::qWait(50);
        QVERIFY(focused);
        QVERIFY2(focus() == focused, qPrintable(describe(focus()) + QStringLiteral(" took the keyboard from ") + describe(focused)));
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        if (list) {
            QCOMPARE(store->items().size(), 1);
        } else {
            QCOMPARE(m_model->money()->plan().entries.size(), 1);
            QVERIFY2(moved, "no Kind picker moved under Add");
            QCOMPARE(moved->currentIndex(), kind);
        }
        // The pointer moves on to another button, which shows it is there.
        QWidget *target = other();
        QVERIFY(target);
        MBKeyboard::showInView(target);
        QTest::qWait(30);
        QTest::mouseMove(window->windowHandle(), centreIn(window.get(), target));
        QTRY_VERIFY2(target->underMouse(), qPrintable(describe(target)));
        clearMyList();
        setPlan(0);
    }

    // A removal by a click holds the place of its button for the rest of
    // the run: in My List the later clicks on a missing entry's "Remove"
    // land on the "Call 211" of the card that moved up under the pointer. It
    // is not pressed, and one entry goes; after a pause a click calls.
    void aRunPressesNothingThatMovedUp_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<double>("apart");
        QTest::newRow("QTest's double-click") << 2 << 0.0;
        QTest::newRow("a double-click, a quarter of the interval apart") << 2 << 0.25;
        QTest::newRow("three clicks, 0.6 of the interval apart") << 3 << 0.6;
        QTest::newRow("four clicks, 0.6 of the interval apart") << 4 << 0.6;
    }

    void aRunPressesNothingThatMovedUp()
    {
        QFETCH(int, clicks);
        QFETCH(double, apart);
        clearMyList();
        FavoritesStore *store = m_model->favorites();
        const Listing line211 = listing(QStringLiteral("CO 211 one"));
        store->add(QStringLiteral("gone:old-shelter"), QStringLiteral("Old shelter"));
        store->add(line211.uid, line211.name);
        go(Screen::myList, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        const QPoint at = moved211UnderRemove(window.get());
        QVERIFY2(!at.isNull(), "no note puts Remove where Call 211 moves up to");
        clickRun(window->windowHandle(), at, clicks, apart);
        QTest::qWait(50);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(m_model->screen(), Screen(Screen::myList));
        QCOMPARE(store->items().size(), 1);
        QCOMPARE(store->items().first().uid, line211.uid);
        // With no run going, a click on what moved up works.
        handClick(window->windowHandle(), at, pause());
        QTRY_COMPARE(m_opened, QStringList{"tel:211"});
        clearMyList();
    }

    // A press that does nothing (beside an emergency button's capsule, in
    // its rounded corner, or slid off before its release) starts no run:
    // the real click after it acts at once, and a run after it is one
    // press still.
    void aPressThatDoesNothingStartsNoRun_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("how"); // under the capsule, its corner, or slid off
        QTest::addColumn<double>("apart"); // of the double-click interval
        QTest::addColumn<int>("clicks");
        QTest::newRow("Call 911: a press just under the capsule, then a click")
            << "call911" << false << "under" << 0.25 << 1;
        QTest::newRow("Call 988: a press just under the capsule, then three clicks 0.6 of the interval apart")
            << "call988" << false << "under" << 0.6 << 3;
        QTest::newRow("Call 911: a press in a rounded corner, then a click") << "call911" << false << "corner" << 0.25 << 1;
        QTest::newRow("Call 911: pressed, slid off, released, then a click") << "call911" << false << "slid" << 0.4 << 1;
        QTest::newRow("help window: Call 211 under the capsule, then a click") << "call211" << true << "under" << 0.4 << 1;
        QTest::newRow("help window: Call 211 slid off, then a click") << "call211" << true << "slid" << 0.6 << 1;
        for (const char *target : {"contact-call", "listingSource", "reportProblem", "reportButton", "playVideo", "saveButton"})
            QTest::addRow("%s: slid off, then a click", target) << target << false << "slid" << 0.6 << 1;
    }

    void aPressThatDoesNothingStartsNoRun()
    {
        QFETCH(QString, target);
        QFETCH(bool, help);
        QFETCH(QString, how);
        QFETCH(double, apart);
        QFETCH(int, clicks);
        clearMyList();
        const auto window = startOn(target);
        QVERIFY(window);
        const auto [top, pressed] = shownTarget(window.get(), help, target);
        QVERIFY(top && pressed);
        const QPoint inside = qobject_cast<MBLink *>(pressed) ? QPoint(8, pressed->height() / 2) : pressed->rect().center();
        const auto at = [&](QPoint p) { return pressed->mapTo(top, p); };
        QPoint dead = inside;
        QPoint off = inside;
        if (how == u"under") {
            dead = off = QPoint(inside.x(), pressed->height() - 2);
        } else if (how == u"corner") {
            dead = off = QPoint(4, 3);
        } else {
            off = inside + QPoint(0, pressed->height() + 20);
            if (!top->rect().contains(at(off)))
                off = inside - QPoint(0, pressed->height() + 20);
        }
        QVERIFY(top->rect().contains(at(off)));
        FavoritesStore *store = m_model->favorites();
        pressSlid(top->windowHandle(), at(dead), at(off));
        QTest::qWait(20);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(store->items().size(), 0);
        for (int n = 0; n < clicks; ++n)
            handClick(top->windowHandle(), at(inside), int(interval() * apart));
        QTest::qWait(50);
        if (target == u"saveButton") {
            QCOMPARE(store->items().size(), 1);
            QCOMPARE(m_opened, QStringList());
        } else {
            QCOMPARE(m_opened.size(), 1);
        }
        QCOMPARE(leftDown(top), QStringList());
        if (help)
            top->close();
        clearMyList();
    }

    // A click that changes what is under the pointer (it opens another page,
    // lays the page out again or removes a row) holds the place of what it
    // pressed for the rest of its run: the second click of a double-click
    // presses nothing that came there. A control elsewhere, clicked 0.25 s
    // later within the same run, acts: it is the person's next click.
    void aClickThatChangesThePageHoldsItsPlace_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("top"); // where the first click's target stands in its view; -1: as shown
        QTest::addColumn<QString>("first");
        QTest::addColumn<Check>("done");
        QTest::addColumn<QString>("elsewhere");
        const auto screenIs = [](Screen screen) {
            return Check([=](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == screen; });
        };
        const auto display = [](double zoom) {
            return Step([=](WindowKeys &t, QMainWindow *w) {
                MBZoom::setValue(zoom);
                go(Screen::display)(t, w);
            });
        };
        const QSize large(1366, 768);
        const QSize small(820, 560);
        QTest::newRow("Home, no state: Talk to someone") << go(Screen::home) << large << -1 << "talkToSomeone"
                                                          << screenIs(Screen::forNeed(UrgentNeed::talk)) << "saveButton";
        QTest::newRow("Home, Colorado: the Health tile")
            << go(Screen::home, {}, QStringLiteral("CO")) << large << 120 << "topic-Health"
            << screenIs(Screen::forCategory(AppCategory::health)) << "contact-call";
        QTest::newRow("Home, no state, small window: the Shelter tile")
            << go(Screen::home) << small << 200 << "urgent-shelter" << screenIs(Screen::forNeed(UrgentNeed::shelter))
            << "contact-call|saveButton";
        QTest::newRow("Survival Guide: Chapter 5") << go(Screen::guide) << large << -1 << "guideChapter-5"
                                                   << Check([](WindowKeys &t, QMainWindow *) {
                                                          return t.m_model->guideChapter() == 5;
                                                      })
                                                   << "guideChapter-3";
        QTest::newRow("Text size & display at 115 %, small window: Bigger")
            << display(1.15) << small << -1 << "zoomBigger"
            << Check([](WindowKeys &, QMainWindow *) { return qFuzzyCompare(MBZoom::value(), 1.30); })
            << "zoomActual|zoomSmaller|textSizePicker";
        QTest::newRow("Text size & display: High contrast")
            << display(1.0) << large << -1 << "highContrastToggle"
            << Check([](WindowKeys &, QMainWindow *) { return MRBYThemes::currentID() == TLThemes::highContrastID; })
            << "zoomBigger";
        QTest::newRow("My List: Saved")
            << Step([](WindowKeys &t, QMainWindow *w) {
                   for (const char *name : {"CO food bank one", "CO 211 one", "CO food bank two"}) {
                       const Listing l = static_cast<tst_ClickRuns &>(t).listing(QString::fromLatin1(name));
                       t.m_model->favorites()->add(l.uid, l.name);
                   }
                   go(Screen::myList, {}, QStringLiteral("CO"))(t, w);
               })
            << large << -1 << "saveButton"
            << Check([](WindowKeys &t, QMainWindow *) { return t.m_model->favorites()->items().size() == 2; })
            << "call211";
    }

    void aClickThatChangesThePageHoldsItsPlace()
    {
        QFETCH(Step, setUp);
        QFETCH(QSize, size);
        QFETCH(int, top);
        QFETCH(QString, first);
        QFETCH(Check, done);
        QFETCH(QString, elsewhere);
        clearMyList();
        setUp(*this, nullptr);
        const auto window = start(size);
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), first));
        MBKeyboard::showInView(clicked);
        if (top >= 0)
            placeNearTop(clicked, top);
        QTest::qWait(30);
        QWindow *display = window->windowHandle();
        const QPoint at = centreIn(window.get(), clicked);
        const QRect place(clicked->mapTo(window.get(), QPoint()), clicked->size());
        QTest::mouseClick(display, Qt::LeftButton, {}, at);
        // The page changes under the pointer before the hand clicks again.
        QTRY_VERIFY(done(*this, window.get()));
        QTest::qWait(30);
        // Where the hand clicks again: the nearest point of the place with
        // something that acts under it now.
        const QPoint again = actingNear(window.get(), place);
        QVERIFY2(!again.isNull(), "nothing that acts came where the first click was");
        const QString landed = describe(actingAt(window.get(), again));
        // A control of the page that is not where the first click was.
        QWidget *other = nullptr;
        for (const QString &name : elsewhere.split(u'|'))
            if (!other)
                other = shown<QWidget>(window.get(), [&](QWidget *w) {
                    const QPoint centre = centreIn(window.get(), w);
                    return w->objectName() == name && !place.adjusted(-30, -30, 30, 30).contains(centre) && window->rect().contains(centre)
                        && w->visibleRegion() == QRegion(w->rect());
                });
        QVERIFY2(other, qPrintable(elsewhere));
        const QString otherName = describe(other);
        Acted acted(window.get());
        const QList<Favorite> listed = m_model->favorites()->items();
        handClick(display, again, interval() / 4);
        QTest::qWait(20);
        QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(m_model->favorites()->items().size(), listed.size());
        QVERIFY2(done(*this, window.get()), qPrintable(landed));
        handClick(display, centreIn(window.get(), other), interval() * 5 / 8);
        QTest::qWait(20);
        QVERIFY2(acted.who == QList<const QWidget *>{other}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + otherName));
        QCOMPARE(leftDown(window.get()), QStringList());
        clearMyList();
    }

    // Two sidebar rows clicked 0.2 s apart open the second page; Call 911
    // right after a tile calls.
    void aClickElsewhereActsAtOnce_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then");
        QTest::addColumn<Check>("done");
        QTest::newRow("two sidebar rows 0.2 s apart open the second page")
            << go(Screen::home) << "row:Videos" << "row:My List"
            << Check([](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == Screen::myList; });
        QTest::newRow("Call 911 right after a tile calls")
            << go(Screen::home, {}, QStringLiteral("CO")) << "topic-Health" << "call911"
            << Check([](WindowKeys &t, QMainWindow *) {
                   return t.m_model->screen() == Screen::forCategory(AppCategory::health)
                       && t.m_opened == QStringList{QStringLiteral("tel:911")};
               });
    }

    void aClickElsewhereActsAtOnce()
    {
        QFETCH(Step, setUp);
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(Check, done);
        setUp(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), first));
        QWindow *display = window->windowHandle();
        QTest::mouseClick(display, Qt::LeftButton, {}, centreIn(window.get(), clicked));
        QTest::qWait(30);
        QWidget *second = findTarget(window.get(), then);
        QVERIFY(second);
        Acted acted(window.get());
        handClick(display, centreIn(window.get(), second), interval() / 2);
        QTest::qWait(50);
        QCOMPARE(acted.what, QStringList{describe(second)});
        QVERIFY(done(*this, window.get()));
    }

    // What a click changes while it is being handled is its doing, however
    // long that takes; what a key changes is not. Right behind a click on
    // the sidebar row of the page shown (it changes nothing) a key opens
    // another page, and a click at the same place within the interval acts. A
    // double-click on a chapter whose change waits longer than the interval
    // for a slow listener is still one press.
    void aChangeIsTheDoingOfTheClickBeingHandled_data()
    {
        QTest::addColumn<bool>("slow");
        QTest::newRow("a click on the page's own row, then Ctrl+3, then the row again") << false;
        QTest::newRow("a double-click on Chapter 5, its change slowed past the interval") << true;
    }

    void aChangeIsTheDoingOfTheClickBeingHandled()
    {
        QFETCH(bool, slow);
        go(slow ? Screen::guide : Screen::home)(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), slow ? QStringLiteral("guideChapter-5") : QStringLiteral("row:Right now")));
        MBKeyboard::showInView(clicked);
        QTest::qWait(30);
        QWindow *display = window->windowHandle();
        const QPoint at = centreIn(window.get(), clicked);
        if (slow) {
            QObject slowly;
            // A listener that learns of the chapter before the page does.
            connect(m_model.get(), &AppModel::guideChapterChanged, &slowly, [] { QThread::msleep(interval() + 100); });
            QTest::mouseClick(display, Qt::LeftButton, {}, at);
            QCOMPARE(m_model->guideChapter(), 5);
        } else {
            // The key comes as the window gets it, right behind the click,
            // before the events the click set off are done.
            clickThenKey(display, at, Qt::Key_3, Qt::ControlModifier);
            QTRY_COMPARE(m_model->screen(), Screen(Screen::guide));
        }
        QTest::qWait(30);
        QWidget *under = actingAt(window.get(), at);
        QVERIFY2(under, "nothing that acts is under the pointer");
        const QString landed = describe(under);
        Acted acted(window.get());
        handClick(display, at, interval() / 4);
        QTest::qWait(50);
        if (slow) {
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ")));
            QCOMPARE(m_model->guideChapter(), 5);
        } else {
            QCOMPARE(acted.what, QStringList{landed});
            QVERIFY(m_model->screen() != Screen(Screen::guide));
        }
    }

    // A slow click (pressed 300 ms) and a quick click 0.15 s after its
    // release are one run: the second presses nothing that the first one
    // opened, and Call 911 calls once.
    void aSlowClickAndAQuickOneAreOneRun_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("Home, Colorado: the Health tile") << "topic-Health";
        QTest::newRow("Call 911") << "call911";
    }

    void aSlowClickAndAQuickOneAreOneRun()
    {
        QFETCH(QString, target);
        go(Screen::home, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), target));
        if (target != u"call911") {
            MBKeyboard::showInView(clicked);
            placeNearTop(clicked, 120); // a listing's Save comes there
        }
        QWindow *display = window->windowHandle();
        const QPoint at = centreIn(window.get(), clicked);
        const QRect place(clicked->mapTo(window.get(), QPoint()), clicked->size());
        QTest::mousePress(display, Qt::LeftButton, {}, at);
        QTest::qWait(300);
        QTest::mouseRelease(display, Qt::LeftButton, {}, at, 300);
        QTest::qWait(30);
        const QPoint again = target == u"call911" ? at : actingNear(window.get(), place);
        QVERIFY2(!again.isNull(), "nothing that acts came where the first click was");
        const QString landed = describe(actingAt(window.get(), again));
        Acted acted(window.get());
        handClick(display, again, 150);
        QTest::qWait(50);
        if (target == u"call911") {
            QCOMPARE(m_opened, QStringList{QStringLiteral("tel:911")});
        } else {
            QCOMPARE(m_model->screen(), Screen::forCategory(AppCategory::health));
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
            QCOMPARE(m_opened, QStringList());
        }
    }

    // A double-click that opens the help window presses nothing on its page
    // where the pointer is; a topic elsewhere in it, clicked 0.25 s later,
    // opens.
    void aDoubleClickThatOpensTheHelpWindowPressesNothingThere_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::newRow("Home: How to use this app") << "How to use this app";
        QTest::newRow("the sidebar's Help") << "helpRow";
    }

    void aDoubleClickThatOpensTheHelpWindowPressesNothingThere()
    {
        QFETCH(QString, opener);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = opener == u"helpRow"
                        ? named(window.get(), "helpRow")
                        : shown<QAbstractButton>(window.get(), [&](QAbstractButton *b) { return b->text() == opener; }));
        MBKeyboard::showInView(clicked);
        QTest::qWait(30);
        const QPoint global = clicked->mapToGlobal(clicked->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(global));
        QWidget *help = nullptr;
        QTRY_VERIFY((help = TLHelpWindow::window()) && help->isVisible());
        auto *viewer = help->findChild<MRBYHelpViewer *>();
        QVERIFY(viewer && viewer->page());
        // The help window stands where its page's first link is under the
        // pointer, as a window manager may place it.
        MBLink *link = nullptr;
        QTRY_VERIFY(link = shown<MBLink>(viewer->page(), [](MBLink *) { return true; }));
        MBKeyboard::showInView(link);
        for (int tries = 0; tries < 3 && link->mapToGlobal(QPoint(8, link->height() / 2)) != global; ++tries) {
            help->move(help->pos() + global - link->mapToGlobal(QPoint(8, link->height() / 2)));
            QTest::qWait(20);
        }
        QCOMPARE(link->mapToGlobal(QPoint(8, link->height() / 2)), global);
        // A topic row away from the pointer.
        QAbstractButton *otherTopic = nullptr;
        for (QAbstractButton *row : viewer->topicRows())
            if (row->visibleRegion() == QRegion(row->rect()) && !row->rect().contains(row->mapFromGlobal(global)))
                otherTopic = row;
        QVERIFY(otherTopic);
        const std::optional<QString> shownTopic = viewer->shownID();
        Acted acted(help);
        handClick(help->windowHandle(), help->mapFromGlobal(global), interval() / 4);
        QTest::qWait(50);
        QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ")));
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(viewer->shownID(), shownTopic);
        handClick(help->windowHandle(), otherTopic->mapTo(help, otherTopic->rect().center()), interval() * 5 / 8);
        QTest::qWait(50);
        QCOMPARE(acted.what, QStringList{describe(otherTopic)});
        QVERIFY(viewer->shownID() != shownTopic);
        help->close();
    }

    // A pick from a pop-up list holds the place of the item picked for the
    // rest of its run: the second click of a double-click presses nothing
    // that lay under the list there. Anywhere else under the list a click
    // 0.3 s later acts: a sidebar row opens its page, a control of the Money
    // Plan acts, and an emergency button calls once for three clicks 0.3 s
    // apart. A click on Call 911 while a list is open closes it, and the
    // next click calls.
    void aPickFromAListHoldsTheItemsPlace_data()
    {
        QTest::addColumn<QString>("list"); // sidebar or kind
        QTest::addColumn<QString>("then"); // again, under or call
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("lastChosen"); // the list opens with its last item over the picker
        const QSize large(1366, 768);
        QTest::newRow("the sidebar's state list: a double-click on a state") << "sidebar" << "again" << large << false;
        QTest::newRow("the Money Plan's Kind list: a double-click on a kind") << "kind" << "again" << large << false;
        QTest::newRow("the sidebar's state list: a pick, then a sidebar row under the list")
            << "sidebar" << "under" << large << false;
        QTest::newRow("the Money Plan's Kind list: a pick, then a control under the list")
            << "kind" << "under" << large << false;
        // At 820 × 560 the Kind list opens up over Call 911 and Call 988.
        QTest::newRow("the Money Plan's Kind list over the emergency bar: a pick, then three clicks on a button under it")
            << "kind" << "under" << QSize(820, 560) << true;
        QTest::newRow("a click on Call 911 closes the list, and the next click calls")
            << "sidebar" << "call" << large << false;
    }

    void aPickFromAListHoldsTheItemsPlace()
    {
        QFETCH(QString, list);
        QFETCH(QString, then);
        QFETCH(QSize, size);
        QFETCH(bool, lastChosen);
        const bool money = list == u"kind";
        const auto [window, box] = windowWithListOpen(money, size, lastChosen);
        QVERIFY2(window && box, "the list did not open");
        const int chosenBefore = box->currentIndex();
        QWidget *popup = QApplication::activePopupWidget();
        QAbstractItemView *view = box->view();
        QWindow *display = window->windowHandle();
        if (then == u"call") {
            QWidget *call = named(window.get(), "call911");
            QTest::mouseClick(display, Qt::LeftButton, {}, centreIn(window.get(), call));
            QTRY_VERIFY(!QApplication::activePopupWidget());
            handClick(display, centreIn(window.get(), call), interval() / 4);
            QTRY_COMPARE(m_opened, QStringList{QStringLiteral("tel:911")});
            return;
        }
        const auto itemPlace = [&](int row) { return shownItem(box, row); };
        const auto pickable = [&](int row) {
            const QRect r = view->visualRect(box->model()->index(row, 0));
            return row != chosenBefore && r.isValid() && view->viewport()->rect().contains(r.center())
                && window->rect().contains(window->mapFromGlobal(itemPlace(row).center()));
        };
        // Again: an item with something that acts under it. Under: something
        // that acts under the list (an emergency button, else a sidebar row
        // under the sidebar's list), and an item away from it.
        int item = -1;
        QWidget *other = nullptr;
        QPoint otherAt;
        if (then == u"again") {
            for (int row = 0; row < box->count() && item < 0; ++row)
                if (pickable(row) && actingAt(window.get(), window->mapFromGlobal(itemPlace(row).center())))
                    item = row;
        } else {
            // Something under the list, and a point of it 30 px or more from
            // an item.
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const QPoint centre = w->mapToGlobal(w->rect().center());
                const bool kind = lastChosen          ? bool(qobject_cast<EmergencyButton *>(w))
                                  : list == u"sidebar" ? bool(qobject_cast<SidebarRow *>(w))
                                                       : actingAt(window.get(), window->mapFromGlobal(centre)) == w;
                if (item >= 0 || !kind || !w->isVisible() || w->visibleRegion() != QRegion(w->rect()))
                    continue;
                for (int row = 0; row < box->count() && item < 0; ++row)
                    if (pickable(row))
                        if (const QPoint p = pointAwayFrom(window.get(), w, popup->frameGeometry(), itemPlace(row)); !p.isNull()) {
                            item = row;
                            other = w;
                            otherAt = p;
                        }
            }
        }
        QVERIFY2(item >= 0, qPrintable(QStringLiteral("nothing that acts lies under the list at ")
                                       + QTest::toString(popup->frameGeometry()) + QStringLiteral(" over ")
                                       + QTest::toString(window->frameGeometry())));
        const QPoint under = window->mapFromGlobal(itemPlace(item).center());
        const QString landed = describe(actingAt(window.get(), under));
        const QPoint inList = view->viewport()->mapTo(popup, view->visualRect(box->model()->index(item, 0)).center());
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, inList);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(box->currentIndex(), item);
        const Screen screen = m_model->screen();
        if (then == u"again") {
            Acted acted(window.get());
            handClick(display, under, interval() / 4);
            QTest::qWait(50);
            QVERIFY2(acted.what.isEmpty(),
                     qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
            QCOMPARE(m_model->screen(), screen);
            QCOMPARE(m_opened, QStringList());
            QCOMPARE(m_model->money()->plan().entries.size(), 0);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        } else {
            QTest::qWait(20);
            Acted acted(window.get());
            const QPoint at = otherAt;
            auto *emergency = qobject_cast<EmergencyButton *>(other);
            for (int n = 0; n < (emergency ? 3 : 1); ++n)
                handClick(display, at, interval() * 3 / 4 - (n ? 0 : 20));
            QTest::qWait(50);
            QCOMPARE(acted.what, QStringList{describe(other)});
            if (emergency)
                QCOMPARE(m_opened, QStringList{emergency->action().url()});
        }
        QCOMPARE(leftDown(window.get()), QStringList());
    }

    // A command picked from a menu holds the place of its item for the rest
    // of the click's run; a control elsewhere under the menu, clicked 0.3 s
    // later, acts: a sidebar row after the File menu's "Survival Guide" or
    // the Theme menu's "Rose Gold" (the window is drawn afresh), "Save note"
    // after "Paste" in a note's own menu. The window is small, and the
    // sidebar scrolled to where the menu opens.
    void aMenuCommandHoldsOnlyItsItem_data()
    {
        QTest::addColumn<QString>("menu"); // a title in the menu bar, or empty for a note's own menu
        QTest::addColumn<QString>("command");
        QTest::newRow("File, Survival Guide, then a sidebar row under the menu") << "File" << "Survival Guide";
        QTest::newRow("Theme, Rose Gold, then a control under the menu") << "Theme" << "Rose Gold";
        QTest::newRow("Paste in a note's menu, then Save note under the menu") << "" << "Paste";
    }

    void aMenuCommandHoldsOnlyItsItem()
    {
        QFETCH(QString, menu);
        QFETCH(QString, command);
        clearMyList();
        const bool note = menu.isEmpty();
        const Listing saved = listing(QStringLiteral("CO food bank one"));
        if (note) {
            m_model->favorites()->add(saved.uid, saved.name);
            go(Screen::myList, {}, QStringLiteral("CO"))(*this, nullptr);
        }
        const auto window = start(note ? QSize(1366, 768) : QSize(820, 560));
        QVERIFY(window);
        QWindow *display = window->windowHandle();
        QWidget *saveNote = nullptr;
        if (note) {
            QGuiApplication::clipboard()->setText(QStringLiteral("Bus pass"));
            NoteEditor *editor = nullptr;
            QTRY_VERIFY(editor = shown<NoteEditor>(window.get(), [](NoteEditor *) { return true; }));
            saveNote = editor->findChild<QWidget *>(QStringLiteral("saveNote"));
            QVERIFY(saveNote);
            MBKeyboard::showInView(saveNote);
            QTest::qWait(30);
            // The menu opens at the pointer, down and to the right: over the
            // button below the note.
            QTextEdit *text = editor->textEdit();
            QTest::mouseClick(display, Qt::RightButton, {}, text->mapTo(window.get(), QPoint(8, text->height() - 6)));
        } else {
            const QPoint title = menuTitleAt(window.get(), menu);
            QVERIFY2(!title.isNull(), qPrintable(menu));
            QTest::mouseClick(display, Qt::LeftButton, {}, title);
        }
        QMenu *open = nullptr;
        QTRY_VERIFY(open = qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        QAction *picked = nullptr;
        for (QAction *a : open->actions())
            if (a->text().remove(u'&').startsWith(command))
                picked = a;
        QVERIFY(picked && picked->isEnabled());
        const QRect item(open->mapToGlobal(open->actionGeometry(picked).topLeft()), open->actionGeometry(picked).size());
        const QRect frame = open->frameGeometry();
        // Where a control under the menu is pressed, 30 px or more from the
        // item; null for none.
        const auto under = [&](QWidget *w) {
            return w->isVisible() && w->visibleRegion() == QRegion(w->rect())
                ? pointAwayFrom(window.get(), w, frame, item)
                : QPoint();
        };
        QWidget *other = nullptr;
        QPoint otherAt;
        if (saveNote) {
            otherAt = under(saveNote);
            QVERIFY2(!otherAt.isNull(), "Save note lies not under the menu, 30 px from the item");
            other = saveNote;
        }
        // The sidebar scrolled so that one of its rows stands under the menu:
        // halfway down it, else near its top or its bottom; the lowest row
        // that can.
        const QList<SidebarRow *> rows = window->findChild<Sidebar *>()->rows();
        for (const int y : {frame.center().y(), frame.top() + 40, frame.bottom() - 40})
            for (auto row = rows.crbegin(); !other && row != rows.crend(); ++row) {
                const QScrollArea *area = scrollAreaOf(*row);
                placeNearTop(*row, y - (*row)->height() / 2 - area->viewport()->mapToGlobal(QPoint()).y());
                if (const QPoint at = under(*row); !at.isNull() && (*row)->title() != command) {
                    other = *row;
                    otherAt = at;
                }
            }
        // Else a control of the page.
        if (!other)
            other = shown<QWidget>(window.get(), [&](QWidget *w) { return !under(w).isNull(); });
        QVERIFY2(other, qPrintable(QTest::toString(frame)));
        if (otherAt.isNull())
            otherAt = under(other);
        QTest::qWait(interval() + 50);
        QTest::mouseClick(open->windowHandle(), Qt::LeftButton, {}, open->actionGeometry(picked).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QTest::qWait(50);
        if (menu == u"File")
            QCOMPARE(m_model->screen(), Screen(Screen::guide));
        else if (menu == u"Theme")
            QCOMPARE(MRBYThemes::currentID(), QStringLiteral("rose-gold"));
        // The window may be drawn afresh: what acts there now.
        other = actingAt(window.get(), otherAt);
        QVERIFY(other);
        const QString otherName = describe(other);
        Acted acted(window.get());
        QSignalSpy written(m_model->favorites(), &FavoritesStore::itemsChanged);
        handClick(display, otherAt, interval() * 5 / 8);
        QTest::qWait(50);
        QVERIFY2(acted.who == QList<const QWidget *>{other}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + otherName));
        if (note) {
            QCOMPARE(written.count(), 1);
            QCOMPARE(m_model->favorites()->note(saved.uid), QStringLiteral("Bus pass"));
        }
        clearMyList();
    }

    // A hand that trembles: the second click of a double-click slips a few
    // pixels off what the first one pressed, onto what the change put there.
    // Up to 24 px off the part of it that showed it presses nothing, whatever
    // lies there; 30 px off, 0.25 s later, is the person's next click and
    // acts. The first click lands 2 px inside the edge the hand slips across.
    void aSlipOffWhatWasPressedPressesNothing_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Part>("part"); // the part pressed, in the window
        QTest::addColumn<Check>("done");
        QTest::addColumn<Step>("opens"); // the page the click opens, to aim the slip at what it puts there
        QTest::addColumn<QString>("edge"); // the edge the hand slips across
        QTest::addColumn<int>("slip"); // px from the first press
        const QSize large(1366, 768);
        const QSize small(820, 560);
        const auto screenIs = [](Screen screen) {
            return Check([=](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == screen; });
        };
        const auto opening = [](Screen screen) {
            return Step([=](WindowKeys &t, QMainWindow *) { t.m_model->setScreen(screen); });
        };
        const Check chapter5([](WindowKeys &t, QMainWindow *) { return t.m_model->guideChapter() == 5; });
        const Check large_([](WindowKeys &, QMainWindow *w) {
            auto *picker = static_cast<SegmentedPicker *>(named(w, "textSizePicker"));
            return picker && picker->current() == 1;
        });
        struct Case
        {
            const char *name;
            Step setUp;
            QSize size;
            Part part;
            Check done;
            Step opens;
            QList<const char *> edges;
            QList<int> slips;
        };
        const QList<int> all{4, 10, 15, 20, 30};
        const Case cases[] = {
            {"Home, no state: Talk to someone", go(Screen::home), large, widgetPart("talkToSomeone", -1),
             screenIs(Screen::forNeed(UrgentNeed::talk)), opening(Screen::forNeed(UrgentNeed::talk)), {"top", "bottom"}, all},
            {"Home, Colorado: the Health tile", go(Screen::home, {}, QStringLiteral("CO")), large,
             widgetPart("topic-Health", 120), screenIs(Screen::forCategory(AppCategory::health)),
             opening(Screen::forCategory(AppCategory::health)), {"top"}, all},
            {"Home, no state, small window: the Shelter tile", go(Screen::home), small, widgetPart("urgent-shelter", 200),
             screenIs(Screen::forNeed(UrgentNeed::shelter)), opening(Screen::forNeed(UrgentNeed::shelter)), {"bottom"}, all},
            // A gap of a few pixels lies between two chapters, and between
            // two sidebar rows.
            {"Survival Guide: Chapter 5", go(Screen::guide), large, widgetPart("guideChapter-5", -1), chapter5, {},
             {"top", "bottom"}, {10, 15, 20, 30}},
            {"the sidebar: Right now", go(Screen::guide), large, widgetPart("row:Right now", -1), screenIs(Screen::home),
             {}, {"bottom"}, {10, 15, 20, 30}},
            // The larger text lays the picker out larger and lower: 4 px
            // off is the segments' border, 30 px off may be Large again.
            {"Text size: Large", go(Screen::display), large, segmentPart("textSizePicker", 1), large_, {}, {"left", "right"},
             {10, 15, 20}},
        };
        for (const Case &c : cases)
            for (const char *edge : c.edges)
                for (int slip : c.slips)
                    QTest::addRow("%s, %dpx %s", c.name, slip, edge)
                        << c.setUp << c.size << c.part << c.done << c.opens << QString::fromLatin1(edge) << slip;
    }

    void aSlipOffWhatWasPressedPressesNothing()
    {
        QFETCH(Step, setUp);
        QFETCH(QSize, size);
        QFETCH(Part, part);
        QFETCH(Check, done);
        QFETCH(Step, opens);
        QFETCH(QString, edge);
        QFETCH(int, slip);
        clearMyList();
        setUp(*this, nullptr);
        const auto window = start(size);
        QVERIFY(window);
        QRect pressed = part(*this, window.get());
        QVERIFY2(pressed.isValid(), "the part to press is not shown");
        QVERIFY(!done(*this, window.get()));
        const bool across = edge == u"top" || edge == u"bottom";
        const QPoint out = edge == u"top" ? QPoint(0, -1) : edge == u"bottom" ? QPoint(0, 1) : edge == u"left" ? QPoint(-1, 0) : QPoint(1, 0);
        // 2 px inside the edge, in the middle of it.
        const auto insideOf = [&](const QRect &r) {
            return edge == u"top" ? QPoint(r.center().x(), r.top() + 2)
                : edge == u"bottom" ? QPoint(r.center().x(), r.bottom() - 2)
                : edge == u"left" ? QPoint(r.left() + 2, r.center().y())
                                   : QPoint(r.right() - 2, r.center().y());
        };
        if (opens) {
            // What the page that the click opens puts where the hand slips
            // to: the control is scrolled so that it lands on something that
            // acts there.
            const Screen before = m_model->screen();
            QWidget *control = actingAt(window.get(), pressed.center());
            QVERIFY(control);
            const QString name = control->objectName();
            // Each page is built afresh, a turn of the event loop later.
            const auto turnTo = [&](const std::function<void()> &go) {
                QPointer<QWidget> page = screenOf(window.get());
                go();
                QTRY_VERIFY(screenOf(window.get()) != page && screenOf(window.get())->isVisible());
                QTest::qWait(50);
            };
            turnTo([&] { opens(*this, window.get()); });
            if (QTest::currentTestFailed())
                return;
            // What acts there once the page has settled: its rows may come
            // over a few turns of the event loop, and a scroll bar with them.
            const auto acting = [&] {
                QList<QRect> found;
                for (QWidget *w : window->findChildren<QWidget *>())
                    if ((qobject_cast<QAbstractButton *>(w) || qobject_cast<MBLink *>(w)) && w->isVisible()
                        && !qobject_cast<EmergencyButton *>(w) && w->visibleRegion() == QRegion(w->rect()))
                        found << QRect(w->mapTo(window.get(), QPoint()), w->size());
                return found;
            };
            QList<QRect> targets = acting();
            for (int tries = 0; tries < 30; ++tries) {
                QTest::qWait(100);
                const QList<QRect> again = acting();
                if (again == targets)
                    break;
                targets = again;
            }
            turnTo([&] { m_model->setScreen(before); });
            if (QTest::currentTestFailed())
                return;
            pressed = part(*this, window.get());
            QTRY_VERIFY((control = named(window.get(), qPrintable(name))));
            QScrollBar *bar = scrollAreaOf(control)->verticalScrollBar();
            const QRect view(scrollAreaOf(control)->viewport()->mapTo(window.get(), QPoint()), scrollAreaOf(control)->viewport()->size());
            bool aimed = false;
            for (const QRect &target : std::as_const(targets)) {
                if (aimed || std::min(target.right(), pressed.right() - 3) - std::max(target.left(), pressed.left() + 3) < 4)
                    continue;
                const int dy = target.center().y() - (insideOf(pressed) + out * slip).y();
                const int value = bar->value();
                bar->setValue(value - dy);
                QTest::qWait(20);
                const QRect now(control->mapTo(window.get(), QPoint()), control->size());
                if (now == pressed.translated(0, dy) && view.contains(now)) {
                    pressed = now;
                    aimed = true;
                } else {
                    bar->setValue(value);
                }
            }
            QVERIFY2(aimed, "no scroll of the page puts the slip on what the click opens");
        }
        // `slip` across the edge; the second click may land anywhere along it.
        const QPoint inside = insideOf(pressed);
        QWindow *display = window->windowHandle();
        QTest::mouseClick(display, Qt::LeftButton, {}, inside);
        QTRY_VERIFY(done(*this, window.get()));
        QTest::qWait(100); // a page laid out again comes after a turn of the event loop
        // Where the hand lands: along the edge, where something acts once
        // the page is laid out.
        QPoint again;
        const QPoint off = inside + out * slip;
        const auto findAgain = [&] {
            // A picker laid out again for larger text stands lower.
            again = actingAlong(window.get(), off, across ? QPoint(1, 0) : QPoint(0, 1),
                                across ? pressed.width() / 2 : pressed.height());
            return !again.isNull();
        };
        QVERIFY2(QTest::qWaitFor(findAgain, 2000), "nothing that acts came there");
        QWidget *under = actingAt(window.get(), again);
        const QString landed = describe(under);
        const bool meant = slip >= 30;
        Acted acted(window.get());
        const QList<Favorite> listed = m_model->favorites()->items();
        handClick(display, again, meant ? interval() * 5 / 8 : interval() / 4);
        QTest::qWait(50);
        if (meant) {
            QVERIFY2(acted.who == QList<const QWidget *>{under}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + landed));
        } else {
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
            QCOMPARE(m_opened, QStringList());
            QCOMPARE(m_model->favorites()->items().size(), listed.size());
            QVERIFY2(done(*this, window.get()), qPrintable(landed));
        }
        QCOMPARE(leftDown(window.get()), QStringList());
    }

    // A pick from a pop-up list, then a second click slipped off the item
    // picked, up or down, onto what lay under the list: up to 24 px off the
    // item it presses nothing; 30 px off, 0.25 s later, it acts. Beside the
    // list, 28 px right of it, a click 0.3 s after the pick acts: the list's
    // view may report its items wider than the list.
    void aSlipOffAPickPressesNothing_data()
    {
        QTest::addColumn<QString>("list"); // sidebar or kind
        QTest::addColumn<QString>("edge"); // top, bottom or beside
        QTest::addColumn<int>("slip");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("lastChosen"); // the list opens with its last item over the picker
        const QSize large(1366, 768);
        const std::tuple<const char *, const char *, QList<int>> slips[] = {
            {"sidebar", "top", {4, 10, 15}}, {"sidebar", "bottom", {4, 10, 15, 20, 30}},
            {"kind", "top", {4}}, {"kind", "bottom", {4, 10, 15, 20, 30}}};
        for (const auto &[list, edge, pxs] : slips)
            for (int slip : pxs)
                QTest::addRow("%s list, %dpx %s", list, slip, edge) << list << edge << slip << large << false;
        // At 820 x 560 the Kind list opens up over the emergency bar.
        QTest::newRow("kind list over the emergency bar, 28px right of the list")
            << "kind" << "beside" << 28 << QSize(820, 560) << true;
    }

    void aSlipOffAPickPressesNothing()
    {
        QFETCH(QString, list);
        QFETCH(QString, edge);
        QFETCH(int, slip);
        QFETCH(QSize, size);
        QFETCH(bool, lastChosen);
        const bool money = list == u"kind";
        const auto [window, box] = windowWithListOpen(money, size, lastChosen);
        QVERIFY2(window && box, "the list did not open");
        const int chosenBefore = box->currentIndex();
        QWidget *popup = QApplication::activePopupWidget();
        const auto itemPlace = [&](int row) { return shownItem(box, row); };
        const QRect frame = popup->frameGeometry();
        // An item, and where the hand lands after it: across its edge, or
        // beside the list, on something that acts.
        int item = -1;
        QPoint first;
        QPoint again;
        for (int row = 0; row < box->count() && item < 0; ++row) {
            const QRect place = itemPlace(row);
            if (row == chosenBefore || place.height() < 10 || !frame.contains(place.center()))
                continue;
            const QPoint inside = edge == u"top" ? QPoint(place.center().x(), place.top() + 2)
                                  : edge == u"bottom" ? QPoint(place.center().x(), place.bottom() - 2)
                                                     : place.center();
            const auto landsOn = [&](QPoint global) {
                const QPoint p = window->mapFromGlobal(global);
                return window->rect().contains(p) && surelyActingAt(window.get(), p);
            };
            if (edge == u"beside") {
                for (int y = place.top() + 2; y < place.bottom() - 1 && again.isNull(); y += 2)
                    if (landsOn(QPoint(frame.right() + slip, y)))
                        again = QPoint(frame.right() + slip, y), first = QPoint(place.center().x(), y);
            } else {
                const QPoint off = inside + QPoint(0, edge == u"top" ? -slip : slip);
                const QPoint p = actingAlong(window.get(), window->mapFromGlobal(off), QPoint(1, 0), place.width() / 2);
                if (!p.isNull())
                    again = window->mapToGlobal(p), first = inside;
            }
            if (!again.isNull())
                item = row;
        }
        QVERIFY2(item >= 0, "nothing that acts lies there");
        const QPoint under = window->mapFromGlobal(again);
        QWidget *landed = actingAt(window.get(), under);
        const QString landedName = describe(landed);
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, popup->mapFromGlobal(first));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(box->currentIndex(), item);
        const Screen screen = m_model->screen();
        QTest::qWait(20);
        // The window may be built afresh for the state: what acts there now.
        landed = actingAt(window.get(), under);
        QVERIFY(landed);
        Acted acted(window.get());
        const bool meant = slip >= 28;
        handClick(window->windowHandle(), under, meant ? interval() * 3 / 4 - 20 : interval() / 4);
        QTest::qWait(50);
        if (meant) {
            QVERIFY2(acted.who == QList<const QWidget *>{landed}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + landedName));
        } else {
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landedName + u')'));
            QCOMPARE(m_model->screen(), screen);
            QCOMPARE(m_opened, QStringList());
            QCOMPARE(box->currentIndex(), item);
        }
        QCOMPARE(leftDown(window.get()), QStringList());
        setPlan(0);
    }

    // A pick from a menu or a pop-up list, then a second click of the run
    // slipped down off the item picked onto what lay under it: it presses
    // nothing, in whichever window it lands, and after a pause a click there
    // acts. "Undo" from a Money Plan field's own menu, opened above the
    // pointer at the foot of the screen, slips onto a line's "Remove"; the
    // Help menu's "Start here" onto "Call 911" of the help window it opens
    // there; the Kind list's "Other income" onto "Add"; the File menu's last
    // item onto a sidebar row; the View menu's high contrast item onto the
    // sidebar's state list.
    void aSlipOffAMenuOrListPickPressesNothing_data()
    {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<int>("slip"); // px down from 2 px inside the item's bottom edge
        QTest::newRow("a field's menu: Undo, 15px down onto a line's Remove") << "Undo" << 15;
        QTest::newRow("Help: Start here, 15px down onto the help window's Call 911") << "Start here" << 15;
        QTest::newRow("the Kind list: Other income, 10px down onto Add") << "Other income" << 10;
        QTest::newRow("the Kind list: Other income, 15px down onto Add") << "Other income" << 15;
        QTest::newRow("File: Report a Wrong Listing, 15px down onto a sidebar row") << "Report a Wrong Listing" << 15;
        QTest::newRow("View: High Contrast, 15px down onto the state list") << "Turn On High Contrast" << 15;
    }

    void aSlipOffAMenuOrListPickPressesNothing()
    {
        QFETCH(QString, pick);
        QFETCH(int, slip);
        setPlan(0);
        const bool kind = pick == u"Other income";
        const bool undo = pick == u"Undo";
        const bool help = pick == u"Start here";
        const bool stateList = pick == u"Turn On High Contrast";
        if (undo)
            m_model->money()->add(MoneyKind::income, QStringLiteral("job"), QStringLiteral("Kitchen job"), 50'000,
                                  MoneyFrequency::week);
        std::unique_ptr<QMainWindow> window;
        QComboBox *box = nullptr;
        if (kind) {
            std::tie(window, box) = windowWithListOpen(true, QSize(1366, 768), false);
            QVERIFY2(window && box, "the list did not open");
        } else {
            go(undo ? Screen::money : Screen::myList)(*this, nullptr);
            // Narrower, the Money Plan's form stands within a menu's width of a line's Remove.
            window = start(QSize(undo ? 1024 : 1366, 768));
            QVERIFY(window);
        }
        QWindow *display = window->windowHandle();
        auto *income = static_cast<EntryForm *>(named(window.get(), "incomeForm"));
        // What the slip is to land on, under a point on the screen; null for
        // anything else. The window may be drawn afresh by the pick.
        const auto onto = [&](QPoint global) -> QWidget * {
            const QPoint p = window->mapFromGlobal(global);
            if (!window->rect().contains(p))
                return nullptr;
            if (stateList) {
                QWidget *w = window->childAt(p);
                while (w && !qobject_cast<QComboBox *>(w))
                    w = w->parentWidget();
                return w && w->objectName() == u"statePicker" ? w : nullptr;
            }
            QWidget *w = surelyActingAt(window.get(), p);
            if (undo)
                return w && w->objectName() == u"removeButton" ? w : nullptr;
            if (kind)
                return w == income->button() ? w : nullptr;
            return qobject_cast<SidebarRow *>(w);
        };
        // Where the hand presses an item on the screen, 2 px inside its
        // bottom edge: in the middle of what lies under the slip there, or
        // near the item's end for the help window, which comes where the
        // slip lands; null for nowhere.
        const auto pressOn = [&](const QRect &item) {
            QList<int> along;
            for (int x = item.left() + 3; x < item.right() - 2; ++x)
                if (help ? x == item.right() - 12 : bool(onto(QPoint(x, item.bottom() - 2 + slip))))
                    along << x;
            return along.isEmpty() ? QPoint() : QPoint(along.at(along.size() / 2), item.bottom() - 2);
        };
        QWidget *popup = nullptr;
        QRect item; // on the screen
        QPoint first;
        QLineEdit *typed = nullptr;
        QString typedText;
        const QPoint cursorWas = QCursor::pos();
        if (kind) {
            // An amount typed before the list opened: a press on Add adds the line.
            income->amountField()->lineEdit()->setText(QStringLiteral("12"));
            popup = QApplication::activePopupWidget();
            const int row = box->findText(pick);
            QVERIFY(row >= 0 && row != box->currentIndex());
            item = shownItem(box, row);
            first = pressOn(item);
        } else {
            QMenu *open = nullptr;
            QAction *picked = nullptr;
            const auto opened = [&] {
                if (!QTest::qWaitFor([&] { return (open = qobject_cast<QMenu *>(QApplication::activePopupWidget())); }))
                    return false;
                picked = nullptr;
                for (QAction *a : open->actions())
                    if (a->text().remove(u'&').startsWith(pick))
                        picked = a;
                if (!picked)
                    return false;
                item = QRect(open->mapToGlobal(open->actionGeometry(picked).topLeft()), open->actionGeometry(picked).size());
                return picked->isEnabled();
            };
            if (undo) {
                typed = income->labelField()->lineEdit();
                typed->setFocus(Qt::TabFocusReason);
                QTest::keyClicks(typed, QStringLiteral("Odd jobs"));
                typedText = typed->text();
                placeNearTop(typed, scrollAreaOf(typed)->viewport()->height() - 3 * typed->height());
                // Right-clicked near the foot of the screen, down the field's
                // right end until Undo stands over a Remove. The menu opens at
                // the pointer, where a display has it: above it, as it does
                // not fit below.
                for (int y = typed->height() - 3; y > 2 && first.isNull(); y -= 2) {
                    const QPoint at(typed->width() - 4, y);
                    QCursor::setPos(typed->mapToGlobal(at));
                    QTest::mouseClick(display, Qt::RightButton, {}, typed->mapTo(window.get(), at));
                    QVERIFY2(opened(), "the field's menu did not open with Undo");
                    first = pressOn(item);
                    if (first.isNull()) {
                        QTest::keyClick(open, Qt::Key_Escape);
                        QTRY_VERIFY(!QApplication::activePopupWidget());
                    }
                }
            } else {
                const QString menu = help ? QStringLiteral("Help") : stateList ? QStringLiteral("View") : QStringLiteral("File");
                const QPoint title = menuTitleAt(window.get(), menu);
                QVERIFY2(!title.isNull(), qPrintable(menu));
                QTest::mouseClick(display, Qt::LeftButton, {}, title);
                QVERIFY2(opened(), qPrintable(menu));
                first = pressOn(item);
            }
            popup = open;
            QTest::qWait(interval() + 50);
        }
        QVERIFY2(!first.isNull(), "nothing of the kind lies under the slip");
        const QPoint again = first + QPoint(0, slip);
        QVERIFY(!item.contains(again));
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, popup->mapFromGlobal(first));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QWidget *top = window.get();
        QWidget *target = nullptr;
        if (help) {
            QTRY_VERIFY((top = TLHelpWindow::window()) && top->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(top));
            // The help window stands where its Call 911 is under the slip,
            // as a window manager may place it.
            target = named(top, "call911");
            QVERIFY(target);
            for (int tries = 0; tries < 3 && target->mapToGlobal(target->rect().center()) != again; ++tries) {
                top->move(top->pos() + again - target->mapToGlobal(target->rect().center()));
                QTest::qWait(20);
            }
            QCOMPARE(surelyActingAt(top, top->mapFromGlobal(again)), target);
        } else {
            if (kind)
                QCOMPARE(box->currentText(), pick);
            else if (undo)
                QVERIFY2(typed->text() != typedText, qPrintable(typed->text()));
            else if (stateList)
                QVERIFY(TLThemes::isHighContrast());
            else
                QVERIFY(m_opened.value(0).startsWith(u"mailto:"));
            QTest::qWait(20);
            QVERIFY2((target = onto(again)), qPrintable(describe(window->childAt(window->mapFromGlobal(again)))));
        }
        const QString landed = describe(target);
        Acted acted(top);
        const QStringList opened = m_opened;
        const Screen screen = m_model->screen();
        const qsizetype lines = m_model->money()->plan().entries.size();
        handClick(top->windowHandle(), top->mapFromGlobal(again), interval() / 4);
        QTest::qWait(50);
        QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(m_opened, opened);
        QCOMPARE(m_model->screen(), screen);
        QCOMPARE(m_model->money()->plan().entries.size(), lines);
        // After a pause a click there acts: the list opens, a line goes, Add
        // adds one.
        handClick(top->windowHandle(), top->mapFromGlobal(again), pause());
        if (stateList) {
            QTRY_VERIFY(QApplication::activePopupWidget());
            static_cast<QComboBox *>(target)->hidePopup();
        } else {
            QTRY_VERIFY2(acted.who == QList<const QWidget *>{target}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + landed));
            QCOMPARE(m_model->money()->plan().entries.size(), lines + (kind ? 1 : undo ? -1 : 0));
        }
        QCOMPARE(leftDown(top), QStringList());
        if (help)
            top->close();
        if (undo)
            QCursor::setPos(cursorWas);
        setPlan(0);
    }

    // A sidebar row half scrolled out at the foot of the sidebar, pressed on
    // the two thirds that show: the sidebar brings the row chosen into view
    // before its page opens, so the row has moved when the change begins.
    // The place held is where the hand saw it: slips up to 20 px press
    // nothing, and 30 px up acts on the row above as it now stands. The
    // slip rows' steps, on these rows.
    void aSlipOffARowScrolledIntoViewPressesNothing_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Part>("part");
        QTest::addColumn<Check>("done");
        QTest::addColumn<Step>("opens");
        QTest::addColumn<QString>("edge");
        QTest::addColumn<int>("slip");
        const Part halfShown = [](WindowKeys &, QMainWindow *window) {
            QWidget *row = findTarget(window, QStringLiteral("row:Videos"));
            QScrollArea *area = row ? scrollAreaOf(row) : nullptr;
            if (!area)
                return QRect();
            placeNearTop(row, area->viewport()->height() - row->height() * 2 / 3);
            const QRect view(area->viewport()->mapTo(window, QPoint()), area->viewport()->size());
            return QRect(row->mapTo(window, QPoint()), row->size()) & view;
        };
        const Check videos([](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == Screen(Screen::videos); });
        for (int slip : {4, 10, 15, 20, 30})
            QTest::addRow("the sidebar: Videos, %dpx top", slip)
                << go(Screen::home) << QSize(1366, 768) << halfShown << videos << Step() << QStringLiteral("top") << slip;
    }

    void aSlipOffARowScrolledIntoViewPressesNothing() { aSlipOffWhatWasPressedPressesNothing(); }

    // What was scrolled out of sight holds nothing: a tile of which only a
    // strip shows under the emergency bar is clicked there, and the
    // emergency button straight above it, clicked 0.3 s later, calls.
    void aPartOutOfSightHoldsNothing_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("target");
        const QSize small(820, 560);
        QTest::newRow("Home, no state, small window: the Shelter tile")
            << go(Screen::home) << small << "urgent-shelter";
        QTest::newRow("Home, Colorado, small window: the Shelter tile")
            << go(Screen::home, {}, QStringLiteral("CO")) << small << "urgent-shelter";
        QTest::newRow("Home, Colorado, at 130 %: the Shelter tile")
            << Step([](WindowKeys &t, QMainWindow *w) {
                   MBZoom::setValue(1.3);
                   go(Screen::home, {}, QStringLiteral("CO"))(t, w);
               })
            << QSize(1366, 768) << "urgent-shelter";
    }

    void aPartOutOfSightHoldsNothing()
    {
        QFETCH(Step, setUp);
        QFETCH(QSize, size);
        QFETCH(QString, target);
        setUp(*this, nullptr);
        const auto window = start(size);
        QVERIFY(window);
        QWidget *tileWidget = nullptr;
        QTRY_VERIFY(tileWidget = findTarget(window.get(), target));
        MBKeyboard::showInView(tileWidget);
        placeNearTop(tileWidget, 17 - tileWidget->height());
        QScrollArea *area = scrollAreaOf(tileWidget);
        const QRect view(area->viewport()->mapTo(window.get(), QPoint()), area->viewport()->size());
        const QRect whole(tileWidget->mapTo(window.get(), QPoint()), tileWidget->size());
        const QRect strip = whole & view;
        QVERIFY2(strip.height() >= 10 && strip.height() <= 20 && whole.top() < view.top(),
                 qPrintable(QStringLiteral("%1 px of it show").arg(strip.height())));
        // An emergency button that stands over the hidden part of the tile,
        // out of a hand's reach of the strip.
        EmergencyButton *call = nullptr;
        for (EmergencyButton *b : window->findChild<EmergencyBar *>()->buttons()) {
            const QPoint at = centreIn(window.get(), b);
            if (!call && whole.contains(at) && strip.top() - at.y() > 24)
                call = b;
        }
        QVERIFY2(call, "no emergency button stands over the hidden part of the tile");
        const Screen before = m_model->screen();
        QWindow *display = window->windowHandle();
        QTest::mouseClick(display, Qt::LeftButton, {}, strip.center());
        QTRY_VERIFY(m_model->screen() != before);
        handClick(display, centreIn(window.get(), call), interval() * 3 / 4);
        QTRY_COMPARE(m_opened, QStringList{call->action().url()});
    }

    // A held place lasts at least half a second after the click that made
    // it, though its run ends sooner, and a second at most, though its run
    // goes on: a sidebar row within a hand's reach of a row clicked, clicked
    // 0.3 s apart after it, presses nothing at 0.3, 0.6 and 0.9 s and acts at
    // 1.2 s, then holds its own place; clicked once at 0.45 s, after the
    // run, it presses nothing, and at 1.05 s it acts. Timed by the clicks'
    // time stamps, as the gate times them, however late a busy machine
    // takes them.
    void aHeldPlaceLastsHalfASecondToASecond_data()
    {
        QTest::addColumn<QList<int>>("apart"); // ms from each click to the next
        QTest::addColumn<QList<int>>("acts"); // ms after the first click
        QTest::newRow("clicks 0.3 s apart") << QList<int>{300, 300, 300, 300, 300} << QList<int>{1200};
        QTest::newRow("its run over: at 0.45 s, then at 1.05 s") << QList<int>{450, 600} << QList<int>{1050};
    }

    void aHeldPlaceLastsHalfASecondToASecond()
    {
        QFETCH(QList<int>, apart);
        QFETCH(QList<int>, acts);
        go(Screen::guide)(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), QStringLiteral("row:Right now")));
        const QRect place(clicked->mapTo(window.get(), QPoint()), clicked->size());
        QWindow *display = window->windowHandle();
        // When the hand made the last click: QTest puts an interval after it.
        const auto madeAt = [] { return QTest::lastMouseTimestamp - QTest::mouseDoubleClickInterval; };
        QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(place.center().x(), place.bottom() - 2));
        const int first = madeAt();
        QTRY_COMPARE(m_model->screen(), Screen(Screen::home));
        // The next row, 10 px below this one.
        const QPoint near(place.center().x(), place.bottom() + 10);
        QWidget *under = actingAt(window.get(), near);
        QVERIFY2(qobject_cast<SidebarRow *>(under) && under != clicked, qPrintable(describe(under)));
        Acted acted(window.get());
        QList<int> actedAt; // ms after the first click
        for (const int ms : std::as_const(apart)) {
            handClick(display, near, ms);
            if (acted.what.size() > actedAt.size())
                actedAt << madeAt() - first;
        }
        QTest::qWait(50);
        QVERIFY2(acted.who == QList<const QWidget *>{under}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + describe(under)));
        QCOMPARE(actedAt, acts);
    }

    // The entry whose row holds `w`: a listing card's listing, or a Money
    // Plan line.
    static QString entryOf(QWidget *w)
    {
        for (; w; w = w->parentWidget()) {
            if (auto *card = qobject_cast<ListingCard *>(w))
                return card->listing().uid;
            if (w->property("entryId").isValid())
                return w->property("entryId").toString();
        }
        return {};
    }

    // The removing buttons (My List's Saved, a line's Remove) shown whole,
    // from the top down.
    static QList<QWidget *> removingButtons(QMainWindow *window, bool list)
    {
        QList<QWidget *> found = window->findChildren<QWidget *>(list ? QStringLiteral("saveButton") : QStringLiteral("removeButton"));
        found.removeIf([](QWidget *b) { return !b->isVisible() || b->visibleRegion() != QRegion(b->rect()); });
        std::sort(found.begin(), found.end(), [&](QWidget *a, QWidget *b) {
            return a->mapTo(window, QPoint()).y() < b->mapTo(window, QPoint()).y();
        });
        return found;
    }

    // A removal moves up everything below the row it removes, and an added
    // line moves down everything below it: the click holds where all that
    // stood, for at least half a second however soon its run ends. A click
    // there that soon, aimed at the list as it stood, presses nothing that
    // moved under it; one after a second is meant. A row higher up, the
    // emergency bar and the sidebar act at once.
    void aChangedListHoldsWhatMoved_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("first"); // "remove:N": the Nth removing button shown (-1: the last); "add"
        // "remove:N" or "call:N": where that stood before the first click
        // ("remove:*": the first of them where a button is now); else a
        // control as findTarget names it.
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("afterMs");
        QTest::addColumn<bool>("acts");
        QTest::addColumn<QList<int>>("removed"); // by their places shown at first (-1: the last)
        for (const int screen : {int(Screen::money), int(Screen::myList)}) {
            const char *name = screen == int(Screen::money) ? "Money Plan: Remove" : "My List: Saved";
            for (const int ms : {150, 300, 450})
                QTest::addRow("%s on the first, then where the second stood %d ms later", name, ms)
                    << screen << "remove:0" << "remove:1" << ms << false << QList<int>{0};
            QTest::addRow("%s on the first, then where the second stood 1.1 s later", name)
                << screen << "remove:0" << "remove:1" << 1100 << true << QList<int>{0, 2};
            QTest::addRow("%s on the last, then on the first 0.2 s later", name)
                << screen << "remove:-1" << "remove:0" << 200 << true << QList<int>{-1, 0};
            QTest::addRow("%s, then Call 911 0.2 s later", name)
                << screen << "remove:0" << "call911" << 200 << true << QList<int>{0};
            QTest::addRow("%s, then a sidebar row 0.2 s later", name)
                << screen << "remove:0" << "row:Right now" << 200 << true << QList<int>{0};
        }
        QTest::newRow("My List: Saved on the first, then where the second's Call stood 0.3 s later")
            << int(Screen::myList) << "remove:0" << "call:1" << 300 << false << QList<int>{0};
        QTest::newRow("Money Plan: Add coming in, then where a going-out Remove stood 0.3 s later")
            << int(Screen::money) << "add" << "remove:*" << 300 << false << QList<int>{};
    }

    void aChangedListHoldsWhatMoved()
    {
        QFETCH(int, screen);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, afterMs);
        QFETCH(bool, acts);
        QFETCH(QList<int>, removed);
        const bool list = screen == int(Screen::myList);
        FavoritesStore *store = m_model->favorites();
        clearMyList();
        // Cards of one height, so that the next one's controls move up
        // where this one's stood.
        for (const char *name : {"CO 211 one", "CO 211 two", "CO 211 three", "CO 211 four"}) {
            const Listing l = listing(QString::fromLatin1(name));
            store->add(l.uid, l.name);
        }
        setPlan(3);
        go(Screen(Screen::Case(screen)), {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        const auto entries = [&] {
            QStringList ids;
            if (list) {
                for (const Favorite &f : store->items())
                    ids << f.uid;
            } else {
                for (const MoneyEntry &e : m_model->money()->plan().entries)
                    ids << e.id;
            }
            return ids;
        };
        const bool add = first == u"add";
        QWidget *form = add ? named(window.get(), "incomeForm") : nullptr;
        QWidget *addButton = form ? form->findChild<QWidget *>(QStringLiteral("addButton")) : nullptr;
        QWidget *top = nullptr;
        QTRY_VERIFY((top = add ? addButton : named(window.get(), list ? "saveButton" : "removeButton")));
        MBKeyboard::showInView(top);
        placeNearTop(top, 20);
        if (add) {
            QLineEdit *amount = form->findChild<TLField *>(QStringLiteral("amountField"))->lineEdit();
            amount->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(amount, QStringLiteral("12"));
        }
        QTRY_VERIFY(removingButtons(window.get(), list).size() >= 2);
        // The entries from the top down, and where the button of each shown
        // whole and its card's Call stood at first.
        const QStringList before = entries();
        const QStringList &ids = before;
        QHash<QString, QPoint> removeAt;
        QHash<QString, QPoint> callAt;
        int lastShown = -1;
        for (QWidget *b : removingButtons(window.get(), list)) {
            const QString id = entryOf(b);
            removeAt.insert(id, centreIn(window.get(), b));
            lastShown = std::max(lastShown, int(ids.indexOf(id)));
            QWidget *row = b;
            while (row && entryOf(row->parentWidget()) == id)
                row = row->parentWidget();
            if (QWidget *call = row ? row->findChild<QWidget *>(QStringLiteral("contact-call")) : nullptr)
                callAt.insert(id, centreIn(window.get(), call));
        }
        const auto place = [&](const QString &which) {
            const int n = which.section(u':', 1).toInt();
            return n < 0 ? lastShown : n;
        };
        QWindow *display = window->windowHandle();
        QTest::mouseClick(display, Qt::LeftButton, {}, add ? centreIn(window.get(), addButton) : removeAt.value(ids.value(place(first))));
        if (add)
            QTRY_COMPARE(entries().size(), before.size() + 1);
        else
            QTRY_COMPARE(entries().size(), before.size() - 1);
        QTest::qWait(30);
        // Where the hand clicks again, and what is there now.
        QPoint again;
        int was = -1; // the entry whose control stood there
        if (second == u"remove:*") {
            for (int n = 0; n < ids.size() && again.isNull(); ++n)
                if (removeAt.contains(ids.at(n)) && qobject_cast<TLButton *>(actingAt(window.get(), removeAt.value(ids.at(n)))))
                    again = removeAt.value(ids.at(was = n));
        } else if (second.contains(u':') && !second.startsWith(u"row:")) {
            was = place(second);
            again = (second.startsWith(u"call:") ? callAt : removeAt).value(ids.value(was));
        } else {
            QWidget *control = findTarget(window.get(), second);
            QVERIFY(control);
            again = centreIn(window.get(), control);
        }
        QWidget *under = again.isNull() ? nullptr : actingAt(window.get(), again);
        QVERIFY2(under, qPrintable(second + QStringLiteral(": nothing that acts is there")));
        // Where an entry's control stood lies the same control of the entry
        // that moved there, or still its own when nothing above it went.
        if (was >= 0) {
            const bool call = second.startsWith(u"call:");
            const bool moved = add || place(first) < was;
            QVERIFY2(under->objectName() == (call ? QStringLiteral("contact-call") : list ? QStringLiteral("saveButton") : QStringLiteral("removeButton"))
                         && (entryOf(under) != ids.at(was)) == moved,
                     qPrintable(describe(under)));
        }
        const QString underName = describe(under);
        Acted acted(window.get());
        handClick(display, again, afterMs);
        QTest::qWait(50);
        if (acts)
            QTRY_VERIFY2(acted.who == QList<const QWidget *>{under}, qPrintable(acted.what.join(u", ") + QStringLiteral(" for ") + underName));
        else
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + underName + u')'));
        QStringList left = before;
        for (const int n : std::as_const(removed))
            left.removeOne(ids.at(n < 0 ? lastShown : n));
        QStringList now = entries();
        if (add)
            now.removeLast(); // the line added
        QCOMPARE(now, left);
        QCOMPARE(m_opened, second == u"call911" ? QStringList{QStringLiteral("tel:911")} : QStringList());
        clearMyList();
        setPlan(0);
    }

    // A press on a scroll bar calls, keeps and removes nothing: it scrolls
    // at once, though it lies within a hand's reach of a sidebar row just
    // clicked.
    void aScrollBarIsNeverHeld()
    {
        const auto window = start(QSize(820, 560));
        QVERIFY(window);
        auto *sidebar = window->findChild<Sidebar *>();
        QScrollArea *area = scrollAreaOf(sidebar->rows().first());
        QVERIFY(area);
        QScrollBar *bar = area->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible() && bar->maximum() > 0);
        bar->setValue(0);
        QTest::qWait(30);
        // A row halfway down the view, beside the groove below the thumb.
        const int middle = area->viewport()->mapTo(window.get(), QPoint(0, area->viewport()->height() / 2)).y();
        SidebarRow *row = nullptr;
        for (SidebarRow *r : sidebar->rows())
            if (!row && r->mapTo(window.get(), QPoint()).y() + r->height() > middle)
                row = r;
        QVERIFY(row);
        const QPoint rowAt = centreIn(window.get(), row);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->value();
        option.sliderValue = bar->value();
        option.pageStep = bar->pageStep();
        option.singleStep = bar->singleStep();
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
        const QPoint barAt = bar->mapTo(window.get(), QPoint(bar->width() / 2, bar->mapFromGlobal(row->mapToGlobal(row->rect().center())).y()));
        QVERIFY2(bar->mapFrom(window.get(), barAt).y() > thumb.bottom() + 2, qPrintable(QTest::toString(thumb)));
        QVERIFY2(std::abs(barAt.x() - (row->mapTo(window.get(), QPoint(row->width(), 0)).x())) <= 24, "the scroll bar lies not beside the row");
        const Screen before = m_model->screen();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, rowAt);
        QTRY_VERIFY(m_model->screen() != before);
        QTest::qWait(30);
        const int value = bar->value();
        handClick(window->windowHandle(), barAt, 200);
        QTRY_VERIFY2(bar->value() > value, qPrintable(QString::number(bar->value())));
    }

    // The first click on a window that is not active: the press comes while
    // another window is active, the window is made active (as a window
    // manager does on a press), then the release comes. The press is not
    // lost: the button calls, or opens its page.
    void aClickThatActivatesTheWindowActs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("help");
        QTest::newRow("Call 911") << "call911" << false;
        QTest::newRow("help window: Call 211") << "call211" << true;
        QTest::newRow("a listing's Call") << "contact-call" << false;
    }

    void aClickThatActivatesTheWindowActs()
    {
        QFETCH(QString, target);
        QFETCH(bool, help);
        const auto window = startOn(target);
        QVERIFY(window);
        const auto [top, pressed] = shownTarget(window.get(), help, target);
        QVERIFY(top && pressed);
        QWidget other;
        other.resize(200, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        const QPoint at = centreIn(top, pressed);
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, at);
        top->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(top));
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, at);
        QTest::qWait(20);
        QCOMPARE(m_opened.size(), 1);
        if (help)
            top->close();
    }

    // A click on a link in My List works with no run going.
    void aLinkInTheListOpens()
    {
        clearMyList();
        const Listing line211 = listing(QStringLiteral("CO 211 one"));
        m_model->favorites()->add(line211.uid, line211.name);
        go(Screen::myList)(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QWidget *source = nullptr;
        QTRY_VERIFY(source = named(window.get(), "listingSource"));
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          source->mapTo(window.get(), QPoint(8, source->height() / 2)));
        QTRY_COMPARE(m_opened, QStringList{line211.sourceURL});
        clearMyList();
    }
};

QTEST_MAIN(tst_ClickRuns)
#include "tst_ClickRuns.moc"
