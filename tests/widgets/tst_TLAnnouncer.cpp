// Without a screen reader (no accessibility events are sent) the announcer
// says a sentence after a moment, even in a window that keeps changing, and
// a newer sentence takes the place of one still waiting. How it waits for a
// screen reader is checked beside one, in tests/app/tst_ScreenReaderPace.

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
    void saidSoonWithoutScreenReader()
    {
        QWidget window;
        auto *blinking = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // A part shown and hidden again and again, as rows made in slices.
        QTimer blink;
        connect(&blink, &QTimer::timeout, blinking, [blinking] { blinking->setVisible(!blinking->isVisible()); });
        blink.start(10);
        QElapsedTimer clock;
        clock.start();
        TLAnnouncer::say(blinking, QStringLiteral("Saved to My List"));
        QTRY_COMPARE_WITH_TIMEOUT(TLAnnouncer::lastSaid(&window), QStringLiteral("Saved to My List"), 2000);
        QVERIFY2(clock.elapsed() <= 1000, qPrintable(QString::number(clock.elapsed())));
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
