#include "services/NetStatus.h"

#include <QSignalSpy>
#include <QTest>

using Reach = QNetworkInformation::Reachability;

class tst_NetStatus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reports_data()
    {
        QTest::addColumn<int>("reachability");
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << int(Reach::Online) << true;
        QTest::newRow("unknown counts as online") << int(Reach::Unknown) << true;
        QTest::newRow("disconnected") << int(Reach::Disconnected) << false;
        QTest::newRow("local network only") << int(Reach::Local) << false;
        QTest::newRow("site network only") << int(Reach::Site) << false;
    }
    void reports()
    {
        QFETCH(int, reachability);
        QFETCH(bool, online);
        NetStatus status;
        QVERIFY(status.online()); // until the first report
        QSignalSpy spy(&status, &NetStatus::onlineChanged);
        // Every report is passed on, also one that changes nothing.
        status.report(online ? Reach::Disconnected : Reach::Online);
        status.report(Reach(reachability));
        status.report(Reach(reachability));
        QCOMPARE(status.online(), online);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(1).at(0).toBool(), online);
    }

    void startTwiceWatchesOnce()
    {
        NetStatus status;
        QVERIFY(!status.started());
        QSignalSpy spy(&status, &NetStatus::onlineChanged);
        status.start();
        QVERIFY(status.started());
        const qsizetype afterFirst = spy.count();
        QVERIFY(afterFirst <= 1); // the backend's current state, when one loaded
        if (QNetworkInformation *info = QNetworkInformation::instance())
            QCOMPARE(status.online(), NetStatus::countsAsOnline(info->reachability()));
        else
            QVERIFY(status.online()); // no backend: unknown, treated as online
        status.start();
        QCOMPARE(spy.count(), afterFirst);
    }
};

QTEST_GUILESS_MAIN(tst_NetStatus)
#include "tst_NetStatus.moc"
