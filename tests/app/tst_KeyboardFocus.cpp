// The keyboard as a person uses it in the application's window: keys go to
// the focused widget, and after each step the test reads where the focus is,
// what was opened and what is painted.

#include "AppSetupFixture.h"
#include "FocusSupport.h"
#include "PdfText.h"
#include "Shots.h"
#include "WindowTour.h"

#include "app/EmergencyBar.h"
#include "app/EmergencyButton.h"
#include "app/MainWindow.h"
#include "app/ScreenHost.h"
#include "app/Sidebar.h"
#include "app/TLHelpWindow.h"
#include "data/FavoritesStore.h"
#include "data/Listing.h"
#include "money/MoneyStore.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/MBZoomHost.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYHelpViewer.h"
#include "money/MoneyStore.h"
#include "screens/GuideView.h"
#include "screens/Page.h"
#include "screens/RowColumn.h"
#include "screens/Tile.h"
#include "screens/ToggleBox.h"
#include "services/Opener.h"
#include "widgets/StatePicker.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <span>

using focussupport::describe;

class tst_KeyboardFocus;
// What a person does in the window, and what shows that it worked.
using Step = std::function<void(tst_KeyboardFocus &, QMainWindow *)>;
using Check = std::function<bool(tst_KeyboardFocus &, QMainWindow *)>;
using Find = std::function<QWidget *(QMainWindow *)>;
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Check)

