#include "app/AppMenus.h"

#include "data/FavoritesStore.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/KitMenus.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/ResourceSheet.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "services/ReportLink.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace AppMenus {

QMenu *addFileMenu(QMenuBar *bar, AppModel &model)
{
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    AppModel *m = &model;
    const auto go = [m](Screen screen) { return [m, screen] { m->setScreen(screen); }; };

    using KitMenus::addItem;
    // Search already shown is not built again, so the field is given the
    // keyboard here; a new Search screen takes it when it first shows.
    addItem(file, QStringLiteral("Search Everything"), {QKeySequence(Qt::CTRL | Qt::Key_F)},
            [m, menus = QPointer<QMenuBar>(bar)] {
                m->setScreen(Screen::search);
                auto *field = menus ? menus->window()->findChild<QLineEdit *>(QStringLiteral("searchField"))
                                    : nullptr;
                if (!field || !field->isVisible())
                    return;
                // A field that has the keyboard gets no focus event, which
                // would select its text and bring it into view.
                if (field->hasFocus()) {
                    field->selectAll();
                    MBKeyboard::showInView(field);
                } else {
                    field->setFocus(Qt::ShortcutFocusReason);
                }
            });
    addItem(file, QStringLiteral("Right Now (Home)"), {QKeySequence(Qt::CTRL | Qt::Key_1)},
            go(Screen::home));
    addItem(file, QStringLiteral("My List"), {QKeySequence(Qt::CTRL | Qt::Key_2)}, go(Screen::myList));
    addItem(file, QStringLiteral("Survival Guide"), {QKeySequence(Qt::CTRL | Qt::Key_3)},
            go(Screen::guide));
    addItem(file, QStringLiteral("Money Plan"), {QKeySequence(Qt::CTRL | Qt::Key_4)}, go(Screen::money));
    file->addSeparator();

    addItem(file, QStringLiteral("My Resources Sheet\u2026"), {}, go(Screen::sheet));
    // Without data there is no sheet, and the item does nothing.
    addItem(file, QStringLiteral("Print My Resources Sheet\u2026"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
            [m] {
                if (!m->data())
                    return;
                const FavoritesStore *store = m->favorites();
                ResourceSheet::build(m->stateCode(), *m->data(), store ? store->items() : QList<Favorite>{})
                    .printSheet();
            });
    file->addSeparator();
    addItem(file, QStringLiteral("Report a Wrong Listing\u2026"), {},
            [] { Opener::open(ReportLink::mailto(nullptr)); });
    return file;
}

void addViewItems(QMenu *view)
{
    QMenu *sizes = view->addMenu(QStringLiteral("Text Size"));
    const QStringList names = TLStyle::textSizeNames();
    for (int i = 0; i < names.size(); ++i)
        KitMenus::addItem(sizes, mbMenuText(names.at(i)), {}, [i] { TLStyle::setTextSize(i); })->setData(i);
    KitMenus::markChoice(sizes, [] { return QVariant(TLStyle::textSize()); });

    QAction *contrast = KitMenus::addItem(view, TLThemes::highContrastMenuTitle(), {}, [] {
        TLThemes::setHighContrast(!TLThemes::isHighContrast());
    });
    contrast->setObjectName(QStringLiteral("highContrastItem"));
    const QPointer<QAction> item(contrast);
    const auto retitle = [item] {
        if (item)
            item->setText(TLThemes::highContrastMenuTitle());
    };
    QObject::connect(view, &QMenu::aboutToShow, contrast, retitle);
    QObject::connect(&Prefs::shared(), &Prefs::changed, contrast, [retitle](const QString &key) {
        if (key == MRBYThemes::key)
            retitle();
    });
    view->addSeparator();
}

void install(QMenuBar *bar, AppModel &model)
{
    KitMenus::addAppMenu(bar);
    addFileMenu(bar, model);
    QMenu *view = KitMenus::addZoomItems(bar);
    addViewItems(view);
    KitMenus::addThemeMenu(bar);
    KitMenus::addHelpMenu(bar);
}

} // namespace AppMenus
