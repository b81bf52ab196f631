#include "look/kit/MRBYHelpWindow.h"

#include "look/kit/KitKeys.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYHelpViewer.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemeRoot.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<MRBYHelpWindow> g_window;
}

QString MRBYHelpWindow::frameKey() { return KitKeys::helpWindowFrame; }

MRBYHelpWindow::MRBYHelpWindow() : QWidget(nullptr, Qt::Window)
{
    MBAccessible::markRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("MRBYHelpWindow"));
    // Closing the help window alone never ends the application.
    setAttribute(Qt::WA_QuitOnClose, false);
    mbColumn(this);
    resize(860, 600);
    // Leaving the application with the window open keeps its frame too.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            saveFrame();
    });
    MBWindowFrame::restore(this, frameKey());
}

MRBYHelpWindow *MRBYHelpWindow::instance() { return g_window; }

MRBYHelpWindow *MRBYHelpWindow::showTopic(const std::optional<QString> &topic)
{
    if (!g_window)
        g_window = new MRBYHelpWindow;
    MRBYHelpWindow *w = g_window;
    w->setWindowTitle(MRBYKitHost::appName() + QStringLiteral(" Help"));

    // A fresh viewer on every request: empty search, the topic asked for.
    MBRebuildHost::retire(w->layout(), w->m_root);
    w->m_root = new MRBYThemeRoot([topic] { return new MRBYHelpViewer(topic); }, w);
    w->layout()->addWidget(w->m_root);
    w->m_root->show();

    MBWindowFrame::bringToFront(w);
    return w;
}

MRBYHelpViewer *MRBYHelpWindow::viewer() const
{
    auto *root = qobject_cast<MRBYThemeRoot *>(m_root);
    return root ? qobject_cast<MRBYHelpViewer *>(root->content()) : nullptr;
}

void MRBYHelpWindow::saveFrame() { MBWindowFrame::save(this, frameKey()); }

void MRBYHelpWindow::hideEvent(QHideEvent *event)
{
    saveFrame();
    QWidget::hideEvent(event);
}

void MRBYHelp::showWindow(const std::optional<QString> &topic)
{
    MRBYHelpWindow::showTopic(topic);
}
