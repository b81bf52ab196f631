// Without a screen reader (no accessibility events are sent) the announcer
// says a sentence after a moment, even in a window that keeps changing; a
// newer sentence takes the place of one still waiting; what a late change
// still has posted is done before it. How it waits for a
// screen reader is checked beside one, in tests/app/tst_ScreenReaderPace.

#include "widgets/TLAnnouncer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <algorithm>

class tst_TLAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // In a still window a sentence is said within a second, give or take
    // how late the event loop's turns come on a busy machine. In a window
    // that keeps changing it waits as long as in a still one: the changes do
    // not hold it back. Both are timed in this run, so a busy machine delays
    // both alike.
    void saidSoonWithoutScreenReader()
    {
        QWidget window;
        auto *blinking = new QWidget(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // How long `sentence` waits, or -1 when it is not said within
        // `limitMs`; `turnsApart` is the longest the loop's turns came apart
        // meanwhile.
        qint64 turnsApart = 0;
        const auto msToSay = [&](const QString &sentence, qint64 limitMs) -> qint64 {
            QElapsedTimer clock;
            clock.start();
            TLAnnouncer::say(blinking, sentence);
            qint64 turn = 0;
            turnsApart = 0;
            const bool said = QTest::qWaitFor(
                [&] {
                    turnsApart = std::max(turnsApart, clock.elapsed() - turn);
                    turn = clock.elapsed();
                    return TLAnnouncer::lastSaid(&window) == sentence;
                },
                int(limitMs));
            return said ? clock.elapsed() : -1;
        };
        const qint64 still = msToSay(QStringLiteral("Saved to My List"), 20000);
        QVERIFY(still >= 0);
        QVERIFY2(still <= 1000 + 2 * turnsApart,
                 qPrintable(QStringLiteral("said after %1 ms in a still window, the loop's turns up to %2 ms apart")
                                .arg(still)
                                .arg(turnsApart)));
        // A part shown and hidden again and again, as rows made in slices.
        QTimer blink;
        connect(&blink, &QTimer::timeout, blinking, [blinking] { blinking->setVisible(!blinking->isVisible()); });
        blink.start(10);
        const qint64 changing = msToSay(QStringLiteral("Removed from My List"), 3 * still);
        QVERIFY2(changing >= 0, qPrintable(QStringLiteral("not said within %1 ms, in a still window after %2 ms")
                                               .arg(3 * still)
                                               .arg(still)));
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

    // A change on a crowded machine: its page is laid out anew while the
    // sentence is already due. What the layout still has to do (a scroll
    // bar hidden, which Qt does on a later turn) is done before the
    // sentence, not amid it.
    void saidAfterTheLayoutItWaitedFor()
    {
        QWidget window;
        window.resize(300, 200);
        auto *scroll = new QScrollArea(&window);
        scroll->setGeometry(0, 0, 300, 200);
        scroll->setWidgetResizable(true);
        auto *content = new QWidget;
        content->setMinimumHeight(1000);
        scroll->setWidget(content);
        TLAnnouncer::prepare(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar *bar = scroll->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());

        QStringList order;
        struct Watch final : QObject
        {
            QStringList *order;
            explicit Watch(QStringList *o) : order(o) {}
            bool eventFilter(QObject *object, QEvent *event) override
            {
                if (event->type() == QEvent::Hide && qobject_cast<QScrollBar *>(object))
                    *order << QStringLiteral("bar hidden");
                if (event->type() == QEvent::Show && object->objectName() == QLatin1String("tlAnnouncement"))
                    *order << QStringLiteral("said");
                return false;
            }
        } watch(&order);
        qApp->installEventFilter(&watch);

        TLAnnouncer::say(content, QStringLiteral("Alabama chosen"));
        // The change comes late, after the sentence's wait is over, and
        // only posts its layout.
        QThread::msleep(400);
        QTimer::singleShot(0, content, [content] { content->setMinimumHeight(10); });
        QTRY_COMPARE(TLAnnouncer::lastSaid(&window), QStringLiteral("Alabama chosen"));
        QTRY_VERIFY(!bar->isVisible());
        QCOMPARE(order, QStringList({QStringLiteral("bar hidden"), QStringLiteral("said")}));
        qApp->removeEventFilter(&watch);
    }
};

QTEST_MAIN(tst_TLAnnouncer)
#include "tst_TLAnnouncer.moc"
