#include "look/kit/MRBYAppMenuCommands.h"

#include "look/kit/KitMenus.h"
#include "look/kit/MBFont.h"
#include "look/kit/MRBYAboutCommands.h"
#include "look/kit/MRBYKitHost.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

MRBYAppMenuCommands::MRBYAppMenuCommands(QWidget *parent) : QMenu(parent)
{
    const QList<QAction *> about = MRBYAboutCommands::addTo(this);
    m_about = about.at(0);
    m_website = about.at(1);
    addSeparator();
    m_quit = KitMenus::addItem(this, QStringLiteral("Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)},
                               &MRBYAppMenuCommands::quit);
    m_quit->setMenuRole(QAction::QuitRole);
    refreshTitles();
    connect(this, &QMenu::aboutToShow, this, &MRBYAppMenuCommands::refreshTitles);
}

void MRBYAppMenuCommands::refreshTitles()
{
    const QString name = MRBYKitHost::appName();
    // Alt and the name's first letter open it, like the other menus.
    setTitle(QLatin1Char('&') + mbMenuText(name));
    m_about->setText(MRBYAboutCommands::aboutTitle());
}

void MRBYAppMenuCommands::quit()
{
    QApplication::closeAllWindows();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->testAttribute(Qt::WA_QuitOnClose) && w->isWindow()
            && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip))
            return; // a window refused to close (unsaved work)
    }
    QCoreApplication::quit();
}
