// Times start-up: from main() to the main window shown with the shipped data,
// as a person starting the application waits for it, side by side with a bare
// Qt Widgets program that shows one label. Runs itself as child processes
// several times, the two kinds taking turns (each start a fresh process), and
// prints median and worst of each and the ratio of the medians.
// Usage: bench_startup [runs]

#include "app/TLSetup.h"
#include "look/kit/FontWarmup.h"
#include "services/AppModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <clocale>
#include <cstdio>

namespace {

// The application's own way to its window: the look, the window shown on the
// model, the data read after the first paint. Prints the time to the home
// screen painted and the time until the data is there too.
// Notes the time when the event loop comes back after a window's first paint.
class PaintClock final : public QObject
{
public:
    explicit PaintClock(QElapsedTimer &clock) : m_clock(clock) {}
    double painted = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] { painted = m_clock.nsecsElapsed() / 1e6; });
        }
        return false;
    }

private:
    QElapsedTimer &m_clock;
    bool m_seen = false;
};

// The application's own way to its window: the look, the window shown on the
// model, the data read after the first paint. Prints the time to the home
// screen painted and the time until the data is there too.
int startOnce(int argc, char **argv, QElapsedTimer &clock)
{
    FontWarmup fonts;
    QApplication app(argc, argv);
    fonts.wait();
    std::setlocale(LC_NUMERIC, "C");
    TLSetup::configureLook();
    PaintClock paint(clock);
    QMainWindow *window = TLSetup::showMainWindow();
    window->installEventFilter(&paint);
    while (paint.painted < 0 || !AppModel::sharedDeferred().isLoaded())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QApplication::processEvents();
    std::printf("%.1f %.1f\n", paint.painted, clock.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    delete window;
    return 0;
}

// The yardstick: the least a Qt Widgets program does to show a window.
int bareOnce(int argc, char **argv, QElapsedTimer &clock)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.resize(1280, 880);
    PaintClock paint(clock);
    label.installEventFilter(&paint);
    label.show();
    while (paint.painted < 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("%.1f\n", paint.painted);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && QByteArray(argv[1]) == "--once")
        return startOnce(argc, argv, clock);
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return bareOnce(argc, argv, clock);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    QList<double> inside, loaded, whole, bareInside, bareWhole;
    for (int i = 0; i < 2 * runs; ++i) {
        const bool bare = i % 2 == 1;
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
        if (!env.contains(QStringLiteral("TL_DATA_DIR")))
            env.insert(QStringLiteral("TL_DATA_DIR"), QStringLiteral(TL_SOURCE_DIR "/resources/data"));
        if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(env);
        QElapsedTimer wall;
        wall.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {bare ? QStringLiteral("--bare") : QStringLiteral("--once")});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::printf("start %d failed: %s\n", i + 1, child.readAllStandardError().constData());
            return 1;
        }
        (bare ? bareWhole : whole) << wall.nsecsElapsed() / 1e6;
        const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
        (bare ? bareInside : inside) << times.value(0).toDouble();
        if (!bare)
            loaded << times.value(1).toDouble();
    }
    auto report = [](const char *what, QList<double> t) {
        std::sort(t.begin(), t.end());
        std::printf("%s: median %.1f ms, worst %.1f ms\n", what, t.at(t.size() / 2), t.last());
        return t.at(t.size() / 2);
    };
    std::printf("%d starts of each\n", runs);
    const double tenterly = report("Tenterly, main() to home screen painted", inside);
    report("Tenterly, main() to data loaded after the first paint", loaded);
    report("Tenterly, whole process, start to exit", whole);
    const double label = report("bare Qt label, main() to window painted", bareInside);
    report("bare Qt label, whole process, start to exit", bareWhole);
    std::printf("ratio of the medians (main() to painted): %.2f\n", label > 0 ? tenterly / label : 0.0);
    return 0;
}
