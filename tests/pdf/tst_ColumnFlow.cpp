#include "pdf/ColumnFlow.h"

#include <QtTest>

class tst_ColumnFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnsAndPages_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("gap");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("pages");
        // Lines 10 high in columns 100 high: ten lines fill a column exactly.
        QTest::newRow("nothing") << 0 << 0.0 << 1 << 1;
        QTest::newRow("one line") << 1 << 0.0 << 1 << 1;
        QTest::newRow("exact fit adds nothing") << 10 << 0.0 << 1 << 1;
        QTest::newRow("one over") << 11 << 0.0 << 2 << 1;
        QTest::newRow("two columns, one page") << 20 << 0.0 << 2 << 1;
        QTest::newRow("three columns, two pages") << 21 << 0.0 << 3 << 2;
        // 10 + 2 per line: the ninth line ends at 8 × 12 + 10 = 106 > 100.
        QTest::newRow("gaps count between lines") << 9 << 2.0 << 2 << 1;
        QTest::newRow("limit") << 1000 << 0.0 << 4 << 2;
    }

    void columnsAndPages()
    {
        QFETCH(int, lines);
        QFETCH(double, gap);
        QFETCH(int, columns);
        QFETCH(int, pages);
        const QList<FlowLine> text(lines, FlowLine{10, gap});
        const ColumnFlow flow = flowColumns(text, 100, 4);
        QCOMPARE(flow.columns, columns);
        QCOMPARE(pagesFor(flow.columns, 2), pages);
        QCOMPARE(flow.places.size(), qMin(lines, 40));
    }

    void placesStartEachColumnAtTheTop()
    {
        // The third line ends exactly on the bottom edge; the fourth moves on.
        const QList<FlowLine> text{{30, 5}, {30, 5}, {30, 5}, {30, 5}, {30, 0}};
        const ColumnFlow flow = flowColumns(text, 100, 40);
        const QList<FlowPlace> expected{{0, 0}, {0, 35}, {0, 70}, {1, 0}, {1, 35}};
        QCOMPARE(flow.places, expected);
    }

    void lineTallerThanAColumnGetsOneOfItsOwn()
    {
        const QList<FlowLine> text{{10, 0}, {150, 0}, {10, 0}};
        const ColumnFlow flow = flowColumns(text, 100, 40);
        const QList<FlowPlace> expected{{0, 0}, {1, 0}, {2, 0}};
        QCOMPARE(flow.places, expected);
        QCOMPARE(flow.columns, 3);
    }
};

QTEST_APPLESS_MAIN(tst_ColumnFlow)
#include "tst_ColumnFlow.moc"
