// What a screen reader is sent as a topic page opens, and when a sentence is
// said after a page has changed, counted as it leaves the application. A
// screen reader works through every event in turn, so a page that sends
// thousands keeps it silent for seconds, and keys pressed meanwhile are
// echoed late; Orca drops a notification that arrives while it is still
// working through them. Runs beside the accessibility bus, with Qt's
// accessibility on as a screen reader turns it on
// (tests/app/screen-reader-session.sh, which ctest uses).

#include "app/TLSetup.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "services/AppModel.h"
#include "widgets/TLAnnouncer.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <QtTest>

#include <map>
#include <memory>
#include <vector>

namespace {

std::map<QAccessible::Event, int> g_sent;
QAccessible::UpdateHandler g_next = nullptr;

// Each event sent while `g_clock` runs: when, and whether it was the
// announcer's own.
struct Sent
{
    qint64 at;
    bool notice;
};
std::vector<Sent> g_log;
QElapsedTimer g_clock;

// Orca, on this machine held to a quarter of one core, was ready for a
// notification 3.7 s after a first search's 1,170 events had stopped.
constexpr double orcaMsPerEvent = 3.0;
// What a first search sends while typed (1,170 events measured).
constexpr int firstSearchEvents = 1100;

bool fromAnnouncer(const QObject *object)
{
    return object
        && (object->objectName() == QLatin1String("tlAnnouncement")
            || object->objectName() == QLatin1String("tlStatusLine"));
}

void count(QAccessibleEvent *event)
{
    ++g_sent[event->type()];
    if (g_clock.isValid())
        g_log.push_back({g_clock.elapsed(), fromAnnouncer(event->object())});
    // On to the announcer, which watches them too.
    if (g_next)
        g_next(event);
}

// What the log holds about the first sentence shown: the other events sent
// before it, how long they had been quiet as it showed, and how many came
// after it.
struct Heard
{
    int before = 0;
    qint64 quietMs = -1;
    int after = 0;
};

Heard heard()
{
    Heard h;
    qint64 last = 0;
    bool shown = false;
    for (const Sent &sent : g_log) {
        if (sent.notice && !shown) {
            shown = true;
            h.quietMs = sent.at - last;
        } else if (!sent.notice) {
            (shown ? h.after : h.before) += 1;
            last = sent.at;
        }
    }
    return h;
}

QString describe(const Heard &h)
{
    return QStringLiteral("%1 events, quiet %2 ms before the sentence, %3 after it")
        .arg(h.before)
        .arg(h.quietMs)
        .arg(h.after);
}

int sent()
{
    int n = 0;
    for (const auto &[type, times] : g_sent)
        n += times;
    return n;
}

QString byType()
{
    QStringList out;
    for (const auto &[type, times] : g_sent)
        out << QStringLiteral("0x%1: %2").arg(int(type), 0, 16).arg(times);
    return out.join(QStringLiteral(", "));
}

// Runs the event loop until nothing has been sent for half a second.
void waitForQuiet()
{
    QElapsedTimer quiet;
    quiet.start();
    for (int seen = sent(); quiet.elapsed() < 500;) {
        QTest::qWait(20);
        if (sent() != seen) {
            seen = sent();
            quiet.restart();
        }
    }
}

} // namespace

class tst_ScreenReaderPace : public QObject
{
    Q_OBJECT

