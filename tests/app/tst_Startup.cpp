#include "app/SingleInstance.h"
#include "app/TLSetup.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

class tst_Startup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runModesGoOffscreen()
    {
        QVERIFY(TLSetup::wantsHeadlessRunMode({"x", "--tl-snapshot", "/tmp/s"}));
        QVERIFY(TLSetup::wantsHeadlessRunMode({"x", "--tl-money-example", "/tmp/m"}));
        QVERIFY(!TLSetup::wantsHeadlessRunMode({"x"}));
        // Without a folder these modes do not run: the window starts.
        QVERIFY(!TLSetup::wantsHeadlessRunMode({"x", "--tl-snapshot"}));
        QVERIFY(!TLSetup::wantsHeadlessRunMode({"x", "--tl-money-example"}));
        qunsetenv("QT_QPA_PLATFORM");
        TLSetup::prepareEnvironment({"x"});
        QVERIFY(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
        TLSetup::prepareEnvironment({"x", "--selftest"});
        QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // A platform the user chose stays.
        qputenv("QT_QPA_PLATFORM", "minimal");
        TLSetup::prepareEnvironment({"x", "--selftest"});
        QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), QStringLiteral("minimal"));
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    void configureInstallsTheLook()
    {
        Prefs::shared().clear();
        TLSetup::configure();
        QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);
        TLThemes::setHighContrast(true);
        QCOMPARE(MRBYThemes::currentID(), TLThemes::highContrastID);
        TLThemes::setHighContrast(false);
        QCOMPARE(MRBYAbout::extraLines().first(), QStringLiteral("Help for life on the road. Works offline."));
        QVERIFY(MRBYAbout::extraLines().last().startsWith(QStringLiteral("Information checked ")));
    }

    void singleInstanceRaisesTheFirst()
    {
        const QString name = SingleInstance::serverName() + QStringLiteral("-unit");
        SingleInstance first(name);
        SingleInstance second(name);
        QVERIFY(!second.activateRunning(200)); // nobody listens yet
        QVERIFY(first.listen());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QVERIFY(second.activateRunning(200));
        QTRY_COMPARE(raised.size(), 1);
        QVERIFY(QFileInfo(SingleInstance::serverName()).fileName().startsWith(QStringLiteral(TL_APP_ID ".")));
    }

    // Without a display the application says in one sentence how to run it,
    // instead of Qt's abort.
    void noDisplaySaysWhatToDo()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TL_EXE_PATH), {});
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString said = QString::fromUtf8(p.readAllStandardError()).trimmed();
        QVERIFY2(said.contains(u"xvfb-run") && !said.contains(u'\n'), qPrintable(said));
        QVERIFY2(said.startsWith(u"Tenterly needs a display to show its window"), qPrintable(said));
        // The run modes need no display.
        p.start(QStringLiteral(TL_EXE_PATH), {QStringLiteral("--selftest")});
        QVERIFY(p.waitForFinished(-1));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY(p.readAllStandardOutput().contains("\nRESULT: "));
    }

    void secondProcessEndsAndRaisesTheFirst()
    {
        // The first instance: wait until it answers on its socket.
        QProcess first;
        first.start(QStringLiteral(TL_EXE_PATH), {});
        QVERIFY(first.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        bool listening = false;
        while (!listening && clock.elapsed() < 20000 && first.state() == QProcess::Running) {
            QLocalSocket probe;
            probe.connectToServer(SingleInstance::serverName());
            listening = probe.waitForConnected(200);
            if (!listening)
                QTest::qWait(100);
        }
        QVERIFY2(listening, "the first instance never listened");

        QProcess second;
        second.start(QStringLiteral(TL_EXE_PATH), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // The first one carries on.
        QVERIFY(first.state() == QProcess::Running);

        first.terminate();
        if (!first.waitForFinished(5000)) {
            first.kill();
            first.waitForFinished(-1);
        }
    }
};

QTEST_MAIN(tst_Startup)
#include "tst_Startup.moc"
