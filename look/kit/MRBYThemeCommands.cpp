#include "look/kit/MRBYThemeCommands.h"

#include "look/kit/MBFont.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QActionGroup>

MRBYThemeCommands::MRBYThemeCommands(QWidget *parent) : QMenu(QStringLiteral("&Theme"), parent)
{
    rebuild();
    connect(this, &QMenu::aboutToShow, this, &MRBYThemeCommands::rebuild);
    connect(&Prefs::shared(), &Prefs::changed, this, [this](const QString &key) {
        if (key == MRBYThemes::key)
            syncChecks();
    });
}

void MRBYThemeCommands::rebuild()
{
    for (QAction *a : actions()) {
        removeAction(a);
        a->deleteLater();
    }
    // One of many: the group draws radio marks. Optional, so that an id that
    // names no theme can leave every item unchecked.
    delete m_group;
    m_group = new QActionGroup(this);
    m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const MRBYTheme &t : MRBYThemes::all()) {
        QAction *a = addAction(mbMenuText(t.name));
        m_group->addAction(a);
        a->setData(t.id);
        a->setCheckable(true);
        const QString id = t.id;
        connect(a, &QAction::triggered, this, [this, id] {
            MRBYThemes::setCurrentID(id);
            // Choosing the checked item again must leave it checked.
            syncChecks();
        });
    }
    syncChecks();
}

void MRBYThemeCommands::syncChecks()
{
    const QString current = MRBYThemes::currentID();
    for (QAction *a : actions())
        a->setChecked(a->data().toString() == current);
}

QAction *MRBYThemeCommands::actionFor(const QString &id) const
{
    for (QAction *a : actions()) {
        if (a->data().toString() == id)
            return a;
    }
    return nullptr;
}
