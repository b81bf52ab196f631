// Where the keyboard focus goes when the window hands it on: at start,
// after a call, a screen change, a dialog, a menu or another window, a
// chapter or a help topic. Keys go to the focused widget, and after each
// step the test reads where the focus is and what was opened.

#include "WindowKeys.h"

class tst_FocusHandOver : public WindowKeys
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpModel(); }
    void init() { reset(); }

    // At start the page has the focus: Return and Space do nothing there,
    // the first Tab from its top reaches "Call 911", and Return there calls,
    // once while held. The help window opens the same way.
    void startLeavesTheFocusOnThePage()
    {
        const auto window = start(QSize(1060, 700));
        QVERIFY(window);
        checkSafeFocus(window.get());
        // Space scrolled the page; End takes it to its end and Home back to
        // its top, from where Tab goes to the window's first control.
        auto *page = qobject_cast<QAbstractScrollArea *>(focus());
        QVERIFY2(page, qPrintable(describe(focus())));
        QVERIFY(page->verticalScrollBar()->value() > 0);
        press(Qt::Key_End);
        QCOMPARE(page->verticalScrollBar()->value(), page->verticalScrollBar()->maximum());
        press(Qt::Key_Home);
        QCOMPARE(page->verticalScrollBar()->value(), 0);
        press(Qt::Key_Tab);
        QCOMPARE(focus(), mainOf(window.get())->emergencyBar()->buttons().first());
        QTest::keyPress(focus(), Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focus(), &repeat);
        QCOMPARE(m_opened, QStringList{"tel:911"});

        m_opened.clear();
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTRY_VERIFY(help->findChild<MRBYHelpViewer *>()->isAncestorOf(focus()));
        press(Qt::Key_Return);
        press(Qt::Key_Space);
        press(Qt::Key_Home);
        press(Qt::Key_Tab);
        QCOMPARE(m_opened, QStringList());
        QCOMPARE(focus(), help->findChild<EmergencyBar *>()->buttons().first());
        help->close();
    }

    // A press of an emergency button, by click, Return or Space, calls once:
    // the focus goes to the note's OK, which says the note's sentence; Return,
    // Space or Esc there dismiss the note, the focus goes to the page, and
    // no later key calls again. The note stays through a rebuild until OK.
    void aPressCallsOnce_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Step>("between");
        QTest::addColumn<QList<int>>("keys");
        const Step none = [](WindowKeys &, QMainWindow *) {};
        const QList<int> returnSpaceEsc{Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
        QTest::newRow("click Call 911, Return, Space, Esc") << 0 << "click" << none << returnSpaceEsc;
        QTest::newRow("Return on Text 988, Space, Return") << 2 << "return" << none
                                                           << QList<int>{Qt::Key_Space, Qt::Key_Return};
        QTest::newRow("Space on Call 211, Esc, Return, Space") << 3 << "space" << none
                                                              << QList<int>{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space};
        QTest::newRow("click Text 988, click OK, Space") << 2 << "click" << Step([](WindowKeys &, QMainWindow *w) {
            QTest::mouseClick(mainOf(w)->emergencyBar()->okButton(), Qt::LeftButton);
        }) << QList<int>{Qt::Key_Space, Qt::Key_Return};
        QTest::newRow("click Call 988, theme, text size and zoom change, Return")
            << 1 << "click" << Step([](WindowKeys &, QMainWindow *w) {
                   MRBYThemes::setCurrentID(TLThemes::emberID);
                   QTest::qWait(50);
                   Prefs::shared().setInteger(TLPrefs::textSizeKey, 1);
                   QTest::qWait(50);
                   MBZoom::setValue(1.3);
                   QTest::qWait(50);
                   EmergencyBar *bar = mainOf(w)->emergencyBar();
                   QVERIFY(bar->note() && bar->noteRow()->isVisible());
                   QCOMPARE(focus(), bar->okButton());
               }) << QList<int>{Qt::Key_Return, Qt::Key_Space};
    }

    void aPressCallsOnce()
    {
        QFETCH(int, button);
        QFETCH(QString, how);
        QFETCH(Step, between);
        QFETCH(QList<int>, keys);
        const auto window = start();
        QVERIFY(window);
        EmergencyButton *pressed = mainOf(window.get())->emergencyBar()->buttons().at(button);
        const EmergencyAction action = pressed->action();
        if (how == u"click") {
            QTest::mouseClick(pressed, Qt::LeftButton, {}, pressed->rect().center());
        } else {
            pressed->setFocus(Qt::TabFocusReason);
            press(how == u"return" ? Qt::Key_Return : Qt::Key_Space);
        }
        EmergencyBar *bar = mainOf(window.get())->emergencyBar();
        QCOMPARE(focus(), bar->okButton());
        QCOMPARE(bar->okButton()->accessibleDescription(), action.followUp());
        between(*this, window.get());
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(shots::save(window.get(), QStringLiteral("note-%1-").arg(how) + action.id()));
        for (int key : keys)
            press(Qt::Key(key));
        QTest::qWait(20);
        QCOMPARE(m_opened, QStringList{action.url()});
        QVERIFY(!mainOf(window.get())->emergencyBar()->noteRow()->isVisible());
        m_opened.clear();
        checkSafeFocus(window.get());
    }

    // Qt's print dialog keeps its own keys: Return there prints, here to the
    // file it proposes (no printer exists), named safely after what is printed.
    void returnPrintsThroughTheRealDialog_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("print");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("Ctrl+P, the sheet")
            << go(Screen::home, {}, QStringLiteral("CO"))
            << Step([](WindowKeys &, QMainWindow *) { press(Qt::Key_P, Qt::ControlModifier); })
            << QStringLiteral("MRBY Tenterly - My Resources \u2014 Colorado.pdf")
            << QStringLiteral("My Resources \u2014 Colorado");
        QTest::newRow("Money Plan's Print, a name with / and markup")
            << Step([](WindowKeys &t, QMainWindow *) {
                   t.m_model->money()->setName(QStringLiteral("Kim/<b>T</b>"));
                   t.m_model->setScreen(Screen::money);
               })
            << pressOn([](QMainWindow *w) { return named(w, "moneyPrint"); }, Qt::Key_Return)
            << QStringLiteral("MRBY Tenterly - Money Plan \u2014 Kim-<b>T<-b>.pdf")
            << QStringLiteral("Money Plan \u2014 Kim/<b>T</b>");
    }

    void returnPrintsThroughTheRealDialog()
    {
        QFETCH(Step, prepare);
        QFETCH(Step, print);
        QFETCH(QString, file);
        QFETCH(QString, firstLine);
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer exists here, and Return would print on it");
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        prepare(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QString dialogFocus;
        QTimer answer;
        answer.setInterval(50);
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog || !focus() || !dialog->isAncestorOf(focus()))
                return;
            answer.stop();
            dialogFocus = QString::fromLatin1(focus()->metaObject()->className());
            QTest::keyClick(focus(), Qt::Key_Return);
            // Had Return not printed, the dialog would still be open.
            QTimer::singleShot(2000, dialog, &QDialog::reject);
        });
        answer.start();
        print(*this, window.get());
        qputenv("HOME", oldHome);
        QCOMPARE(dialogFocus, QStringLiteral("QComboBox"));
        const QString written = QDir(home.path()).filePath(file);
        QVERIFY2(QFileInfo::exists(written), qPrintable(QDir(home.path()).entryList().join(u", ")));
        QCOMPARE(pdftext::lines(pdftext::read(written)).first(), firstLine);
    }

    // After each way of moving to another screen, or of rebuilding it, the
    // focus is on the new page; Return then Space there open nothing, and
    // Tab goes on into the page when it has a control.
    void navigationLeavesTheFocusOnThePage_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("screen");
        const Step none = [](WindowKeys &, QMainWindow *) {};
        const auto row = [](QMainWindow *w) { return mainOf(w)->sidebar()->rows().at(2 + 12); };
        QTest::newRow("urgent tile") << none << pressOn([](QMainWindow *w) { return tile(w, true); }, Qt::Key_Return)
                                     << int(Screen::urgent);
        QTest::newRow("topic tile") << none << pressOn([](QMainWindow *w) { return tile(w, false); }, Qt::Key_Enter)
                                    << int(Screen::category);
        QTest::newRow("sidebar row") << none << pressOn(row, Qt::Key_Return) << int(Screen::myList);
        QTest::newRow("topic to topic")
            << go(Screen::forCategory(AppCategory::food), {}, QStringLiteral("CO"))
            << pressOn([](QMainWindow *w) { return mainOf(w)->sidebar()->rows().at(3); }, Qt::Key_Return)
            << int(Screen::category);
        QTest::newRow("tip's Open") << go(Screen::money, {}, QStringLiteral("CO"))
                                    << pressOn([](QMainWindow *w) { return named(w, "openTopic"); }, Qt::Key_Return)
                                    << int(Screen::category);
        QTest::newRow("chapter tile") << go(Screen::search, QStringLiteral("water"))
                                      << pressOn(chapterTile, Qt::Key_Return) << int(Screen::guide);
        QTest::newRow("menu shortcut") << none << Step([](WindowKeys &, QMainWindow *) {
            press(Qt::Key_2, Qt::ControlModifier);
        }) << int(Screen::myList);
        QTest::newRow("zoom shortcut") << none << Step([](WindowKeys &, QMainWindow *w) {
            press(Qt::Key_Equal, Qt::ControlModifier);
            QTRY_COMPARE(w->findChild<MBZoomHost *>()->zoom(), 1.15);
        }) << int(Screen::home);
        QTest::newRow("theme, a tile focused") << none << Step([](WindowKeys &, QMainWindow *w) {
            tile(w, false)->setFocus(Qt::TabFocusReason);
            MRBYThemes::setCurrentID(TLThemes::emberID);
        }) << int(Screen::home);
        QTest::newRow("text size") << go(Screen::search) << Step([](WindowKeys &, QMainWindow *) {
            Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        }) << int(Screen::search);
        QTest::newRow("focused card goes")
            << go(Screen::search, QStringLiteral("food bank"), QStringLiteral("CO"))
            << Step([](WindowKeys &t, QMainWindow *w) {
                   named(w, "reportProblem")->setFocus(Qt::TabFocusReason);
                   t.m_model->setSearchText(QStringLiteral("zzzz"));
               })
            << int(Screen::search);
    }

    void navigationLeavesTheFocusOnThePage()
    {
        QFETCH(Step, prepare);
        QFETCH(Step, step);
        QFETCH(int, screen);
        prepare(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        step(*this, window.get());
        QTRY_COMPARE(int(m_model->screen().value()), screen);
        QTest::qWait(50);
        checkSafeFocus(window.get());
        ScreenHost *host = mainOf(window.get())->screenHost();
        const QList<QWidget *> stops = focussupport::tabStops(window.get());
        const bool pageHasStops =
            std::any_of(stops.begin(), stops.end(), [host](QWidget *s) { return host->isAncestorOf(s); });
        press(Qt::Key_Tab);
        QVERIFY2(host->isAncestorOf(focus()) || !pageHasStops, qPrintable(describe(focus())));
    }

    // Back from another window the focus is where it was, on an emergency
    // button only when the person had put it there.
    void windowSwitchKeepsThePersonsChoice()
    {
        const auto window = start();
        QVERIFY(window);
        QWidget other;
        const auto awayAndBack = [&](const std::function<void()> &meanwhile) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            meanwhile();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        };
        awayAndBack([this] { m_model->setScreen(Screen::myList); });
        checkSafeFocus(window.get());
        for (int i = 0; i < 2; ++i)
            press(Qt::Key_Tab);
        QWidget *call988 = mainOf(window.get())->emergencyBar()->buttons().at(1);
        QCOMPARE(focus(), call988);
        awayAndBack([] {});
        QCOMPARE(focus(), call988);
    }

    // Back from a dialog, a menu or another window, the page is where the
    // person left it: scrolled to the foot of the Money Plan by its scroll
    // bar, the focus still far above on the period picker, a click on a
    // button that takes no focus from the mouse. What the dialog left
    // beside the buttons shows.
    void comingBackLeavesTheView_data()
    {
        QTest::addColumn<Step>("away");
        QTest::addColumn<QString>("message");
        QTest::newRow("Save as CSV\u2026, cancelled")
            << clickAnswering("moneySaveCSV", Qt::Key_Escape) << QString();
        QTest::newRow("Save as CSV\u2026, saved")
            << clickAnswering("moneySaveCSV", Qt::Key_Return) << QStringLiteral("Saved: Money Plan.csv");
        QTest::newRow("Print\u2026, cancelled") << clickAnswering("moneyPrint", Qt::Key_Escape) << QString();
        QTest::newRow("a menu") << Step([](WindowKeys &, QMainWindow *w) {
            QMenuBar *bar = w->menuBar();
            QAction *file = bar->actions().at(1);
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
            QTRY_VERIFY(file->menu()->isVisible());
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
            QTRY_VERIFY(!file->menu()->isVisible());
        }) << QString();
        QTest::newRow("another window") << Step([](WindowKeys &, QMainWindow *w) {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
        }) << QString();
    }

    void comingBackLeavesTheView()
    {
        QFETCH(Step, away);
        QFETCH(QString, message);
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
        setPlan(3);
        m_model->money()->setName(QString());
        go(Screen::money)(*this, nullptr);
        const auto window = start();
        QVERIFY(window);
        QTRY_VERIFY(named(window.get(), "moneySaveCSV"));
        QWidget *picker = named(window.get(), "periodPicker");
        picker->setFocus(Qt::TabFocusReason);
        QTest::qWait(50);
        QScrollBar *bar = tour::page(window.get())->scroll()->scrollArea()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 1000);
        bar->setValue(bar->maximum());
        QTest::qWait(50);
        const int foot = bar->value();
        QVERIFY(partlyHidden(picker));

        away(*this, window.get());
        // The window manager gives the window back its activation (the
        // offscreen platform leaves that to the caller).
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::qWait(100);
        QCOMPARE(bar->value(), foot);
        QCOMPARE(focus(), picker);
        auto *said = qobject_cast<QLabel *>(named(window.get(), "moneyMessage"));
        QCOMPARE(said ? said->text() : QString(), message);
        if (said)
            QVERIFY(!partlyHidden(said));
        setPlan(0);
    }

    // Any chapter change, by a chapter's own buttons or the list, by key or
    // click, gives the focus to the new chapter's page, named for its
    // chapter, and never to an emergency button on the way; the page then
    // reads by keyboard: Page Down, Space, the arrows, End and Home scroll it.
    void chapterChangeFocusesItsPage_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<Find>("control");
        QTest::addColumn<bool>("click");
        QTest::addColumn<int>("to");
        const auto button = [](const char *name) { return Find([name](QMainWindow *w) { return named(w, name); }); };
        const Find seventh = [](QMainWindow *w) { return w->findChild<GuideView *>()->chapterButtons().at(6); };
        QTest::newRow("Return on Chapter 2") << 1 << button("guideNext") << false << 2;
        QTest::newRow("Return on Chapter 7, from 8") << 8 << button("guidePrevious") << false << 7;
        QTest::newRow("click chapter 7 in the list") << 1 << seventh << true << 7;
        QTest::newRow("Return on chapter 7 in the list") << 1 << seventh << false << 7;
    }

    void chapterChangeFocusesItsPage()
    {
        QFETCH(int, from);
        QFETCH(Find, control);
        QFETCH(bool, click);
        QFETCH(int, to);
        m_model->setGuideChapter(from);
        go(Screen::guide)(*this, nullptr);
        const auto window = start(QSize(1060, 640));
        QVERIFY(window);
        QWidget *pressed = control(window.get());
        QVERIFY(pressed);
        if (!click) {
            // Tab there, as a person would.
            for (int i = 0; i < 100 && focus() != pressed; ++i)
                press(Qt::Key_Tab);
            QCOMPARE(focus(), pressed);
        }
        const QStringList emergency = emergencyFocusDuring([&] {
            if (click)
                QTest::mouseClick(pressed, Qt::LeftButton);
            else
                press(Qt::Key_Return);
        });
        QTRY_COMPARE(m_model->guideChapter(), to);
        QCOMPARE(emergency, QStringList());
        auto *page = qobject_cast<QAbstractScrollArea *>(focus());
        QVERIFY2(page, qPrintable(describe(focus())));
        QCOMPARE(page->accessibleName(), GuideView::pageName(GuideView::chapterFor(to)));
        readsByKeyboard(page);
    }

    // The help window's topics do the same as the guide's chapters.
    void helpTopicFocusesItsPage()
    {
        const auto window = start();
        QVERIFY(window);
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowActive(help));
        help->resize(820, 400);
        auto *viewer = help->findChild<MRBYHelpViewer *>();
        // The longest topic, which scrolls.
        MRBYHelpTopic longest;
        for (const MRBYHelpTopic &t : MRBYHelp::search(QString()))
            if (t.body.size() > longest.body.size())
                longest = t;
        QAbstractButton *row = nullptr;
        for (QAbstractButton *r : viewer->topicRows())
            if (r->accessibleName() == longest.title)
                row = r;
        QVERIFY(row && viewer->shownID() != longest.id);
        const QStringList emergency = emergencyFocusDuring([&] {
            row->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Return);
        });
        QTest::qWait(20);
        QCOMPARE(emergency, QStringList());
        auto *page = qobject_cast<QAbstractScrollArea *>(focus());
        QVERIFY2(page, qPrintable(describe(focus())));
        QCOMPARE(page->accessibleName(), row->accessibleName());
        readsByKeyboard(page);
        help->close();
    }
};

QTEST_MAIN(tst_FocusHandOver)
#include "tst_FocusHandOver.moc"
