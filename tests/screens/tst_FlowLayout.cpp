#include "look/kit/Prefs.h"
#include "screens/AdaptiveGrid.h"
#include "screens/FlowLayout.h"

#include <QtTest>

using Sizes = QList<QSize>;
using Rects = QList<QRect>;

class tst_FlowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measure_data()
    {
        QTest::addColumn<Sizes>("sizes");
        QTest::addColumn<int>("width"); // -1: none proposed
        QTest::addColumn<QSize>("expected");
        const QSize c(100, 30);
        QTest::newRow("no children") << Sizes{} << 300 << QSize(0, 0);
        QTest::newRow("three at 300 wrap the third") << Sizes{c, c, c} << 300 << QSize(208, 68);
        QTest::newRow("exact fit stays on the row") << Sizes{c, c, c} << 316 << QSize(316, 30);
        QTest::newRow("one point short wraps") << Sizes{c, c, c} << 315 << QSize(208, 68);
        QTest::newRow("wide first child keeps its row") << Sizes{QSize(500, 20)} << 300 << QSize(300, 20);
        QTest::newRow("no width wraps at 700") << Sizes(8, c) << -1 << QSize(640, 68);
        QTest::newRow("tallest sets the row")
            << Sizes{QSize(100, 10), QSize(100, 50), QSize(100, 20)} << 220 << QSize(208, 78);
    }

    void measure()
    {
        QFETCH(Sizes, sizes);
        QFETCH(int, width);
        QFETCH(QSize, expected);
        const std::optional<int> w = width < 0 ? std::nullopt : std::optional<int>(width);
        QCOMPARE(FlowLayout::measure(sizes, w, 8), expected);
    }

    void place_data()
    {
        QTest::addColumn<Sizes>("sizes");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<Rects>("expected");
        QTest::newRow("rows start at the left edge, top-aligned")
            << Sizes{QSize(100, 10), QSize(100, 50), QSize(100, 20)} << QRect(5, 7, 220, 100)
            << Rects{QRect(5, 7, 100, 10), QRect(113, 7, 100, 50), QRect(5, 65, 100, 20)};
        QTest::newRow("too wide runs past the edge alone")
            << Sizes{QSize(50, 10), QSize(400, 10)} << QRect(0, 0, 300, 100)
            << Rects{QRect(0, 0, 50, 10), QRect(0, 18, 400, 10)};
        QTest::newRow("no children") << Sizes{} << QRect(0, 0, 300, 100) << Rects{};
    }

    void place()
    {
        QFETCH(Sizes, sizes);
        QFETCH(QRect, rect);
        QFETCH(Rects, expected);
        QCOMPARE(FlowLayout::place(sizes, rect, 8), expected);
    }

    // Placing and measuring break the rows in the same places.
    void placeAgreesWithMeasure()
    {
        const Sizes sizes{QSize(90, 20), QSize(130, 25), QSize(60, 20), QSize(200, 30), QSize(40, 10)};
        for (int width = 100; width <= 600; width += 7) {
            const Rects rects = FlowLayout::place(sizes, QRect(0, 0, width, 0), 8);
            int bottom = 0;
            for (const QRect &r : rects)
                bottom = std::max(bottom, r.y() + r.height());
            QCOMPARE(FlowLayout::measure(sizes, width, 8).height(), bottom);
        }
    }

    void layoutWrapsWidgets()
    {
        Prefs::shared().clear();
        QWidget host;
        auto *flow = new FlowLayout(&host, 8);
        QList<QWidget *> children;
        for (int i = 0; i < 3; ++i) {
            auto *w = new QWidget;
            w->setFixedSize(100, 30);
            flow->addWidget(w);
            children << w;
        }
        QVERIFY(flow->hasHeightForWidth());
        QCOMPARE(flow->heightForWidth(300), 68);
        QCOMPARE(flow->minimumSize().width(), 100);
        host.resize(300, 68);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(children.at(2)->pos(), QPoint(0, 38));
        // A hidden child takes no room.
        children.at(1)->hide();
        QCOMPARE(flow->heightForWidth(300), 30);
    }

    void gridColumns_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("columns");
        QTest::newRow("872 at 200 gives four") << 872 << 4;
        QTest::newRow("exactly two") << 412 << 2;
        QTest::newRow("narrower than one still one") << 150 << 1;
    }

    void gridColumns()
    {
        QFETCH(int, width);
        QFETCH(int, columns);
        QCOMPARE(AdaptiveGrid::columns(width, 200, 12), columns);
    }
};

QTEST_MAIN(tst_FlowLayout)
#include "tst_FlowLayout.moc"
