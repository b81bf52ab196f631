// Zoom rules, the stored value, the menu items and the zoom host.

#include "look/kit/MBZoom.h"
#include "look/kit/MBZoomCommands.h"
#include "look/kit/MBZoomHost.h"
#include "look/kit/Prefs.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>
#include <limits>

// Nine steps in one direction, and the value after each.
static QList<double> steps(void (*step)())
{
    QList<double> seen;
    for (int i = 0; i < 9; ++i) {
        step();
        seen << MBZoom::value();
    }
    return seen;
}

class ZoomTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Prefs::shared().clear(); }

    void clamp_data()
    {
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("0.5") << 0.5 << 0.85;
        QTest::newRow("3.0") << 3.0 << 2.0;
        QTest::newRow("1.234") << 1.234 << 1.23;
        QTest::newRow("1.125 rounds half up") << 1.125 << 1.13;
        QTest::newRow("negative") << -1.5 << 0.85;
        QTest::newRow("NaN") << nan << 0.85;
        QTest::newRow("+inf") << inf << 2.0;
        QTest::newRow("1.15+0.15") << 1.15 + 0.15 << 1.3;
        QTest::newRow("2.0") << 2.0 << 2.0;
        QTest::newRow("0.85") << 0.85 << 0.85;
    }

    void clamp()
    {
        QFETCH(double, in);
        QFETCH(double, out);
        QCOMPARE(MBZoom::clamp(in), out);
    }

    void storedValue_data()
    {
        QTest::addColumn<QString>("stored"); // "" = absent
        QTest::addColumn<double>("value");
        QTest::newRow("absent") << "" << 1.0;
        QTest::newRow("zero") << "0" << 1.0;
        QTest::newRow("not a number text") << "large" << 1.0;
        QTest::newRow("nan") << "nan" << 0.85;
        QTest::newRow("too big") << "9" << 2.0;
        QTest::newRow("many decimals") << "1.4449" << 1.44;
    }

    void storedValue()
    {
        QFETCH(QString, stored);
        QFETCH(double, value);
        if (!stored.isEmpty())
            Prefs::shared().setString(MBZoom::key, stored);
        QCOMPARE(MBZoom::value(), value);
    }

    void stepSequences()
    {
        // Steps of 15 points from wherever the value is, stopping at the limits.
        QCOMPARE(steps(MBZoom::zoomIn), (QList<double>{1.15, 1.3, 1.45, 1.6, 1.75, 1.9, 2.0, 2.0, 2.0}));
        QCOMPARE(Prefs::shared().value(MBZoom::key).toString(), QStringLiteral("2"));
        QCOMPARE(steps(MBZoom::zoomOut), (QList<double>{1.85, 1.7, 1.55, 1.4, 1.25, 1.1, 0.95, 0.85, 0.85}));
        // From the smallest size upwards: 85 % to 200 %.
        QCOMPARE(steps(MBZoom::zoomIn), (QList<double>{1.0, 1.15, 1.3, 1.45, 1.6, 1.75, 1.9, 2.0, 2.0}));
        MBZoom::actualSize();
        QCOMPARE(MBZoom::value(), 1.0);
        MBZoom::setValue(7);
        QCOMPARE(Prefs::shared().number(MBZoom::key), 2.0);
    }

    void commands()
    {
        QMenu menu;
        const QList<QAction *> actions = MBZoomCommands::addTo(&menu);
        QStringList titles;
        for (QAction *a : menu.actions())
            titles << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(titles, QStringList({"Zoom In", "Zoom Out", "Actual Size (100%)", "Zoom Level", "-"}));
        // Ctrl = zooms in as well, without Shift.
        QCOMPARE(actions.at(0)->shortcuts().size(), 2);
        QCOMPARE(actions.at(0)->shortcuts().at(1), QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(actions.at(0)->shortcutContext(), Qt::ApplicationShortcut);

        QMenu *levels = menu.actions().at(3)->menu();
        QVERIFY(levels);
        QCOMPARE(levels->actions().size(), 7);
        actions.at(0)->trigger();
        QCOMPARE(MBZoom::value(), 1.15);
        QCOMPARE(levels->actions().at(4)->text(), QStringLiteral("150%"));
        levels->actions().at(4)->trigger();
        QCOMPARE(Prefs::shared().number(MBZoom::key), 1.5);
        actions.at(1)->trigger();
        QCOMPARE(MBZoom::value(), 1.35); // steps do not snap to the levels
        actions.at(2)->trigger();
        QCOMPARE(MBZoom::value(), 1.0);
    }

    void logicalSize()
    {
        const QSizeF minSize(1060, 700);
        QCOMPARE(MBZoomHost::logicalSize(QSizeF(1200, 800), minSize, 1.0), QSizeF(1200, 800));
        QCOMPARE(MBZoomHost::logicalSize(QSizeF(1200, 800), minSize, 1.5), QSizeF(1060, 700));
        QCOMPARE(MBZoomHost::logicalSize(QSizeF(1590, 1050), minSize, 1.5), QSizeF(1060, 700));
    }

    void hostFollowsZoom()
    {
        int builds = 0;
        double builtWith = 0;
        MBZoomHost host(
            [&] {
                ++builds;
                builtWith = MBZoomScope::current();
                auto *l = new QLabel(QStringLiteral("content"));
                l->setFixedHeight(ipx(20));
                return l;
            },
            QSizeF(1060, 700));
        host.resize(1200, 800);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(builds, 1);
        QCOMPARE(builtWith, 1.0);
        QCOMPARE(host.content()->height(), 20);
        QVERIFY(!host.scrollArea()->horizontalScrollBar()->isVisible());
        QVERIFY(!host.scrollArea()->verticalScrollBar()->isVisible());

        MBZoom::setValue(1.5);
        QTRY_COMPARE(builds, 2);
        QCOMPARE(builtWith, 1.5);
        QCOMPARE(host.zoom(), 1.5);
        QCOMPARE(host.content()->height(), 30);
        QCOMPARE(host.rebuildHost()->minimumSize(), QSize(1590, 1050));
        QTRY_VERIFY(host.scrollArea()->horizontalScrollBar()->maximum() > 0);
        QVERIFY(host.scrollArea()->verticalScrollBar()->maximum() > 0);
        host.scrollArea()->horizontalScrollBar()->setValue(100);
        host.scrollHome();
        QCOMPARE(host.scrollArea()->horizontalScrollBar()->value(), 0);

        // Writing the same value again rebuilds nothing.
        MBZoom::setValue(1.5);
        QTest::qWait(20);
        QCOMPARE(builds, 2);

        // Exactly minSize × zoom needs no scrolling.
        host.resize(1590, 1050);
        QTRY_COMPARE(host.scrollArea()->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(host.scrollArea()->verticalScrollBar()->maximum(), 0);
    }

    // A marked part of the content stands above the scrolling area at the
    // window's width, and is replaced with the content.
    void pinnedPartNeverScrolls()
    {
        MBZoomHost host(
            [&] {
                auto *content = new QWidget;
                auto *column = new QVBoxLayout(content);
                auto *bar = new QLabel(QStringLiteral("pinned"), content);
                bar->setFixedHeight(ipx(40));
                MBZoomHost::markPinned(bar);
                column->addWidget(bar);
                column->addWidget(new QLabel(QStringLiteral("body")));
                return content;
            },
            QSizeF(1060, 700));
        MBZoom::setValue(1.5);
        QTRY_COMPARE(host.zoom(), 1.5);
        host.resize(900, 600);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QWidget *pinned = host.pinned();
        QVERIFY(pinned);
        QCOMPARE(pinned->parentWidget(), &host);
        QCOMPARE(pinned->height(), 60);
        QCOMPARE(pinned->width(), 900);
        QScrollArea *area = host.scrollArea();
        QCOMPARE(area->geometry().top(), 60);
        // The scrolled part fills exactly what scrolls: minimum × zoom, less
        // the pinned part's height.
        QTRY_COMPARE(area->horizontalScrollBar()->maximum() + area->viewport()->width(), 1590);
        QCOMPARE(area->verticalScrollBar()->maximum() + area->viewport()->height(), 1050 - 60);
        area->verticalScrollBar()->setValue(200);
        QCOMPARE(pinned->mapTo(&host, QPoint(0, 0)), QPoint(0, 0));

        const QPointer<QWidget> replaced = pinned;
        MBZoom::setValue(1.0);
        QTRY_COMPARE(host.zoom(), 1.0);
        QTRY_VERIFY(!replaced);
        QCOMPARE(host.pinned()->height(), 40);
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_Zoom.moc"
