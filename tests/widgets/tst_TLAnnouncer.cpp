// The announcer says a sentence once the window has been still a moment, so
// a screen reader has read what a rebuild sent first; a window that never
// gets still hears it all the same, and a newer sentence takes the place of
// one still waiting.

#include "widgets/TLAnnouncer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest>

class tst_TLAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saidOnceStill_data()
    {
        QTest::addColumn<int>("changingMs"); // -1: the window never gets still
        QTest::addColumn<int>("earliestMs");
        QTest::addColumn<int>("latestMs");
        QTest::newRow("still window") << 0 << 200 << 1000;
        QTest::newRow("changing for a while") << 800 << 1000 << 3000;
        QTest::newRow("never still") << -1 << 3500 << 5000;
    }

    void saidOnceStill()
    {
        QFETCH(int, changingMs);
        QFETCH(int, earliestMs);
        QFETCH(int, latestMs);
        QWidget window;
        auto *blinking = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QElapsedTimer clock;
        clock.start();
        // A part shown and hidden again and again, as rows made in slices.
        QTimer blink;
        blink.setInterval(10);
        connect(&blink, &QTimer::timeout, &window, [&] {
            if (changingMs >= 0 && clock.elapsed() >= changingMs)
                blink.stop();
            else
                blinking->setVisible(!blinking->isVisible());
        });
        blink.start();
        TLAnnouncer::say(blinking, QStringLiteral("Saved to My List"));
        QTRY_VERIFY_WITH_TIMEOUT(!TLAnnouncer::lastSaid(&window).isEmpty(), latestMs + 1000);
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= earliestMs && waited <= latestMs, qPrintable(QString::number(waited)));
        QCOMPARE(TLAnnouncer::lastSaid(&window), QStringLiteral("Saved to My List"));
    }

    void newerSentenceReplacesOneWaiting()
    {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        TLAnnouncer::say(&window, QStringLiteral("Saved to My List"));
        TLAnnouncer::say(&window, QStringLiteral("Removed from My List"));
        QCOMPARE(TLAnnouncer::lastSaid(&window), QString());
        // The first sentence said is the newer one, and nothing follows it.
        QTRY_VERIFY(!TLAnnouncer::lastSaid(&window).isEmpty());
        QCOMPARE(TLAnnouncer::lastSaid(&window), QStringLiteral("Removed from My List"));
        QTest::qWait(500);
        QCOMPARE(TLAnnouncer::lastSaid(&window), QStringLiteral("Removed from My List"));
    }
};

QTEST_MAIN(tst_TLAnnouncer)
#include "tst_TLAnnouncer.moc"
