#pragma once
// Offscreen pictures of kit windows for a person to look at, written under
// the build folder's look-shots/.

#include "look/app/TLThemes.h"

#include <QApplication>
#include <QDir>
#include <QLayout>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace lookshots {

// The looks every kit window is pictured in: a theme id and a file-name part.
struct Look
{
    QString theme;
    QString name;
};

inline QList<Look> looks()
{
    return {{TLThemes::warmID, QStringLiteral("default")},
            {TLThemes::highContrastID, QStringLiteral("high-contrast")},
            {QStringLiteral("cobalt-gunmetal"), QStringLiteral("cobalt")}};
}

// Lays the window out, lets queued rebuilds run, and writes <name>.png.
inline bool save(QWidget *window, const QString &name)
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    if (QLayout *l = window->layout())
        l->activate();
    QApplication::processEvents();
    const QString dir = QStringLiteral(TL_BUILD_DIR "/look-shots");
    QDir().mkpath(dir);
    return window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace lookshots
