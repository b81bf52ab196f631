#include "look/kit/MRBYAppMenuCommands.h"

#include "look/kit/KitMenus.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYKitHost.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

MRBYAppMenuCommands::MRBYAppMenuCommands(QWidget *parent) : QMenu(parent)
{
    m_about = addAction(QString());
    connect(m_about, &QAction::triggered, this, [] { MRBYAbout::show(); });
    m_website = addAction(QStringLiteral("Marrowby Website"));
    connect(m_website, &QAction::triggered, this, [] { MBLinks::open(MRBYKitHost::creditURLText()); });
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
    m_about->setText(mbMenuText(QStringLiteral("About ") + name));
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
