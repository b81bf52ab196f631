#include "look/kit/Prefs.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "widgets/TLRender.h"
#include "widgets/TLScroll.h"

#include <QLabel>
#include <QScrollArea>
#include <QtTest>

class tst_Page : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Prefs::shared().clear(); }

    void columnWidth_data()
    {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::newRow("wide") << 1100 << 90 << 920;
        QTest::newRow("narrow") << 700 << 0 << 700;
    }

    void columnWidth()
    {
        QFETCH(int, area);
        QFETCH(int, left);
        QFETCH(int, width);
        auto *block = new QLabel(QStringLiteral("A block"));
        Page page({block});
        page.resize(area, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.column()->width(), width);
        QCOMPARE(page.column()->mapTo(&page, QPoint(0, 0)).x(), left);
        // The blocks start 24 points in.
        QCOMPARE(block->mapTo(page.column(), QPoint(0, 0)), QPoint(24, 24));
    }

    void absentBlocksLeaveNoGap()
    {
        auto *a = new QLabel(QStringLiteral("a"));
        auto *b = new QLabel(QStringLiteral("b"));
        Page page({a, nullptr, b});
        QCOMPARE(page.blocks().size(), 2);
        page.resize(800, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(b->y() - (a->y() + a->height()), 16);
    }

    void headerWrapsLongText()
    {
        const QString text = QStringLiteral("A long explanation that goes on and on. ").repeated(12);
        auto *header = new PageHeader(QStringLiteral("textformat.size"), QStringLiteral("Title"), text);
        auto *after = new QLabel(QStringLiteral("after"));
        Page page({header, after});
        page.resize(600, 900);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QLabel *label = header->textLabel();
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        // The text takes all the lines it needs, and the next block follows it.
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(label->height() > 3 * label->fontMetrics().height());
        QVERIFY(after->mapTo(&page, QPoint(0, 0)).y() >= label->mapTo(&page, QPoint(0, label->height())).y());
    }

    void snapshotModeDoesNotScroll()
    {
        {
            Page page({new QLabel(QStringLiteral("x"))});
            QVERIFY(page.scroll()->scrollArea());
        }
        TLRender::snapshotMode = true;
        Page page({new QLabel(QStringLiteral("x"))});
        QVERIFY(!page.scroll()->scrollArea());
        TLRender::snapshotMode = false;
    }
};

QTEST_MAIN(tst_Page)
#include "tst_Page.moc"
