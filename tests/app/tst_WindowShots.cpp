// Renders the main window in a few looks to <build>/shots/ for a person to
// look at: the default theme, high contrast at the largest text size, and
// 150 % zoom, each with a state chosen and the note of "Call 988" shown.

#include "app/AppModel.h"
#include "app/EmergencyBar.h"
#include "app/MainWindow.h"
#include "app/TLHelpWindow.h"
#include "app/TLSetup.h"
#include "data/ReferenceData.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QDir>
#include <QMainWindow>
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
        QVERIFY(QDir().mkpath(QStringLiteral(TL_BUILD_DIR "/shots")));
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

        Prefs::shared().setString(MRBYThemes::key, theme);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        MBZoom::setValue(zoom);
        AppModel &model = AppModel::shared();
        if (model.data() && !model.data()->states().isEmpty())
            model.setStateCode(QStringLiteral("CO"));
        model.setScreen(Screen::Case(screen));

        QMainWindow *window = TLSetup::makeMainWindow(model);
        window->resize(size);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(50);
        auto *bar = window->findChild<EmergencyBar *>();
        QVERIFY(bar);
        bar->setNote(EmergencyAction::call988);
        QTest::qWait(250);

        const QString path = QStringLiteral(TL_BUILD_DIR "/shots/") + QString::fromLatin1(QTest::currentDataTag())
            + QStringLiteral(".png");
        QVERIFY(window->grab().save(path));
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
        QVERIFY(window->grab().save(QStringLiteral(TL_BUILD_DIR "/shots/help-window.png")));
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
        QVERIFY(window->grab().save(QStringLiteral(TL_BUILD_DIR "/shots/error-card.png")));
        delete window;
    }
};

QTEST_MAIN(tst_WindowShots)
#include "tst_WindowShots.moc"
