#include "look/kit/KitMenus.h"

#include "look/kit/MBFont.h"
#include "look/kit/MBZoomCommands.h"
#include "look/kit/MRBYAppMenuCommands.h"
#include "look/kit/MRBYHelpCommands.h"
#include "look/kit/MRBYThemeCommands.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace KitMenus {

QAction *addItem(QMenu *menu, const QString &title, const QList<QKeySequence> &shortcuts,
                 std::function<void()> run)
{
    QAction *action = menu->addAction(title);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, action, std::move(run));
    return action;
}

void markChoice(QMenu *menu, std::function<QVariant()> current)
{
    auto *group = new QActionGroup(menu);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction *a : menu->actions()) {
        a->setCheckable(true);
        group->addAction(a);
    }
    const auto sync = [menu, current = std::move(current)] {
        const QVariant value = current();
        for (QAction *a : menu->actions())
            a->setChecked(a->data() == value);
    };
    QObject::connect(menu, &QMenu::aboutToShow, menu, sync);
    // Choosing the checked item again leaves it checked.
    QObject::connect(group, &QActionGroup::triggered, menu, sync);
    sync();
}

MRBYAppMenuCommands *addAppMenu(QMenuBar *bar)
{
    auto *m = new MRBYAppMenuCommands(bar);
    bar->addMenu(m);
    return m;
}

QMenu *findMenu(QMenuBar *bar, const QString &title)
{
    for (QAction *a : bar->actions()) {
        QMenu *m = a->menu();
        if (!m)
            continue;
        if (mbShownText(m->title()) == title)
            return m;
    }
    return nullptr;
}

QMenu *addZoomItems(QMenuBar *bar)
{
    QMenu *view = findMenu(bar, QStringLiteral("View"));
    if (!view)
        view = bar->addMenu(QStringLiteral("&View"));
    else if (!view->isEmpty())
        view->addSeparator();
    MBZoomCommands::addTo(view);
    return view;
}

MRBYThemeCommands *addThemeMenu(QMenuBar *bar)
{
    auto *m = new MRBYThemeCommands(bar);
    bar->addMenu(m);
    return m;
}

MRBYHelpCommands *addHelpMenu(QMenuBar *bar)
{
    auto *m = new MRBYHelpCommands(bar);
    bar->addMenu(m);
    return m;
}

void install(QMenuBar *bar, const std::function<void(QMenuBar *)> &ownMenus)
{
    addAppMenu(bar);
    if (ownMenus)
        ownMenus(bar);
    addZoomItems(bar);
    addThemeMenu(bar);
    addHelpMenu(bar);
}

} // namespace KitMenus
