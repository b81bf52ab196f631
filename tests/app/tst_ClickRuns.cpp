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

class tst_ClickRuns : public WindowKeys
{
    Q_OBJECT

    static int interval() { return QGuiApplication::styleHints()->mouseDoubleClickInterval(); }

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

    static QPoint centreIn(QWidget *window, QWidget *w) { return w->mapTo(window, w->rect().center()); }

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

    // Every press that acted in a window from now on: a button clicked, a
    // link opened, a segment chosen.
    struct Acted final : QObject
    {
        QStringList what;
        explicit Acted(QWidget *root)
        {
            for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
                connect(b, &QAbstractButton::clicked, this, [this, b] { what << describe(b); });
            for (MBLink *l : root->findChildren<MBLink *>())
                connect(l, &MBLink::activated, this, [this, l] { what << describe(l); });
            for (SegmentedPicker *p : root->findChildren<SegmentedPicker *>())
                connect(p, &SegmentedPicker::chosen, this, [this, p] { what << describe(p); });
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

    // Scrolls the page so that `w` stands near the top of its view.
    static void placeNearTop(QWidget *w)
    {
        QScrollArea *area = nullptr;
        for (QWidget *up = w->parentWidget(); up && !area; up = up->parentWidget())
            area = qobject_cast<QScrollArea *>(up);
        QVERIFY(area && area->widget());
        area->verticalScrollBar()->setValue(w->mapTo(area->widget(), QPoint()).y() - 60);
        QTest::qWait(30);
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
    void init() { reset(); }

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
            handClick(window->windowHandle(), at, interval() + 100);
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
            QTest::addRow("%s: two clicks, a pause apart", button) << button << 2 << 1.3 << 2;
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
            QTest::addRow("%s: two clicks, a pause apart", target) << target << 2 << 1.3 << 2;
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
            QTest::addRow("%s: two clicks, a pause apart", button) << button << field << 2 << 1.3 << 2;
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
        QTest::newRow("My List: a note clicked just after a removal") << true;
        QTest::newRow("Money Plan: a field clicked just after Add") << false;
    }

    void aClickIntoATextFieldIsNeverHeld()
    {
        QFETCH(bool, list);
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
        MBKeyboard::showInView(pressed);
        QTest::qWait(30);
        clickRun(window->windowHandle(), centreIn(window.get(), pressed), 2, 0.3, into);
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
            kind = form->kindPicker()->currentIndex();
            next = [&] { return centreIn(window.get(), form->kindPicker()); };
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
            QCOMPARE(form->kindPicker()->currentIndex(), kind);
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

    // While a list's run lasts, no mouse press in it does anything. In My
    // List the later clicks on a missing entry's "Remove" land on the "Call
    // 211" of the card that moved up under the pointer; on the Money Plan
    // those on a line's Remove land on a tip's "Open" button that moved up.
    // Neither is pressed, and one entry goes.
    void aRunPressesNothingThatMovedUp_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<double>("apart");
        for (const int screen : {int(Screen::myList), int(Screen::money)}) {
            const char *name = screen == int(Screen::myList) ? "My List" : "Money Plan";
            // QTest's double-click sends both clicks before the Money Plan
            // lays out again, so nothing has moved under the pointer there.
            if (screen == int(Screen::myList))
                QTest::addRow("%s: QTest's double-click", name) << screen << 2 << 0.0;
            QTest::addRow("%s: a double-click, a quarter of the interval apart", name) << screen << 2 << 0.25;
            QTest::addRow("%s: three clicks, 0.6 of the interval apart", name) << screen << 3 << 0.6;
            QTest::addRow("%s: four clicks, 0.6 of the interval apart", name) << screen << 4 << 0.6;
        }
    }

    void aRunPressesNothingThatMovedUp()
    {
        QFETCH(int, screen);
        QFETCH(int, clicks);
        QFETCH(double, apart);
        const bool list = screen == int(Screen::myList);
        clearMyList();
        setPlan(list ? 0 : 2);
        FavoritesStore *store = m_model->favorites();
        const Listing line211 = listing(QStringLiteral("CO 211 one"));
        store->add(QStringLiteral("gone:old-shelter"), QStringLiteral("Old shelter"));
        store->add(line211.uid, line211.name);
        go(Screen(Screen::Case(screen)), {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QPoint at;
        std::function<QPoint()> next;
        if (list) {
            at = moved211UnderRemove(window.get());
            QVERIFY2(!at.isNull(), "no note puts Remove where Call 211 moves up to");
        } else {
            QWidget *remove = nullptr;
            QTRY_VERIFY(remove = shown<QWidget>(window.get(), [](QWidget *b) {
                            return b->accessibleName().startsWith(u"Remove Gas");
                        }));
            QTRY_VERIFY(named(window.get(), "openTopic"));
            placeNearTop(remove);
            at = centreIn(window.get(), remove);
            // The tips move up as the line goes; the clicks follow them.
            next = [&] {
                QWidget *open = named(window.get(), "openTopic");
                return open ? centreIn(window.get(), open) : at;
            };
            QWidget *under = window->childAt(next());
            const auto isOpen = [](const QWidget *w) { return w && w->objectName() == u"openTopic"; };
            QVERIFY2(under && (isOpen(under) || isOpen(under->parentWidget())), qPrintable(describe(under)));
        }
        clickRun(window->windowHandle(), at, clicks, apart, next);
        QTest::qWait(50);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(m_model->screen(), Screen(Screen::Case(screen)));
        if (list) {
            QCOMPARE(store->items().size(), 1);
            QCOMPARE(store->items().first().uid, line211.uid);
        } else {
            QCOMPARE(m_model->money()->plan().entries.size(), 1);
            QCOMPARE(m_model->money()->plan().entries.first().label, QStringLiteral("Groceries"));
        }
        // With no run going, a click on what moved up works.
        handClick(window->windowHandle(), at, interval() + 100, next);
        if (list)
            QTRY_COMPARE(m_opened, QStringList{"tel:211"});
        else
            QTRY_VERIFY(m_model->screen() != Screen(Screen::money));
        clearMyList();
        setPlan(0);
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

    // A click that changes what the page shows (it opens another page, or
    // lays the page out again) holds the page for the rest of its run: the
    // later clicks of a double-click press nothing that the new page put
    // under the pointer. The sidebar and the emergency bar act at once.
    void aClickThatChangesThePageHoldsIt_data()
    {
        QTest::addColumn<Step>("setUp");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("then"); // empty: the same place again, a double-click
        QTest::addColumn<Check>("done");
        const auto screenIs = [](Screen screen) {
            return Check([=](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == screen; });
        };
        QTest::newRow("Home, no state: a double-click on Talk to someone")
            << go(Screen::home) << "talkToSomeone" << "" << screenIs(Screen::forNeed(UrgentNeed::talk));
        QTest::newRow("Home, Colorado: a double-click on the Health tile")
            << go(Screen::home, {}, QStringLiteral("CO")) << "topic-Health" << ""
            << screenIs(Screen::forCategory(AppCategory::health));
        QTest::newRow("Medical care: a double-click on Open Chapter 7")
            << go(Screen::forNeed(UrgentNeed::medical), {}, QStringLiteral("CO")) << "openChapter7" << ""
            << Check([](WindowKeys &t, QMainWindow *) {
                   return t.m_model->screen() == Screen::guide && t.m_model->guideChapter() == 7;
               });
        QTest::newRow("Survival Guide: a double-click on Next chapter")
            << go(Screen::guide) << "guideNext" << ""
            << Check([](WindowKeys &t, QMainWindow *) { return t.m_model->guideChapter() == 2; });
        QTest::newRow("Text size & display at 115 %: a double-click on Bigger")
            << Step([](WindowKeys &t, QMainWindow *w) {
                   MBZoom::setValue(1.15);
                   go(Screen::display)(t, w);
               })
            << "zoomBigger" << ""
            << Check([](WindowKeys &, QMainWindow *) { return qFuzzyCompare(MBZoom::value(), 1.30); });
        QTest::newRow("two sidebar rows 0.2 s apart open the second page")
            << go(Screen::home) << "row:Videos" << "row:My List" << screenIs(Screen::myList);
        QTest::newRow("Call 911 right after a tile calls")
            << go(Screen::home, {}, QStringLiteral("CO")) << "topic-Health" << "call911"
            << Check([](WindowKeys &t, QMainWindow *) {
                   return t.m_model->screen() == Screen::forCategory(AppCategory::health)
                       && t.m_opened == QStringList{QStringLiteral("tel:911")};
               });
    }

    void aClickThatChangesThePageHoldsIt()
    {
        QFETCH(Step, setUp);
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(Check, done);
        clearMyList();
        setUp(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QWidget *clicked = nullptr;
        QTRY_VERIFY(clicked = findTarget(window.get(), first));
        MBKeyboard::showInView(clicked);
        QTest::qWait(30);
        QWindow *display = window->windowHandle();
        const QPoint at = centreIn(window.get(), clicked);
        const QWidget *page = screenOf(window.get());
        const int builds = mainOf(window.get())->screenHost()->buildCount();
        QTest::mouseClick(display, Qt::LeftButton, {}, at);
        // The page changes under the pointer before the hand clicks again.
        if (then.isEmpty())
            QTRY_VERIFY(mainOf(window.get()) && (screenOf(window.get()) != page
                                                 || mainOf(window.get())->screenHost()->buildCount() != builds
                                                 || done(*this, window.get())));
        QTest::qWait(30);
        // What the second click lands on: what acts under the pointer now, or
        // another control of the new page where the pointer slipped to.
        QWidget *second = then.isEmpty() ? actingAt(window.get(), at) : findTarget(window.get(), then);
        if (!second)
            second = shown<QAbstractButton>(screenOf(window.get()), [&](QAbstractButton *b) {
                return window->rect().contains(centreIn(window.get(), b)) && b->visibleRegion() == QRegion(b->rect());
            });
        QVERIFY(second);
        const QString landed = describe(second);
        Acted acted(window.get());
        const QList<Favorite> listed = m_model->favorites()->items();
        handClick(display, centreIn(window.get(), second), interval() / 4);
        QTest::qWait(50);
        if (then.isEmpty()) {
            QVERIFY2(acted.what.isEmpty(), qPrintable(acted.what.join(u", ")));
            QCOMPARE(m_opened, QStringList());
            QCOMPARE(m_model->favorites()->items().size(), listed.size());
        } else {
            QCOMPARE(acted.what, QStringList{landed});
        }
        QVERIFY2(done(*this, window.get()), qPrintable(landed));
        QCOMPARE(leftDown(window.get()), QStringList());
        clearMyList();
    }

    // A double-click on an item of a pop-up list picks it, and the second
    // click presses nothing where the list was; a click elsewhere acts.
    void aPickFromAListPressesNothingUnderIt_data()
    {
        QTest::addColumn<bool>("money");
        QTest::addColumn<bool>("thenCall");
        QTest::newRow("the sidebar's state list: a double-click on a state") << false << false;
        QTest::newRow("the Money Plan's Kind list: a double-click on a kind") << true << false;
        QTest::newRow("a click on Call 911 closes the list, and the next click calls") << false << true;
    }

    void aPickFromAListPressesNothingUnderIt()
    {
        QFETCH(bool, money);
        QFETCH(bool, thenCall);
        setPlan(0);
        go(money ? Screen::money : Screen::home)(*this, nullptr);
        const auto window = start(QSize(1366, 768));
        QVERIFY(window);
        QComboBox *list = nullptr;
        QTRY_VERIFY(list = qobject_cast<QComboBox *>(
                        money ? named(window.get(), "incomeForm")->findChild<QWidget *>(QStringLiteral("kindPicker"))
                              : window->findChild<Sidebar *>()->findChild<QWidget *>(QStringLiteral("statePicker"))));
        if (money)
            placeNearTop(list); // the list opens over the form below it
        QTest::qWait(30);
        const int chosenBefore = list->currentIndex();
        list->showPopup();
        QWidget *popup = nullptr;
        QTRY_VERIFY(popup = QApplication::activePopupWidget());
        QTest::qWait(interval() + 50); // a list ignores a release just after it opens
        QAbstractItemView *view = list->view();
        QWindow *display = window->windowHandle();
        if (thenCall) {
            QWidget *call = named(window.get(), "call911");
            QTest::mouseClick(display, Qt::LeftButton, {}, centreIn(window.get(), call));
            QTRY_VERIFY(!QApplication::activePopupWidget());
            handClick(display, centreIn(window.get(), call), interval() / 4);
            QTRY_COMPARE(m_opened, QStringList{QStringLiteral("tel:911")});
            return;
        }
        // An item other than the chosen one with something that acts under it.
        int item = -1;
        QPoint under;
        for (int row = 0; row < list->count() && item < 0; ++row) {
            const QRect r = view->visualRect(list->model()->index(row, 0));
            const QPoint global = view->viewport()->mapToGlobal(r.center());
            if (row == chosenBefore || !r.isValid() || !view->viewport()->rect().contains(r.center())
                || !window->rect().contains(window->mapFromGlobal(global)))
                continue;
            if (actingAt(window.get(), window->mapFromGlobal(global))) {
                item = row;
                under = window->mapFromGlobal(global);
            }
        }
        QVERIFY2(item >= 0, qPrintable(QStringLiteral("nothing that acts lies under the list at ")
                                       + QTest::toString(popup->frameGeometry()) + QStringLiteral(" over ")
                                       + QTest::toString(window->frameGeometry())));
        const QString landed = describe(actingAt(window.get(), under));
        Acted acted(window.get());
        const Screen screen = m_model->screen();
        const QPoint inList = view->viewport()->mapTo(popup, view->visualRect(list->model()->index(item, 0)).center());
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, inList);
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCOMPARE(list->currentIndex(), item);
        handClick(display, under, interval() / 4);
        QTest::qWait(50);
        QVERIFY2(acted.what.isEmpty(),
                 qPrintable(acted.what.join(u", ") + QStringLiteral(" (under it: ") + landed + u')'));
        QCOMPARE(m_model->screen(), screen);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(m_model->money()->plan().entries.size(), 0);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        QCOMPARE(leftDown(window.get()), QStringList());
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
