// Renders the main window in a few looks to <build>/shots/ for a person to
// look at: the default theme, high contrast at the largest text size, and
// 150 % zoom, each with a state chosen and the note of "Call 988" shown; and
// the window as it first opens, zoomed and scrolled to its far corner, at
// its smallest with the largest text, the help window at its minimum, and
// high contrast with a menu open. Run under xvfb-run (QT_QPA_PLATFORM=xcb)
// for pictures of the whole screen.

#include "Shots.h"

#include "app/EmergencyBar.h"
#include "app/MainWindow.h"
#include "app/TLHelpWindow.h"
#include "app/TLSetup.h"
#include "data/ReferenceData.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/KitMenus.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "services/AppModel.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

class tst_WindowShots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLSetup::configure();
    }

    void shots_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QSize>("size");
        const QSize normal(1280, 880);
        QTest::newRow("main-default") << TLThemes::warmID << 0 << 1.0 << int(Screen::home) << normal;
        QTest::newRow("main-contrast-xl") << TLThemes::highContrastID << 2 << 1.0 << int(Screen::home) << normal;
        QTest::newRow("main-zoom150") << TLThemes::warmID << 0 << 1.5 << int(Screen::home) << normal;
        QTest::newRow("main-zoom200") << TLThemes::warmID << 0 << 2.0 << int(Screen::display) << normal;
        QTest::newRow("main-smallest") << TLThemes::warmID << 0 << 1.0 << int(Screen::display) << QSize(820, 560);
        QTest::newRow("display-default") << TLThemes::warmID << 0 << 1.0 << int(Screen::display) << normal;
        QTest::newRow("display-contrast-xl") << TLThemes::highContrastID << 2 << 1.0 << int(Screen::display) << normal;
        QTest::newRow("display-xl-zoom200") << TLThemes::warmID << 2 << 2.0 << int(Screen::display) << normal;
        QTest::newRow("display-ember") << TLThemes::emberID << 1 << 1.0 << int(Screen::display) << normal;
    }

    void shots()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(double, zoom);
        QFETCH(int, screen);
        QFETCH(QSize, size);

        shots::setLook(theme, textSize, zoom);
        AppModel &model = AppModel::shared();
        if (model.data() && !model.data()->states().isEmpty())
            model.setStateCode(QStringLiteral("CO"));
        model.setScreen(Screen::Case(screen));

        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, size));
        QTest::qWait(50);
        auto *bar = window->findChild<EmergencyBar *>();
        QVERIFY(bar);
        bar->setNote(EmergencyAction::call988);
        QTest::qWait(250);

        QVERIFY(shots::save(window));
        delete window;
    }

    void helpWindow()
    {
        Prefs::shared().setString(MRBYThemes::key, TLThemes::warmID);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 0);
        TLHelpWindow::show(QStringLiteral("emergency"));
        QWidget *window = TLHelpWindow::window();
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->findChild<EmergencyBar *>()->setNote(EmergencyAction::text988);
        QTest::qWait(250);
        QVERIFY(shots::save(window, QStringLiteral("help-window")));
    }

    // The whole screen: every window and pop-up as drawn.
    static bool saveScreen(const QString &name)
    {
        QCoreApplication::processEvents();
        QTest::qWait(300);
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        return !shot.isNull() && shot.save(shots::dir() + name);
    }

    void firstStart()
    {
        Prefs::shared().clear();
        AppModel &model = AppModel::shared();
        model.setScreen(Screen::home);
        model.setStateCode(QString());
        QMainWindow *window = TLSetup::makeMainWindow(model);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Whole on the screen it opened on (unless that is below the minimum).
        const QSize free = window->screen()->availableGeometry().size().expandedTo(window->minimumSize());
        QVERIFY(window->width() <= free.width() && window->height() <= free.height());
        QVERIFY(saveScreen(QStringLiteral("first-start.png")));
        delete window;
    }

    void zoomedToTheFarCorner()
    {
        Prefs::shared().clear();
        MBZoom::setValue(2.0);
        AppModel &model = AppModel::shared();
        model.setScreen(Screen::display);
        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, QSize(1280, 800)));
        QTest::qWait(1700); // past the zoom host's last return home
        // The page scrolls by itself, sideways too where it cannot wrap.
        const QList<Page *> pages = window->findChildren<Page *>();
        QVERIFY(!pages.isEmpty());
        QScrollArea *area = pages.last()->scroll()->scrollArea();
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QTest::qWait(100);
        QVERIFY(shots::save(window, QStringLiteral("zoom200-far-corner")));
        delete window;
        MBZoom::setValue(1.0);
    }

    void smallestWithLargestText()
    {
        Prefs::shared().clear();
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        AppModel &model = AppModel::shared();
        model.setScreen(Screen::home);
        QMainWindow *window = TLSetup::makeMainWindow(model);
        QVERIFY(shots::show(window, QSize(820, 560)));
        QTest::qWait(100);
        QVERIFY(shots::save(window, QStringLiteral("small-xl")));
        delete window;
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 0);
    }

    void helpWindowAtItsMinimum()
    {
        Prefs::shared().clear();
        TLHelpWindow::show(QStringLiteral("start"));
        QWidget *window = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(window->minimumSize());
        QTest::qWait(100);
        QVERIFY(shots::save(window, QStringLiteral("help-minimum")));
        window->close();
    }

    void highContrastMenuOpen()
    {
        Prefs::shared().clear();
        TLThemes::setHighContrast(true);
        AppModel &model = AppModel::shared();
        model.setScreen(Screen::display);
        QMainWindow *window = TLSetup::makeMainWindow(model);
        window->resize(1100, 700);
        window->move(0, 0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QMenu *view = KitMenus::findMenu(window->menuBar(), QStringLiteral("View"));
        QVERIFY(view);
        const QRect title = window->menuBar()->actionGeometry(view->menuAction());
        view->popup(window->menuBar()->mapToGlobal(title.bottomLeft()));
        QVERIFY(QTest::qWaitForWindowExposed(view));
        if (!saveScreen(QStringLiteral("contrast-menu.png"))) {
            // Without a screen to grab: the window with the menu drawn over it.
            QPixmap shot = window->grab();
            QPainter(&shot).drawPixmap(window->mapFromGlobal(view->pos()), view->grab());
            QVERIFY(shot.save(shots::dir() + QStringLiteral("contrast-menu.png")));
        }
        view->close();
        delete window;
        TLThemes::setHighContrast(false);
    }

    void errorCard()
    {
        QTemporaryDir dir;
        AppModel broken(dir.path() + QStringLiteral("/no-data"), dir.path() + QStringLiteral("/list.sqlite"));
        QVERIFY(!broken.data());
        QMainWindow *window = TLSetup::makeMainWindow(broken);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(250);
        QVERIFY(shots::save(window, QStringLiteral("error-card")));
        delete window;
    }
};

QTEST_MAIN(tst_WindowShots)
#include "tst_WindowShots.moc"
