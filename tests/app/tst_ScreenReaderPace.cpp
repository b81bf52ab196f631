// What a screen reader is sent as a topic page opens, counted as it leaves
// the application. A screen reader works through every event in turn, so a
// page that sends thousands keeps it silent for seconds, and keys pressed
// meanwhile are echoed late. Runs beside the accessibility bus, with Qt's
// accessibility on as a screen reader turns it on
// (tests/app/screen-reader-session.sh, which ctest uses).

#include "app/TLSetup.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "services/AppModel.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QtTest>

#include <map>
#include <memory>

namespace {

std::map<QAccessible::Event, int> g_sent;

void count(QAccessibleEvent *event) { ++g_sent[event->type()]; }

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
        // The events go to the counter instead of the bus.
        QAccessible::installUpdateHandler(count);
    }

    void cleanupTestCase()
    {
        QAccessible::installUpdateHandler(nullptr);
        m_window.reset();
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
