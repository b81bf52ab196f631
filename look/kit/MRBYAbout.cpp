#include "look/kit/MRBYAbout.h"

#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MRBYAboutView.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemeRoot.h"

#include <QDate>
#include <QPointer>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

namespace MRBYAbout {
namespace {

QStringList &extraStore()
{
    static QStringList lines;
    return lines;
}

QPointer<QWidget> g_window;

std::optional<QString> compiled(const char *value)
{
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}

} // namespace

QStringList extraLines() { return extraStore(); }

void setExtraLines(const QStringList &lines) { extraStore() = lines; }

QString versionLine(const std::optional<QString> &shortVersion, const std::optional<QString> &build)
{
    QString line = QStringLiteral("Version ") + shortVersion.value_or(QStringLiteral("1.0"));
    if (build)
        line += QStringLiteral(" (") + *build + QLatin1Char(')');
    return line;
}

QString version()
{
#ifdef TL_APP_VERSION
    const std::optional<QString> shortVersion = compiled(TL_APP_VERSION);
#else
    const std::optional<QString> shortVersion;
#endif
#ifdef TL_APP_BUILD
    const std::optional<QString> build = compiled(TL_APP_BUILD);
#else
    const std::optional<QString> build;
#endif
    return versionLine(shortVersion, build);
}

QString copyrightLine()
{
    return QStringLiteral("\u00A9 ") + QString::number(QDate::currentDate().year())
           + QStringLiteral(" " TL_MAKER_NAME " (" TL_MAKER_SHORT ")");
}

QWidget *window() { return g_window; }

void show()
{
    if (!g_window) {
        // Titled and closable only: no minimise, no resizing.
        auto *w = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                           | Qt::WindowCloseButtonHint);
        MBAccessible::markRole(w, QAccessible::Window);
        w->setObjectName(QStringLiteral("MRBYAboutWindow"));
        w->setAttribute(Qt::WA_QuitOnClose, false);
        mbColumn(w);
        w->setFixedSize(440, 380);
        // The window itself holds the focus when it opens, so Return does
        // not open the website by surprise; Esc closes it.
        w->setFocusPolicy(Qt::StrongFocus);
        auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), w);
        QObject::connect(esc, &QShortcut::activated, w, &QWidget::close);
        MBWindowFrame::centre(w);
        g_window = w;
    }
    QWidget *w = g_window;
    w->setWindowTitle(QStringLiteral("About ") + MRBYKitHost::appName());

    QLayout *layout = w->layout();
    while (QLayoutItem *item = layout->takeAt(0)) {
        MBRebuildHost::retire(nullptr, item->widget());
        delete item;
    }
    auto *root = new MRBYThemeRoot([] { return new MRBYAboutView; }, w);
    root->setObjectName(QStringLiteral("aboutRoot"));
    layout->addWidget(root);
    root->show();
    // Room for long extra lines: never smaller than 440 × 380.
    layout->activate();
    const QSize need = root->sizeHint().expandedTo(QSize(440, 380));
    w->setFixedSize(need);

    w->show();
    w->raise();
    w->activateWindow();
    w->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace MRBYAbout
