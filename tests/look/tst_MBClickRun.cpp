// What a click that changes the page costs where it lands on the background
// of a crowded container: working out what it pressed must not walk every
// child for each child (a list of thousands of rows would freeze the window
// for seconds).

#include "look/kit/MBClickRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleHints>
#include <QtTest>

namespace {

// A container that changes the page when clicked on its background.
class Crowd final : public QWidget
{
public:
    explicit Crowd(int children)
    {
        for (int i = 0; i < children; ++i) {
            auto *label = new QLabel(QString::number(i), this);
            label->setGeometry(2 + (i % 20) * 30, 2 + (i / 20) % 20 * 12, 28, 10);
        }
    }

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        MBClickRun::pageChanged();
    }
};

} // namespace

class tst_MBClickRun : public QObject
{
    Q_OBJECT

    // The time a click on the background of a container with `children`
    // takes, the quickest of three; each click starts a new run.
    static qint64 clickTime(int children)
    {
        QWidget window;
        window.resize(640, 560);
        auto *crowd = new Crowd(children);
        crowd->setParent(&window);
        crowd->setGeometry(0, 0, 640, 560);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return -1;
        qint64 quickest = std::numeric_limits<qint64>::max();
        for (int n = 0; n < 3; ++n) {
            QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
            QElapsedTimer took;
            took.start();
            // Below the labels: the container's own background.
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(300 + n * 40, 400));
            quickest = std::min(quickest, took.elapsed());
        }
        return quickest;
    }

private Q_SLOTS:
    void aClickOnACrowdedBackgroundCostsNoMore()
    {
        const qint64 few = clickTime(20);
        const qint64 many = clickTime(3000);
        QVERIFY(few >= 0 && many >= 0);
        QVERIFY2(many <= 10 * few + 100, qPrintable(QStringLiteral("%1 ms with 3000 children, %2 ms with 20").arg(many).arg(few)));
    }
};

QTEST_MAIN(tst_MBClickRun)
#include "tst_MBClickRun.moc"
