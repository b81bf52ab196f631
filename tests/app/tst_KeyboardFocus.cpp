// Keys as a person uses them in the application's window: Tab, Space,
// Return and Enter go to the focused widget, and after each step the test
// reads where the focus is, what is in view and what is painted.

#include "TestSupport.h"
#include "WindowKeys.h"

class tst_KeyboardFocus : public WindowKeys
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpModel(); }
    void init() { reset(); }

    // Every control that Space presses, Return and Enter press too.
    void returnAndEnterPressLikeSpace_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("act");
        QTest::addColumn<Check>("done");
        const Step none = [](WindowKeys &, QMainWindow *) {};
        const auto screenIs = [](Screen s) { return Check([s](WindowKeys &t, QMainWindow *) { return t.m_model->screen() == s; }); };
        const auto chapterIs = [](int n) { return Check([n](WindowKeys &t, QMainWindow *) { return t.m_model->guideChapter() == n; }); };
        const Find picker = [](QMainWindow *w) { return mainOf(w)->sidebar()->statePicker()->comboBox(); };
        struct Kind {
            const char *name;
            Step prepare;
            Find control;
            Check done;
        };
        const QList<Kind> kinds = {
            {"urgent tile", none, [](QMainWindow *w) { return tile(w, true); }, screenIs(Screen::forNeed(UrgentNeed::food))},
            {"topic tile", none, [](QMainWindow *w) { return tile(w, false); }, screenIs(Screen::forCategory(AppCategory::food))},
            {"button", none, [](QMainWindow *w) { return named(w, "talkToSomeone"); }, screenIs(Screen::forNeed(UrgentNeed::talk))},
            {"sidebar row", none, [](QMainWindow *w) { return mainOf(w)->sidebar()->rows().at(1); }, screenIs(Screen::search)},
            {"search's chapter tile", go(Screen::search, QStringLiteral("water")), chapterTile, screenIs(Screen::guide)},
            {"guide's chapter row", go(Screen::guide), [](QMainWindow *w) { return named(w, "guideChapter-5"); }, chapterIs(5)},
            {"guide's next button", go(Screen::guide), [](QMainWindow *w) { return named(w, "guideNext"); }, chapterIs(2)},
            {"guide's source link", go(Screen::guide), [](QMainWindow *w) { return named(w, "guideSource"); },
             Check([](WindowKeys &t, QMainWindow *) { return t.m_opened.size() == 1; })},
            {"check box", go(Screen::search, QStringLiteral("food"), QStringLiteral("CO")),
             [](QMainWindow *w) { return shown<ToggleBox>(w, [](ToggleBox *) { return true; }); },
             Check([](WindowKeys &t, QMainWindow *) { return t.m_model->searchAllStates(); })},
            {"plain button", go(Screen::search, QStringLiteral("food")), [](QMainWindow *w) { return named(w, "clearSearch"); },
             Check([](WindowKeys &t, QMainWindow *) { return t.m_model->searchText().isEmpty(); })},
            {"pop-up", none, picker,
             Check([](WindowKeys &, QMainWindow *w) { return mainOf(w)->sidebar()->statePicker()->comboBox()->view()->isVisible(); })},
            {"pop-up's item", none,
             [picker](QMainWindow *w) {
                 static_cast<QComboBox *>(picker(w))->showPopup();
                 QTest::qWait(50);
                 QTest::keyClick(focus(), Qt::Key_Down);
                 return focus();
             },
             Check([](WindowKeys &t, QMainWindow *) { return !t.m_model->stateCode().isEmpty(); })},
            {"emergency button", none, [](QMainWindow *w) { return mainOf(w)->emergencyBar()->buttons().at(3); },
             Check([](WindowKeys &t, QMainWindow *) { return t.m_opened == QStringList{"tel:211"}; })},
        };
        for (const Kind &kind : kinds) {
            QTest::addRow("%s, Return", kind.name) << kind.prepare << pressOn(kind.control, Qt::Key_Return) << kind.done;
            QTest::addRow("%s, Enter", kind.name) << kind.prepare << pressOn(kind.control, Qt::Key_Enter) << kind.done;
        }
    }

    void returnAndEnterPressLikeSpace()
    {
        QFETCH(Step, prepare);
        QFETCH(Step, act);
        QFETCH(Check, done);
        prepare(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        act(*this, window.get());
        QVERIFY(!QTest::currentTestFailed());
        QTRY_VERIFY(done(*this, window.get()));
    }

    // A control that takes the focus from the keyboard scrolls into view:
    // the sidebar's state picker, the first control of a page.
    void focusedControlScrollsIntoView_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
    }

    void focusedControlScrollsIntoView()
    {
        QFETCH(double, zoom);
        MBZoom::setValue(zoom);
        go(Screen::forCategory(AppCategory::food), {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start(QSize(820, 560));
        QVERIFY(window);
        MainWindow *main = mainOf(window.get());
        const auto toEnd = [](QWidget *in) {
            for (QScrollArea *area : in->findChildren<QScrollArea *>())
                area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        };
        QComboBox *picker = main->sidebar()->statePicker()->comboBox();
        toEnd(main->sidebar());
        QTRY_VERIFY(partlyHidden(picker));
        main->emergencyBar()->buttons().last()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), picker);
        QTRY_VERIFY(!partlyHidden(picker));

        toEnd(main->screenHost());
        main->sidebar()->creditLink()->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Tab);
        QVERIFY2(main->screenHost()->isAncestorOf(focus()), qPrintable(describe(focus())));
        QTRY_VERIFY2(!partlyHidden(focus()), qPrintable(describe(focus())));

        // Add pressed at the foot of the page: the new line moves the form
        // (down, or up as a wider page reflows), and the focused Add comes
        // back into view.
        setPlan(0);
        m_model->setScreen(Screen::money);
        QTRY_VERIFY(named(window.get(), "expenseForm"));
        QTest::qWait(100);
        QWidget *form = named(window.get(), "expenseForm");
        QWidget *add = form->findChild<QWidget *>(QStringLiteral("addButton"));
        form->findChild<QWidget *>(QStringLiteral("amountField"))->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(focus(), QStringLiteral("12"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), add);
        QScrollArea *area = tour::page(window.get())->scroll()->scrollArea();
        area->verticalScrollBar()->setValue(add->mapTo(area->widget(), QPoint(0, add->height())).y()
                                            - area->viewport()->height());
        QTRY_VERIFY(!partlyHidden(add));
        const auto top = [&] { return add->mapTo(area->widget(), QPoint(0, 0)).y(); };
        const int before = top();
        const auto place = [&] { return QPoint(top(), area->verticalScrollBar()->value()); };
        press(Qt::Key_Return);
        QTRY_VERIFY(top() != before);
        QVERIFY(testsupport::settle(place));
        QCOMPARE(focus(), add);
        QVERIFY(!partlyHidden(add));

        // Scrolled away by the person (Page Up on Add goes to the page), the
        // view stays where they left it as lines are added above Add.
        QScrollBar *bar = area->verticalScrollBar();
        for (int i = 0; i < 20 && bar->value() > 0; ++i)
            press(Qt::Key_PageUp);
        QCOMPARE(bar->value(), 0);
        QVERIFY(partlyHidden(add));
        const int away = top();
        m_model->money()->add(MoneyKind::expense, QStringLiteral("food"), QStringLiteral("Bread"), 500,
                              MoneyFrequency::week);
        QTRY_VERIFY(top() != away);
        QVERIFY(testsupport::settle(place));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(focus(), add);
        setPlan(0);
    }

    // Tab goes down the Money Plan as it is laid out: the tips before the
    // print and save buttons, each Remove right after its line, named for
    // it. Removing a line gives the focus to the line now in its place, as
    // a whole (Space again removes nothing), else the one above, else the
    // page, and never to an emergency button on the way.
    void moneyPlanTabsAndRemovals_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QString>("landsOn");
        QTest::newRow("last line") << 3 << 2 << "Gas, $35.00 a week";
        QTest::newRow("middle line") << 3 << 1 << "Phone, $6.92 a week";
        QTest::newRow("only line") << 1 << 0 << "Money Plan";
    }

    void moneyPlanTabsAndRemovals()
    {
        QFETCH(int, lines);
        QFETCH(int, removed);
        QFETCH(QString, landsOn);
        const QStringList names = QStringList{"Remove Groceries, $60.00 a week", "Remove Gas, $35.00 a week",
                                              "Remove Phone, $6.92 a week"}.mid(0, lines);
        setPlan(0);
        go(Screen::money, {}, QStringLiteral("CO"))(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        // The lines come after the page is made, as added ones do.
        setPlan(lines);
        QWidget *column = tour::page(window.get())->column();
        QTRY_VERIFY(named(window.get(), "openTopic"));

        QList<QWidget *> onPage = focussupport::tabStops(window.get());
        onPage.removeIf([column](QWidget *s) { return !column->isAncestorOf(s); });
        named(window.get(), "periodPicker")->setFocus(Qt::TabFocusReason);
        QList<QWidget *> walked;
        QStringList removes;
        while (column->isAncestorOf(focus()) && walked.size() <= onPage.size()) {
            walked << focus();
            if (focus()->objectName() == QLatin1String("removeButton"))
                removes << QAccessible::queryAccessibleInterface(focus())->text(QAccessible::Name);
            press(Qt::Key_Tab);
        }
        QCOMPARE(walked.size(), onPage.size());
        QCOMPARE(removes, names);
        // Where they stand once the page is laid out for its lines.
        const auto onColumn = [column](QWidget *w) { return QRect(w->mapTo(column, QPoint(0, 0)), w->size()); };
        QVERIFY(testsupport::settle([&] {
            QList<QRect> places;
            for (QWidget *w : std::as_const(walked))
                places << onColumn(w);
            return places;
        }));
        for (qsizetype i = 1; i < walked.size(); ++i)
            QVERIFY2(onColumn(walked.at(i)).center().y() >= onColumn(walked.at(i - 1)).top(),
                     qPrintable(describe(walked.at(i)) + QStringLiteral(" after ") + describe(walked.at(i - 1))));

        QStringList emergency;
        struct FocusLog : QObject
        {
            QStringList &got;
            explicit FocusLog(QStringList &got) : got(got) {}
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::FocusIn && qobject_cast<EmergencyButton *>(o))
                    got << describe(static_cast<QWidget *>(o));
                return false;
            }
        } log(emergency);
        qApp->installEventFilter(&log);
        pressOn([&](QMainWindow *w) {
            return shown<QWidget>(w, [&](QWidget *b) { return b->accessibleName() == names.at(removed); });
        }, Qt::Key_Space)(*this, window.get());
        QTRY_COMPARE(m_model->money()->plan().entries.size(), lines - 1);
        QTest::qWait(50);
        qApp->removeEventFilter(&log);
        QCOMPARE(emergency, QStringList());
        QCOMPARE(focus()->accessibleName(), landsOn);
        QVERIFY(lines == 1 || named(window.get(), "expenseCard")->isAncestorOf(focus()));
        press(Qt::Key_Space);
        press(Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(m_model->money()->plan().entries.size(), lines - 1);
        // Tab from the line goes on to its Remove.
        if (lines > 1) {
            press(Qt::Key_Tab);
            QCOMPARE(focus()->accessibleName(), QStringLiteral("Remove ") + landsOn);
        }
        setPlan(0);
    }

    // Text typed and not stored outlives a zoom, text-size, theme or
    // high-contrast change: the text, the caret and the focus are still
    // there, also in a My List entry far down a long list.
    void typedTextOutlivesARebuild_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Step>("change");
        const Step zoomIn = [](WindowKeys &, QMainWindow *) { press(Qt::Key_Plus, Qt::ControlModifier); };
        const Step largest = [](WindowKeys &, QMainWindow *) {
            Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        };
        const Step theme = [](WindowKeys &, QMainWindow *) { MRBYThemes::setCurrentID(TLThemes::emberID); };
        const Step contrast = [](WindowKeys &, QMainWindow *) { TLThemes::setHighContrast(true); };
        const int list = int(Screen::myList);
        const int money = int(Screen::money);
        QTest::newRow("My List note, Ctrl++") << 1 << list << "" << "noteText" << zoomIn;
        QTest::newRow("the 30th of 30 notes, Extra large text") << 30 << list << "" << "noteText" << largest;
        QTest::newRow("Add form's amount, a theme") << 0 << money << "expenseForm" << "amountField" << theme;
        QTest::newRow("goal's name, high contrast") << 0 << money << "savingsCard" << "goalNameField" << contrast;
        QTest::newRow("money on hand, Ctrl++") << 0 << money << "cashEditor" << "cashField" << zoomIn;
        QTest::newRow("plan name, Extra large text") << 0 << money << "nameEditor" << "nameField" << largest;
    }

    void typedTextOutlivesARebuild()
    {
        QFETCH(int, entries);
        QFETCH(int, screen);
        QFETCH(QString, form);
        QFETCH(QString, field);
        QFETCH(Step, change);
        FavoritesStore *store = m_model->favorites();
        const QList<Listing> &food = m_model->data()->listings();
        QVERIFY(food.size() >= entries);
        for (int i = 0; i < entries; ++i)
            store->add(food.at(i).uid, food.at(i).name);
        const QString uid = entries ? food.at(entries - 1).uid : QString();
        if (entries)
            store->setNote(uid, QStringLiteral("Bus pass"));
        setPlan(1);
        m_model->money()->setName(QStringLiteral("Sam"));
        m_model->setScreen(Screen(Screen::Case(screen)));
        const auto window = start(QSize(1060, 700));
        QVERIFY(window);
        // The field as a person reaches it: in its card or form, shown.
        const auto find = [&]() -> QWidget * {
            if (entries) {
                auto *rows = shown<RowColumn>(window.get(), [](RowColumn *) { return true; });
                QWidget *row = rows ? rows->makeThrough(uid) : nullptr;
                return row ? row->findChild<QTextEdit *>(field) : nullptr;
            }
            QWidget *around = named(window.get(), qPrintable(form));
            QWidget *box = around ? around->findChild<QWidget *>(field) : nullptr;
            return box ? box->findChild<QLineEdit *>() : nullptr;
        };
        QWidget *typedIn = find();
        QVERIFY(typedIn);
        typedIn->setFocus(Qt::TabFocusReason);
        press(Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(focus(), QStringLiteral(" - and the bus pass"));
        // The caret a little back from the end, with a word selected.
        press(Qt::Key_Left, Qt::ControlModifier);
        press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        const auto state = [](QWidget *w) {
            if (auto *edit = qobject_cast<QTextEdit *>(w))
                return QVariantList{edit->toPlainText(), edit->textCursor().anchor(), edit->textCursor().position()};
            auto *line = qobject_cast<QLineEdit *>(w);
            return QVariantList{line->text(), line->selectionStart(), line->cursorPosition()};
        };
        const QVariantList typed = state(typedIn);
        QVERIFY(typed.at(0).toString().endsWith(u" - and the bus pass"));
        QVERIFY(typed.at(1) != typed.at(2));

        const QPointer<QWidget> before = typedIn;
        change(*this, window.get());
        QTRY_VERIFY(!before);
        QVERIFY(testsupport::settle([&] {
            QWidget *w = find();
            return w ? QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size()) : QRect();
        }));
        const QPointer<QWidget> again = find();
        QVERIFY(again);
        QCOMPARE(state(again), typed);
        QCOMPARE(focus(), again);
        QVERIFY2(!partlyHidden(again), qPrintable(describe(again)));

        // Stored or left, nothing of it is carried any more.
        m_model->setScreen(Screen::home);
        QTRY_VERIFY(!again);
        m_model->setScreen(Screen(Screen::Case(screen)));
        QTRY_VERIFY(find());
        QVERIFY(!state(find()).at(0).toString().endsWith(u" - and the bus pass"));
        const QList<Favorite> saved = store->items();
        for (const Favorite &f : saved)
            store->remove(f.uid);
        setPlan(0);
        TLThemes::setHighContrast(false);
    }

    // Every Tab stop shows a ring when it has the focus, in a dark theme, in
    // high contrast and at 200 %, the emergency buttons among them.
    // Pictures of one focused control each, for a person to look at.
    void focusedControlsShowTheirRing_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<QString>("theme");
        QTest::addColumn<double>("zoom");
        const QString co = QStringLiteral("CO");
        QTest::newRow("focus-home") << go(Screen::home) << TLThemes::emberID << 1.0;
        QTest::newRow("focus-topic") << go(Screen::forCategory(AppCategory::food), {}, co) << TLThemes::highContrastID << 1.0;
        QTest::newRow("focus-search") << go(Screen::search, QStringLiteral("food"), co) << TLThemes::emberID << 2.0;
        QTest::newRow("focus-my-list") << Step([co](WindowKeys &t, QMainWindow *) {
            t.m_model->setStateCode(co);
            const Listing first = t.m_model->listings(UrgentNeed::food).first();
            t.m_model->favorites()->add(first.uid, first.name);
            t.m_model->setScreen(Screen::myList);
        }) << TLThemes::highContrastID << 1.0;
        QTest::newRow("focus-money") << go(Screen::money, {}, co) << TLThemes::warmID << 1.0;
        QTest::newRow("focus-guide") << go(Screen::guide) << TLThemes::warmID << 1.0;
        QTest::newRow("focus-sheet") << go(Screen::sheet, {}, co) << TLThemes::warmID << 1.0;
        QTest::newRow("focus-videos") << go(Screen::videos) << TLThemes::warmID << 1.0;
    }

    void focusedControlsShowTheirRing()
    {
        QFETCH(Step, prepare);
        QFETCH(QString, theme);
        QFETCH(double, zoom);
        shots::setLook(theme, 0, zoom);
        prepare(*this, nullptr);
        const auto window = start(QSize(1280, 800));
        QVERIFY(window);
        QVERIFY(testsupport::settle([&] {
            QList<QRect> places;
            for (QWidget *w : focussupport::tabStops(window.get()))
                places << QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size());
            return places;
        }));
        const QStringList unseen = focussupport::invisibleStops(window.get());
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen.join(u", ")));
        EmergencyButton *call988 = mainOf(window.get())->emergencyBar()->buttons().at(1);
        screenOf(window.get())->setFocus();
        const QImage before = call988->grab().toImage();
        call988->setFocus(Qt::TabFocusReason);
        QCOMPARE(focus(), call988);
        QVERIFY(call988->grab().toImage() != before);

        QList<QWidget *> onPage = focussupport::tabStops(window.get());
        onPage.removeIf([&](QWidget *s) { return !screenOf(window.get())->isAncestorOf(s); });
        QVERIFY(!onPage.isEmpty());
        onPage.at(std::min<qsizetype>(onPage.size() - 1, 2))->setFocus(Qt::TabFocusReason);
        QVERIFY(shots::save(window.get()));
    }
};

QTEST_MAIN(tst_KeyboardFocus)
#include "tst_KeyboardFocus.moc"
