#include "app/TLSetup.h"

#include "app/AppMenus.h"
#include "app/AppModel.h"
#include "app/MainWindow.h"
#include "app/NetStatus.h"
#include "app/Opener.h"
#include "app/SingleInstance.h"
#include "app/TLHelp.h"
#include "app/TLHelpWindow.h"
#include "app/TLInfo.h"
#include "data/Badges.h"
#include "look/app/TLThemeRoot.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MBZoomHost.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYThemes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextStream>
#include <QTimer>

#include <utility>

namespace {

const QString kSelfTest = QStringLiteral("--selftest");
const QString kSnapshot = QStringLiteral("--tl-snapshot");
const QString kMoneyExample = QStringLiteral("--tl-money-example");

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

} // namespace

namespace TLSetup {

std::optional<int> childOperation(const QStringList &arguments)
{
    // The self-test's child operations are not part of this build.
    Q_UNUSED(arguments);
    return std::nullopt;
}

bool wantsHeadlessRunMode(const QStringList &arguments)
{
    return arguments.contains(kSelfTest) || arguments.contains(kSnapshot)
        || arguments.contains(kMoneyExample);
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
    return QStringLiteral("Tenterly needs a display to show its window: on a machine without one, "
                          "start it under a virtual display with \"xvfb-run -a ./run.sh\".");
}

std::optional<int> dispatch(const QStringList &arguments, QTextStream &out)
{
    // In this order: snapshot, example, self-test. A run mode this build
    // lacks still ends the process; its option also made the platform
    // offscreen, where a started window would never be seen or closed.
    const std::pair<QString, const char *> modes[] = {
        {kSnapshot, "snapshot mode not available in this build\n"},
        {kMoneyExample, "money example mode not available in this build\n"},
        {kSelfTest, "self-test not available in this build\n"},
    };
    for (const auto &[option, line] : modes) {
        if (arguments.contains(option)) {
            out << line;
            out.flush();
            return 2;
        }
    }
    return std::nullopt;
}

QStringList aboutLines()
{
    // "Checked Oct 2026" → "Information checked Oct 2026."
    QString checked = Badges::checkedLabel(TLInfo::dataCheckedISO);
    if (!checked.isEmpty())
        checked[0] = checked[0].toLower();
    return {QStringLiteral("Help for life on the road. Works offline."),
            QStringLiteral("Information ") + checked + QLatin1Char('.')};
}

void configure()
{
    // Before anything reads the current theme.
    MRBYThemes::setDefaultID(TLThemes::warmID);
    MRBYKit::install(TLInfo::appName, TLHelp::topics(), TLThemes::extras());
    MRBYHelp::setOpener([](const std::optional<QString> &topic) { TLHelpWindow::show(topic); });
    MRBYAbout::setExtraLines(aboutLines());
    AppModel::shared();
}

QMainWindow *makeMainWindow(AppModel &model)
{
    auto *window = new AppWindow;
    window->setObjectName(QStringLiteral("main"));
    window->setWindowTitle(TLInfo::appName);
    window->setMinimumSize(820, 560);
    // 1280 × 880, or less on a smaller screen, centred.
    MBWindowFrame::place(window, QSize(1280, 880));

    AppModel *m = &model;
    auto *root = new TLThemeRoot([m]() -> QWidget * {
        return new MBZoomHost([m]() -> QWidget * { return new MainWindow(*m); }, QSizeF(1060, 700));
    });
    window->setCentralWidget(root);
    AppMenus::install(window->menuBar(), model);
    return window;
}

int runApplication()
{
    configure();

    SingleInstance instance;
    if (instance.activateRunning())
        return 0;
    instance.listen();
    NetStatus::shared().start();

    QMainWindow *window = makeMainWindow(AppModel::shared());
    QObject::connect(&instance, &SingleInstance::raiseRequested, window,
                     [window] { MBWindowFrame::bringToFront(window); });
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}

} // namespace TLSetup
