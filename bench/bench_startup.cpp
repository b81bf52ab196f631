// Times start-up: from main() to the main window shown with the shipped data,
// as a person starting the application waits for it. Runs itself as a child
// process several times (each start is a fresh process) and prints median and
// worst. Usage: bench_startup [runs]

#include "app/AppModel.h"
#include "app/TLSetup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <clocale>
#include <cstdio>

namespace {

int startOnce(int argc, char **argv, QElapsedTimer &clock)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    TLSetup::configure();
    QMainWindow *window = TLSetup::makeMainWindow(AppModel::shared());
    window->show();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    QApplication::processEvents();
    std::printf("%.1f\n", clock.nsecsElapsed() / 1e6);
    std::fflush(stdout);
    delete window;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && QByteArray(argv[1]) == "--once")
        return startOnce(argc, argv, clock);

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10;
    QList<double> inside, whole;
    for (int i = 0; i < runs; ++i) {
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
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::printf("start %d failed: %s\n", i + 1, child.readAllStandardError().constData());
            return 1;
        }
        whole << wall.nsecsElapsed() / 1e6;
        inside << child.readAllStandardOutput().trimmed().toDouble();
    }
    auto report = [](const char *what, QList<double> t) {
        std::sort(t.begin(), t.end());
        std::printf("%s: median %.1f ms, worst %.1f ms\n", what, t.at(t.size() / 2), t.last());
    };
    std::printf("%d starts\n", runs);
    report("main() to window shown", inside);
    report("whole process, start to exit", whole);
    return 0;
}
