// The window comes up before the data is read: the home screen shows at
// once, and the data, the state pickers, the screen and the name a screen
// reader hears for the page follow after the first paint.

#include "app/ScreenHost.h"
#include "app/TLSetup.h"
#include "look/app/TLPrefs.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/Prefs.h"
#include "screens/HomeView.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "widgets/StatePicker.h"

#include <QApplication>
#include <QMainWindow>
#include <QtTest>

class tst_DeferredLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFirstThenData()
    {
        Prefs::shared().clear();
        Prefs::shared().setString(TLPrefs::stateKey, QStringLiteral("CO"));
        TLSetup::configureLook();
        AppModel &model = AppModel::sharedDeferred();
        QVERIFY(!model.isLoaded());
        QVERIFY(!model.data());

        QMainWindow *window = TLSetup::showMainWindow();
        auto *host = window->findChild<ScreenHost *>();
        QVERIFY(host);
        QVERIFY(qobject_cast<HomeView *>(host->current()));
        QVERIFY(!host->showsErrorCard());
        StatePicker *picker = window->findChild<StatePicker *>();
        QVERIFY(picker);
        QCOMPARE(picker->codes().size(), 1);

        QTRY_VERIFY(model.isLoaded());
        QVERIFY(model.data());
        QVERIFY(picker->codes().size() > 50);
        // The page was named before the state's name was known.
        QCOMPARE(MBKeyboard::pageIn(host->current())->accessibleName(), QStringLiteral("Right now, Colorado"));
        // Asking for the loaded model loads nothing again.
        QCOMPARE(&AppModel::shared(), &model);
        QVERIFY(qobject_cast<HomeView *>(host->current()));

        // The focus is on the page, not on "Call 911": Return and Space open nothing.
        QStringList opened;
        Opener::replace([&opened](const QString &url) { opened << url; });
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_VERIFY(host->current()->isAncestorOf(QApplication::focusWidget()));
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(opened, QStringList());
        delete window;
    }
};

QTEST_MAIN(tst_DeferredLoad)
#include "tst_DeferredLoad.moc"
