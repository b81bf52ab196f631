// Runs of mouse clicks as a hand makes them on the real window: a
// double-click, or a slow run within the double-click interval, is one
// press of a button whose press calls or changes what is kept.

#include "WindowKeys.h"

class tst_ClickRuns : public WindowKeys
{
    Q_OBJECT

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
        QTest::addColumn<int>("apart");
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
    }

    void aRunOfClicksCallsOnce()
    {
        QFETCH(bool, help);
        QFETCH(QList<int>, buttons);
        QFETCH(int, apart);
        QFETCH(QList<int>, called);
        const auto window = start();
        QVERIFY(window);
        QWidget *clicked = window.get();
        if (help) {
            TLHelpWindow::show(QStringLiteral("start"));
            clicked = TLHelpWindow::window();
            QVERIFY(QTest::qWaitForWindowActive(clicked));
        }
        EmergencyBar *bar = clicked->findChild<EmergencyBar *>();
        QWindow *display = clicked->windowHandle();
        const auto centre = [&](int button) {
            EmergencyButton *b = bar->buttons().at(button);
            return b->mapTo(clicked, b->rect().center());
        };
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (i > 0 && apart > 0)
                QTest::qWait(apart);
            const QPoint at = centre(buttons.at(i));
            if (buttons.value(i + 1) < 0) {
                QTest::mouseDClick(display, Qt::LeftButton, {}, at);
                ++i;
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
            QTest::addRow("%s: a double-click", name) << screen << 2 << 0.25 << false;
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
        const auto clear = [store] {
            const QList<Favorite> left = store->items();
            for (const Favorite &f : left)
                store->remove(f.uid);
        };
        clear(); // after a row that failed
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
        const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        for (int n = 0; n < clicks; ++n) {
            if (n > 0)
                QTest::qWait(int(interval * apart));
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        }
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
            QTest::qWait(interval);
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        }
        QTRY_COMPARE(count(), 1);
        clear();
        setPlan(0);
    }
};

QTEST_MAIN(tst_ClickRuns)
#include "tst_ClickRuns.moc"
