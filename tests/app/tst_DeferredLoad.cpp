// The window comes up before the data is read: the home screen shows at
// once, and the data, the state pickers and the screen follow after the
// first paint.

#include "app/AppModel.h"
#include "app/ScreenHost.h"
#include "app/StatePicker.h"
#include "app/TLSetup.h"
#include "look/kit/Prefs.h"
#include "screens/HomeView.h"

#include <QMainWindow>
#include <QtTest>

class tst_DeferredLoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowFirstThenData()
    {
        Prefs::shared().clear();
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
        // Asking for the loaded model loads nothing again.
        QCOMPARE(&AppModel::shared(), &model);
        QVERIFY(qobject_cast<HomeView *>(host->current()));
        delete window;
    }
};

QTEST_MAIN(tst_DeferredLoad)
#include "tst_DeferredLoad.moc"
