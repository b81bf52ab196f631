#pragma once
// The application's window as a person uses it, for the keyboard and mouse
// tests: a window on a small data folder, keys on the focused widget, the
// links and calls it opened, and where things are.

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

class WindowKeys;
// What a person does in the window, and what shows that it worked.
using Step = std::function<void(WindowKeys &, QMainWindow *)>;
using Check = std::function<bool(WindowKeys &, QMainWindow *)>;
using Find = std::function<QWidget *(QMainWindow *)>;
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Check)

class WindowKeys : public QObject
{
public:
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
    static T *shown(QWidget *w, const std::function<bool(T *)> &which)
    {
        for (T *t : w->findChildren<T *>())
            if (t->isVisible() && which(t))
                return t;
        return nullptr;
    }
    static QWidget *named(QWidget *w, const char *name)
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
        return [=](WindowKeys &t, QMainWindow *) {
            t.m_model->setStateCode(state);
            t.m_model->setSearchText(search);
            t.m_model->setScreen(screen);
        };
    }
    // Gives the found control the focus as Tab would and presses `key` there.
    static Step pressOn(const Find &find, Qt::Key key)
    {
        return [=](WindowKeys &, QMainWindow *w) {
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
        return [=](WindowKeys &, QMainWindow *w) {
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

    // The model with its small data folder; every link and call is noted.
    void setUpModel()
    {
        m_model = appfixture::makeAppModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
        Opener::replace([this](const QString &url) { m_opened << url; });
        MBLinks::setOpener([this](const QString &url) { m_opened << url; });
    }

    // Each test starts from Home with no state and the settings cleared.
    void reset()
    {
        m_opened.clear();
        Prefs::shared().clear();
        MBZoom::setValue(1.0);
        go(Screen::home)(*this, nullptr);
        m_model->setGuideChapter(1);
        m_model->setSearchAllStates(false);
    }
};
