#include "look/kit/MBZoomCommands.h"

#include "look/kit/KitMenus.h"
#include "look/kit/MBZoom.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <cmath>

namespace MBZoomCommands {

QList<QAction *> addTo(QMenu *menu)
{
    QList<QAction *> actions;
    auto add = [&](QMenu *into, const QString &title, const QList<QKeySequence> &keys,
                   std::function<void()> effect) {
        actions << KitMenus::addItem(into, title, keys, std::move(effect));
        return actions.last();
    };
    add(menu, QStringLiteral("Zoom In"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        &MBZoom::zoomIn);
    add(menu, QStringLiteral("Zoom Out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        &MBZoom::zoomOut);
    add(menu, QStringLiteral("Actual Size (100%)"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        &MBZoom::actualSize);
    QMenu *levels = menu->addMenu(QStringLiteral("Zoom Level"));
    for (int level : MBZoom::levels) {
        QAction *a = add(levels, MBZoom::levelTitle(level), {}, [level] { MBZoom::setValue(level / 100.0); });
        a->setData(level);
    }
    KitMenus::markChoice(levels, [] { return QVariant(int(std::lround(MBZoom::value() * 100))); });
    menu->addSeparator();
    return actions;
}

} // namespace MBZoomCommands
