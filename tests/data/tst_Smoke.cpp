#include <QtTest>
class tst_Smoke : public QObject { Q_OBJECT
private Q_SLOTS:
    void env() { QVERIFY(!qEnvironmentVariable("XDG_CONFIG_HOME").isEmpty()); }
};
QTEST_GUILESS_MAIN(tst_Smoke)
#include "tst_Smoke.moc"
