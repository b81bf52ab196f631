#include "look/kit/MRBYAboutCommands.h"

#include "look/kit/MBFont.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYKitHost.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace MRBYAboutCommands {

QString aboutTitle() { return mbMenuText(QStringLiteral("About ") + MRBYKitHost::appName()); }

QList<QAction *> addTo(QMenu *menu)
{
    QAction *about = menu->addAction(aboutTitle());
    QObject::connect(about, &QAction::triggered, about, [] { MRBYAbout::show(); });
    QAction *website = menu->addAction(MRBYKitHost::creditLinkTitle);
    QObject::connect(website, &QAction::triggered, website,
                     [] { MBLinks::open(MRBYKitHost::creditURLText()); });
    const QPointer<QAction> item(about);
    QObject::connect(menu, &QMenu::aboutToShow, about, [item] {
        if (item)
            item->setText(aboutTitle());
    });
    return {about, website};
}

} // namespace MRBYAboutCommands