    std::unique_ptr<QMainWindow> m_window;
    AppModel &model() { return AppModel::shared(); }

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        MBZoom::setValue(1.0);
        TLSetup::configure();
        QVERIFY(model().data());
        // Qt turns it on once it has reached the bus.
        QTRY_VERIFY2(QAccessible::isActive(), "accessibility is off: run beside the accessibility bus "
                                              "(tests/app/screen-reader-session.sh)");
        m_window.reset(TLSetup::makeMainWindow(model()));
        m_window->resize(1280, 880);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // The events go through the counter.
        g_next = QAccessible::installUpdateHandler(count);
    }

    void cleanupTestCase()
    {
        QAccessible::installUpdateHandler(g_next);
        m_window.reset();
    }

    // A search typed at a brisk pace: its count is said once the window's
    // events have stopped and a screen reader has had the time to read them,
    // however long they go on. Rows made in slices elsewhere in the window
    // bring the events up to what a first search sends, however few rows
    // the search itself makes.
    void countSaidOnceQuiet_data()
    {
        QTest::addColumn<int>("sliceMs");
        QTest::addColumn<int>("forMs");
        QTest::newRow("first search after start") << 15 << 0;
        QTest::newRow("rows made for eight seconds") << 60 << 8000;
    }

    void countSaidOnceQuiet()
    {
        QFETCH(int, sliceMs);
        QFETCH(int, forMs);
        if (model().screen().value() != Screen::search) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(model().screen().value(), Screen::search);
            QTRY_COMPARE_WITH_TIMEOUT(TLAnnouncer::lastSaid(m_window.get()), QStringLiteral("Search everything"),
                                      10000);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        waitForQuiet();
        g_log.clear();
        g_clock.start();
        QWidget rows(m_window.get());
        rows.setGeometry(0, 0, 1, 1);
        rows.lower();
        rows.show();
        for (int i = 0; i < 10; ++i)
            new QWidget(&rows);
        QTimer slices;
        connect(&slices, &QTimer::timeout, &rows, [&] {
            if (int(g_log.size()) >= firstSearchEvents && g_clock.elapsed() >= forMs)
                slices.stop();
            for (QWidget *row : rows.findChildren<QWidget *>())
                row->setVisible(!row->isVisible());
        });
        slices.start(sliceMs);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("shower"), Qt::NoModifier, 80);
        const QString count = m_window->findChild<QLabel *>(QStringLiteral("searchCount"))->text();
        QVERIFY2(count.endsWith(QLatin1String(" results")), qPrintable(count));
        // The same count as the search before is said again.
        QTRY_VERIFY_WITH_TIMEOUT(heard().quietMs >= 0, forMs + 20000);
        QCOMPARE(TLAnnouncer::lastSaid(m_window.get()), count);
        QTest::qWait(1000);
        g_clock.invalidate();
        const Heard h = heard();
        QVERIFY2(h.before >= firstSearchEvents, qPrintable(describe(h)));
        QVERIFY2(h.quietMs >= h.before * orcaMsPerEvent && h.after == 0, qPrintable(describe(h)));
    }

    // Long pages (every state's listings; Jobs & Money's many nationwide
    // ones) and short ones.
    void opensWithFewEvents_data()
    {
        QTest::addColumn<QString>("tile");
        QTest::addColumn<QString>("state");
        QTest::newRow("Food, no state") << "topic-Food" << "";
        QTest::newRow("Food, Colorado") << "topic-Food" << "CO";
        QTest::newRow("Shelter & Parking, no state") << "topic-Shelter & Parking" << "";
        QTest::newRow("Shelter & Parking, Colorado") << "topic-Shelter & Parking" << "CO";
        QTest::newRow("Jobs & Money, Colorado") << "topic-Jobs & Money" << "CO";
    }

    // Return on the topic's tile on Home: what is sent from the key until
    // the page has settled.
    void opensWithFewEvents()
    {
        QFETCH(QString, tile);
        QFETCH(QString, state);
        model().setStateCode(state);
        model().setScreen(Screen::home);
        waitForQuiet();
        auto *button = m_window->findChild<QWidget *>(tile);
        QVERIFY2(button && button->isVisible(), qPrintable(tile));
        button->setFocus(Qt::TabFocusReason);
        waitForQuiet();
        g_sent.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(model().screen().value(), Screen::category);
        waitForQuiet();
        QVERIFY2(sent() <= 1500, qPrintable(QString::number(sent()) + QStringLiteral(" events: ") + byType()));
    }
};

QTEST_MAIN(tst_ScreenReaderPace)
#include "tst_ScreenReaderPace.moc"