class tst_KeyboardFocus : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    QStringList m_opened;

    static QWidget *focus() { return QApplication::focusWidget(); }

    // A key on the focused widget, as the keyboard sends it.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY2(focus(), "nothing has the keyboard focus");
        QTest::keyClick(focus(), key, modifiers);
    }

    // The application's window as it starts, shown and active.
    std::unique_ptr<QMainWindow> start(QSize size = QSize(1280, 880))
    {
        std::unique_ptr<QMainWindow> window(TLSetup::makeMainWindow(*m_model));
        window->resize(size);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        QTest::qWait(30);
        return window;
    }

    static MainWindow *mainOf(QMainWindow *w) { return w->findChild<MainWindow *>(); }
    static QWidget *screenOf(QMainWindow *w) { return mainOf(w)->screenHost()->current(); }

    template<typename T = QWidget>
    static T *shown(QMainWindow *w, const std::function<bool(T *)> &which)
    {
        for (T *t : w->findChildren<T *>())
            if (t->isVisible() && which(t))
                return t;
        return nullptr;
    }
    static QWidget *named(QMainWindow *w, const char *name)
    {
        return shown<QWidget>(w, [name](QWidget *t) { return t->objectName() == QLatin1String(name); });
    }
    static QWidget *tile(QMainWindow *w, bool urgent)
    {
        return shown<Tile>(w, [urgent](Tile *t) { return t->prominent() == urgent; });
    }
    static QWidget *chapterTile(QMainWindow *w)
    {
        return shown<Tile>(w, [](Tile *t) { return t->title().startsWith(u"Survival Guide"); });
    }

    static Step go(Screen screen, const QString &search = {}, const QString &state = {})
    {
        return [=](tst_KeyboardFocus &t, QMainWindow *) {
            t.m_model->setStateCode(state);
            t.m_model->setSearchText(search);
            t.m_model->setScreen(screen);
        };
    }
    // Gives the found control the focus as Tab would and presses `key` there.
    static Step pressOn(const Find &find, Qt::Key key)
    {
        return [=](tst_KeyboardFocus &, QMainWindow *w) {
            QWidget *control = find(w);
            QVERIFY(control);
            if (control != focus())
                control->setFocus(Qt::TabFocusReason);
            QTRY_COMPARE(focus(), control);
            press(key);
        };
    }

    // A mouse click on the named button, and `key` on the dialog it opens
    // (Esc cancels; Return saves or prints to the file it proposes).
    static Step clickAnswering(const char *button, Qt::Key key)
    {
        return [=](tst_KeyboardFocus &, QMainWindow *w) {
            QWidget *clicked = named(w, button);
            QVERIFY(clicked);
            bool answered = false;
            QTimer person;
            connect(&person, &QTimer::timeout, &person, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                if (!modal || !modal->isAncestorOf(focus()))
                    return;
                person.stop();
                answered = true;
                QWidget *at = focus();
                QTimer::singleShot(0, at, [at, key] { QTest::keyClick(at, key); });
            });
            person.start(50);
            QTest::mouseClick(clicked, Qt::LeftButton);
            QVERIFY(answered);
        };
    }

    // The focus is on the shown screen, and Return then Space there open
    // nothing: no call, no text, no link.
    void checkSafeFocus(QMainWindow *w)
    {
        QTRY_VERIFY2(focus() && (focus() == screenOf(w) || screenOf(w)->isAncestorOf(focus())),
                     qPrintable(describe(focus())));
        press(Qt::Key_Return);
        press(Qt::Key_Space);
        QTest::qWait(20);
        QCOMPARE(m_opened, QStringList());
        QVERIFY2(!qobject_cast<EmergencyButton *>(focus()), qPrintable(describe(focus())));
    }

    static bool partlyHidden(QWidget *w) { return w->visibleRegion() != QRegion(w->rect()); }

    // The emergency buttons that took the focus while `act` ran.
    static QStringList emergencyFocusDuring(const std::function<void()> &act)
    {
        struct FocusLog : QObject
        {
            QStringList got;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::FocusIn && qobject_cast<EmergencyButton *>(o))
                    got << describe(static_cast<QWidget *>(o));
                return false;
            }
        } log;
        qApp->installEventFilter(&log);
        act();
        QTest::qWait(50);
        qApp->removeEventFilter(&log);
        return log.got;
    }

    // The focused page scrolls with Page Down, Space, Down, End and Home.
    static void readsByKeyboard(QAbstractScrollArea *page)
    {
        QScrollBar *bar = page->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        int before = 0;
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Space}) {
            press(key);
            QVERIFY2(bar->value() > before, qPrintable(QTest::toString(key)));
            before = bar->value();
        }
        press(Qt::Key_End);
        QCOMPARE(bar->value(), bar->maximum());
        press(Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(focus(), page);
    }

    // A Money Plan of the first `count` of three spending lines, nothing else.
    void setPlan(int count)
    {
        MoneyStore *store = m_model->money();
        const QList<MoneyEntry> before = store->plan().entries;
        for (const MoneyEntry &e : before)
            store->remove(e.id);
        const std::tuple<const char *, qint64, MoneyFrequency> lines[] = {
            {"Groceries", 6000, MoneyFrequency::week}, {"Gas", 3500, MoneyFrequency::week},
            {"Phone", 3000, MoneyFrequency::month}};
        for (const auto &[label, cents, often] : std::span(lines).first(count))
            store->add(MoneyKind::expense, QStringLiteral("food"), QString::fromLatin1(label), cents, often);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_model = appfixture::makeAppModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
        Opener::replace([this](const QString &url) { m_opened << url; });
        MBLinks::setOpener([this](const QString &url) { m_opened << url; });
    }

    void init()
    {
        m_opened.clear();
        Prefs::shared().clear();
        MBZoom::setValue(1.0);
        go(Screen::home)(*this, nullptr);
        m_model->setGuideChapter(1);
        m_model->setSearchAllStates(false);
    }

    // At start the page has the focus: Return and Space do nothing there,
    // the first Tab reaches "Call 911", and Return there calls, once while
    // held. The help window opens the same way.
    void startLeavesTheFocusOnThePage()
    {
        const auto window = start(QSize(1060, 700));
        QVERIFY(window);
        checkSafeFocus(window.get());
        // Space scrolled the page; End takes it to its end.
        auto *page = qobject_cast<QAbstractScrollArea *>(focus());
        QVERIFY2(page, qPrintable(describe(focus())));
        QVERIFY(page->verticalScrollBar()->value() > 0);
        press(Qt::Key_End);
        QCOMPARE(page->verticalScrollBar()->value(), page->verticalScrollBar()->maximum());
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
        const Step none = [](tst_KeyboardFocus &, QMainWindow *) {};
        const QList<int> returnSpaceEsc{Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape};
        QTest::newRow("click Call 911, Return, Space, Esc") << 0 << "click" << none << returnSpaceEsc;
        QTest::newRow("Return on Text 988, Space, Return") << 2 << "return" << none
                                                           << QList<int>{Qt::Key_Space, Qt::Key_Return};
        QTest::newRow("Space on Call 211, Esc, Return, Space") << 3 << "space" << none
                                                              << QList<int>{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space};
        QTest::newRow("click Text 988, click OK, Space") << 2 << "click" << Step([](tst_KeyboardFocus &, QMainWindow *w) {
            QTest::mouseClick(mainOf(w)->emergencyBar()->okButton(), Qt::LeftButton);
        }) << QList<int>{Qt::Key_Space, Qt::Key_Return};
        QTest::newRow("click Call 988, theme, text size and zoom change, Return")
            << 1 << "click" << Step([](tst_KeyboardFocus &, QMainWindow *w) {
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
            << Step([](tst_KeyboardFocus &, QMainWindow *) { press(Qt::Key_P, Qt::ControlModifier); })
            << QStringLiteral("MRBY Tenterly - My Resources \u2014 Colorado.pdf")
            << QStringLiteral("My Resources \u2014 Colorado");
        QTest::newRow("Money Plan's Print, a name with / and markup")
            << Step([](tst_KeyboardFocus &t, QMainWindow *) {
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
        const Step none = [](tst_KeyboardFocus &, QMainWindow *) {};
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
        QTest::newRow("menu shortcut") << none << Step([](tst_KeyboardFocus &, QMainWindow *) {
            press(Qt::Key_2, Qt::ControlModifier);
        }) << int(Screen::myList);
        QTest::newRow("zoom shortcut") << none << Step([](tst_KeyboardFocus &, QMainWindow *w) {
            press(Qt::Key_Equal, Qt::ControlModifier);
            QTRY_COMPARE(w->findChild<MBZoomHost *>()->zoom(), 1.15);
        }) << int(Screen::home);
        QTest::newRow("theme, a tile focused") << none << Step([](tst_KeyboardFocus &, QMainWindow *w) {
            tile(w, false)->setFocus(Qt::TabFocusReason);
            MRBYThemes::setCurrentID(TLThemes::emberID);
        }) << int(Screen::home);
        QTest::newRow("text size") << go(Screen::search) << Step([](tst_KeyboardFocus &, QMainWindow *) {
            Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        }) << int(Screen::search);
        QTest::newRow("focused card goes")
            << go(Screen::search, QStringLiteral("food bank"), QStringLiteral("CO"))
            << Step([](tst_KeyboardFocus &t, QMainWindow *w) {
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
        QTest::newRow("a menu") << Step([](tst_KeyboardFocus &, QMainWindow *w) {
            QMenuBar *bar = w->menuBar();
            QAction *file = bar->actions().at(1);
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
            QTRY_VERIFY(file->menu()->isVisible());
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
            QTRY_VERIFY(!file->menu()->isVisible());
        }) << QString();
        QTest::newRow("another window") << Step([](tst_KeyboardFocus &, QMainWindow *w) {
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

    // Every control that Space presses, Return and Enter press too.
    void returnAndEnterPressLikeSpace_data()
    {
        QTest::addColumn<Step>("prepare");
        QTest::addColumn<Step>("act");
        QTest::addColumn<Check>("done");
        const Step none = [](tst_KeyboardFocus &, QMainWindow *) {};
        const auto screenIs = [](Screen s) { return Check([s](tst_KeyboardFocus &t, QMainWindow *) { return t.m_model->screen() == s; }); };
        const auto chapterIs = [](int n) { return Check([n](tst_KeyboardFocus &t, QMainWindow *) { return t.m_model->guideChapter() == n; }); };
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
             Check([](tst_KeyboardFocus &t, QMainWindow *) { return t.m_opened.size() == 1; })},
            {"check box", go(Screen::search, QStringLiteral("food"), QStringLiteral("CO")),
             [](QMainWindow *w) { return shown<ToggleBox>(w, [](ToggleBox *) { return true; }); },
             Check([](tst_KeyboardFocus &t, QMainWindow *) { return t.m_model->searchAllStates(); })},
            {"plain button", go(Screen::search, QStringLiteral("food")), [](QMainWindow *w) { return named(w, "clearSearch"); },
             Check([](tst_KeyboardFocus &t, QMainWindow *) { return t.m_model->searchText().isEmpty(); })},
            {"pop-up", none, picker,
             Check([](tst_KeyboardFocus &, QMainWindow *w) { return mainOf(w)->sidebar()->statePicker()->comboBox()->view()->isVisible(); })},
            {"pop-up's item", none,
             [picker](QMainWindow *w) {
                 static_cast<QComboBox *>(picker(w))->showPopup();
                 QTest::qWait(50);
                 QTest::keyClick(focus(), Qt::Key_Down);
                 return focus();
             },
             Check([](tst_KeyboardFocus &t, QMainWindow *) { return !t.m_model->stateCode().isEmpty(); })},
            {"emergency button", none, [](QMainWindow *w) { return mainOf(w)->emergencyBar()->buttons().at(3); },
             Check([](tst_KeyboardFocus &t, QMainWindow *) { return t.m_opened == QStringList{"tel:211"}; })},
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
        press(Qt::Key_Return);
        QTRY_VERIFY(top() != before);
        QTest::qWait(100);
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
        QTest::qWait(100);
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
        QTest::qWait(50);
        const auto onColumn = [column](QWidget *w) { return QRect(w->mapTo(column, QPoint(0, 0)), w->size()); };
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

    // A double-click on the first entry's removing button removes that entry
    // only: the one that moves up under the pointer stays, with its note. A
    // click after the double-click interval removes again.
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
        const Step zoomIn = [](tst_KeyboardFocus &, QMainWindow *) { press(Qt::Key_Plus, Qt::ControlModifier); };
        const Step largest = [](tst_KeyboardFocus &, QMainWindow *) {
            Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        };
        const Step theme = [](tst_KeyboardFocus &, QMainWindow *) { MRBYThemes::setCurrentID(TLThemes::emberID); };
        const Step contrast = [](tst_KeyboardFocus &, QMainWindow *) { TLThemes::setHighContrast(true); };
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
        QTest::qWait(50);
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
        QTest::newRow("focus-my-list") << Step([co](tst_KeyboardFocus &t, QMainWindow *) {
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
        QTest::qWait(100);
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
