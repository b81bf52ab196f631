#include "look/kit/MRBYHelpCommands.h"

#include "look/kit/MBFont.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKitHost.h"

#include <QAction>
#include <QKeySequence>

MRBYHelpCommands::MRBYHelpCommands(QWidget *parent) : QMenu(QStringLiteral("&Help"), parent)
{
    m_help = new QAction(this);
    m_help->setShortcuts({QKeySequence(QStringLiteral("Ctrl+?")), QKeySequence(Qt::Key_F1)});
    m_help->setShortcutContext(Qt::ApplicationShortcut);
    // Its own context: a menu drops every connection of an action it lets go.
    connect(m_help, &QAction::triggered, m_help, [] {
        if (const MRBYHelp::Opener open = MRBYHelp::opener())
            open(std::nullopt);
    });
    rebuild();
    connect(this, &QMenu::aboutToShow, this, &MRBYHelpCommands::rebuild);
}

void MRBYHelpCommands::rebuild()
{
    // The first item stays; everything after it is made afresh.
    for (QAction *a : actions()) {
        if (a == m_help)
            continue;
        removeAction(a);
        a->deleteLater();
    }
    m_help->setText(mbMenuText(MRBYKitHost::appName() + QStringLiteral(" Help")));
    if (!actions().contains(m_help))
        addAction(m_help);
    addSeparator();
    for (const MRBYHelpTopic &t : MRBYHelp::allTopics()) {
        QAction *a = addAction(mbMenuText(t.title));
        a->setData(t.id);
        const QString id = t.id;
        connect(a, &QAction::triggered, this, [id] {
            if (const MRBYHelp::Opener open = MRBYHelp::opener())
                open(id);
        });
    }
    addSeparator();
    m_website = addAction(MRBYKitHost::creditLinkTitle);
    connect(m_website, &QAction::triggered, this, [] { MBLinks::open(MRBYKitHost::creditURLText()); });
}

QList<QAction *> MRBYHelpCommands::topicActions() const
{
    QList<QAction *> out;
    for (QAction *a : actions()) {
        if (!a->isSeparator() && a != m_help && a != m_website)
            out << a;
    }
    return out;
}
