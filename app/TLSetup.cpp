#include "app/TLSetup.h"

#include "app/AppMenus.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/TLAccessible.h"
#include "app/TLHelp.h"
#include "app/TLHelpWindow.h"
#include "look/app/TLLookSetup.h"
#include "look/app/TLThemeRoot.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MBZoomHost.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYHelp.h"
#include "services/AppModel.h"
#include "services/NetStatus.h"
#include "services/Opener.h"
#include "services/TLInfo.h"
#include "widgets/TLAnnouncer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

const QString kSelfTest = QStringLiteral("--selftest");
const QString kSnapshot = QStringLiteral("--tl-snapshot");
const QString kMoneyExample = QStringLiteral("--tl-money-example");

// The smallest window; every page fits its width at 100 %.
const QSize kMinimumWindow(820, 560);
// The zoomed content takes the window's size: the sidebar and every page
// scroll by themselves (a page narrower than its content at a large zoom
// also sideways), so the page's scroll bars are the window's and one
// vertical bar shows, at the window's right edge.
const QSizeF kZoomedMinimum(0, 0);

// Closing the main window ends the application, whatever else is open.
class AppWindow final : public QMainWindow
{
public:
    AppWindow() { setAttribute(Qt::WA_QuitOnClose, true); }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMainWindow::closeEvent(event);
        if (event->isAccepted())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

// Calls `then` on the event loop's next turn after the watched window's first
// paint, then goes away.
class FirstPaintWatch final : public QObject
{
public:
    FirstPaintWatch(QObject *parent, std::function<void()> then) : QObject(parent), m_then(std::move(then)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_fired) {
            m_fired = true;
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_then;
    bool m_fired = false;
};

} // namespace

namespace TLSetup {

bool wantsHeadlessRunMode(const QStringList &arguments)
{
    // The snapshot and example modes run only with a folder after their
    // option; without one the application starts, and its window must be seen.
    const auto withFolder = [&arguments](const QString &option) {
        const qsizetype at = arguments.indexOf(option);
        return at >= 0 && at + 1 < arguments.size();
    };
    return arguments.contains(kSelfTest) || withFolder(kSnapshot) || withFolder(kMoneyExample);
}

void prepareEnvironment(const QStringList &arguments)
{
    if (wantsHeadlessRunMode(arguments) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QString missingDisplaySentence()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QString();
    return TLInfo::shortName
        + QStringLiteral(" needs a display to show its window: on a machine without one, "
                         "start it under a virtual display with \"xvfb-run -a ./run.sh\".");
}

QStringList aboutLines()
{
    return {QStringLiteral("Help for life on the road. Works offline."), TLInfo::informationCheckedLine()};
}

void configureLook()
{
    TLAccessible::install();
    TLLookSetup::install(TLInfo::appName, TLHelp::topics());
    MRBYHelp::setOpener([](const std::optional<QString> &topic) { TLHelpWindow::show(topic); });
    MRBYAbout::setExtraLines(aboutLines());
}

void configure()
{
    configureLook();
    AppModel::shared();
}

QMainWindow *makeMainWindow(AppModel &model)
{
    auto *window = new AppWindow;
    window->setObjectName(QStringLiteral("main"));
    window->setWindowTitle(TLInfo::appName);
    window->setMinimumSize(kMinimumWindow);
    // 1280 × 880, or less on a smaller screen, centred.
    MBWindowFrame::place(window, QSize(1280, 880));

    AppModel *m = &model;
    auto *root = new TLThemeRoot([m]() -> QWidget * {
        return new MBZoomHost([m]() -> QWidget * { return new MainWindow(*m); }, kZoomedMinimum);
    });
    window->setCentralWidget(root);
    AppMenus::install(window->menuBar(), model);
    TLAnnouncer::prepare(window);
    return window;
}

QMainWindow *showMainWindow()
{
    AppModel &model = AppModel::sharedDeferred();
    QMainWindow *window = makeMainWindow(model);
    if (!model.isLoaded()) {
        // After the first paint has been handed to the screen.
        auto *watch = new FirstPaintWatch(window, [&model] { model.load(); });
        window->installEventFilter(watch);
        // A window that is never painted (minimised, no display) still loads.
        QTimer::singleShot(500, &model, [&model] { model.load(); });
    }
    window->show();
    return window;
}

int runApplication()
{
    configureLook();

    SingleInstance instance;
    if (instance.activateRunning())
        return 0;
    instance.listen();
    NetStatus::shared().start();

    QMainWindow *window = showMainWindow();
    QObject::connect(&instance, &SingleInstance::raiseRequested, window,
                     [window] { MBWindowFrame::bringToFront(window); });
    const int status = QApplication::exec();
    delete window;
    return status;
}

} // namespace TLSetup
