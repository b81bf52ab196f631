// What a screen reader is sent, as it leaves the application: the events as
// a topic page opens, counted (a screen reader works through every event in
// turn, so a page that sends thousands keeps it silent for seconds, and keys
// pressed meanwhile are echoed late), and the caret places a page read by
// keyboard sends. Runs beside the accessibility bus, with Qt's
// accessibility on as a screen reader turns it on
// (tests/app/screen-reader-session.sh, which ctest uses).

#include "LongestHelpTopic.h"

#include "app/TLSetup.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "services/AppModel.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>

namespace {

std::map<QAccessible::Event, int> g_sent;
// Where the caret was sent to, for each text caret event.
QList<int> g_carets;

void count(QAccessibleEvent *event)
{
    ++g_sent[event->type()];
    if (event->type() == QAccessible::TextCaretMoved)
        g_carets << static_cast<QAccessibleTextCursorEvent *>(event)->cursorPosition();
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

    // Read to the foot of a page with Down, then back with Up and Page Up:
    // each step back moves the reading place one paragraph back and tells
    // the screen reader (the caret is sent to a place other than the last
    // one sent, which Orca would not say again), and at either end a step
    // still tells it something.
    void readBackByKeyboard_data()
    {
        QTest::addColumn<int>("chapter"); // 0: the longest help topic
        QTest::newRow("guide chapter 7") << 7;
        QTest::newRow("guide chapter 3") << 3;
        QTest::newRow("help topic") << 0;
    }

    void readBackByKeyboard()
    {
        QFETCH(int, chapter);
        QWidget *window = m_window.get();
        if (chapter > 0) {
            model().setGuideChapter(chapter);
            model().setScreen(Screen::guide);
        } else {
            window = longesthelptopic::show();
            QVERIFY(window);
        }
        waitForQuiet();
        auto *page = qobject_cast<QScrollArea *>(QApplication::focusWidget());
        QVERIFY(page && window->isAncestorOf(page));
        QVERIFY(page->verticalScrollBar()->maximum() > 0);
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(page)->textInterface();
        QVERIFY(text);
        QList<int> starts;
        for (int at = 0, start = 0, end = 0; at < text->characterCount(); at = end + 1) {
            text->textAtOffset(at, QAccessible::ParagraphBoundary, &start, &end);
            starts << start;
        }
        const qsizetype last = starts.size() - 1;
        const auto paragraph = [&] {
            return std::upper_bound(starts.cbegin(), starts.cend(), text->cursorPosition()) - starts.cbegin() - 1;
        };
        const auto said = [&] {
            int start = 0;
            int end = 0;
            return text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end);
        };
        // True when the key sent the caret, last, where it now is, and
        // somewhere other than where it was.
        const auto told = [&](Qt::Key key) {
            const int before = text->cursorPosition();
            g_carets.clear();
            QTest::keyClick(page, key);
            QCoreApplication::processEvents();
            return !g_carets.isEmpty() && g_carets.last() == text->cursorPosition() && g_carets.last() != before;
        };

        for (int i = 0; paragraph() < last && i < 200; ++i)
            QVERIFY2(told(Qt::Key_Down), qPrintable(QString::number(paragraph())));
        QCOMPARE(paragraph(), last);
        QCOMPARE(said(), QStringLiteral("End of the page."));
        for (int i = 0; i < 2; ++i) {
            QVERIFY(told(Qt::Key_Down));
            QCOMPARE(said(), QStringLiteral("End of the page."));
        }

        for (qsizetype expected = last - 1; expected >= 0; --expected) {
            QVERIFY2(told(expected % 4 == 0 ? Qt::Key_PageUp : Qt::Key_Up), qPrintable(QString::number(expected)));
            QCOMPARE(paragraph(), expected);
            QCOMPARE(text->cursorPosition(), starts.at(expected));
        }
        // At the top, Up says the first paragraph again.
        const QString first = said();
        QVERIFY(told(Qt::Key_Up));
        QCOMPARE(paragraph(), 0);
        QCOMPARE(said(), first);
        if (chapter == 0)
            window->close();
    }
};

QTEST_MAIN(tst_ScreenReaderPace)
#include "tst_ScreenReaderPace.moc"
