#pragma once
// Pictures of the application's windows for a person to look at, written
// under the build folder's shots/, and the checks a picture of a page makes.

#include "look/app/TLPrefs.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/Page.h"
#include "widgets/TLScroll.h"

#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QWidget>

namespace shots {

// The folder, with a closing "/".
inline QString dir()
{
    return QStringLiteral(TL_BUILD_DIR "/shots/");
}

// The theme, text size and zoom the next window is drawn in.
inline void setLook(const QString &theme, int textSize, double zoom = 1.0)
{
    Prefs::shared().setString(MRBYThemes::key, theme);
    Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
    MBZoom::setValue(zoom);
}

// Resizes and shows the window; true once it is on the screen.
inline bool show(QWidget *window, const QSize &size)
{
    window->resize(size);
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

// Writes the widget as drawn to <name>.png; the current data row's tag names
// it when no name is given.
inline bool save(QWidget *widget, const QString &name = QString())
{
    const QString file = name.isEmpty() ? QString::fromLatin1(QTest::currentDataTag()) : name;
    return QDir().mkpath(dir()) && widget->grab().save(dir() + file + QStringLiteral(".png"));
}

inline void scrollToEnd(const Page *page)
{
    QScrollBar *bar = page->scroll()->scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
}

// Why the page is cut at its right edge: "<name> runs past the page" for the
// first shown widget of its column that reaches past it; "" when none does.
inline QString runsPastPage(const Page *page)
{
    const int right = page->column()->width();
    for (QWidget *w : page->column()->findChildren<QWidget *>()) {
        if (w->isVisible() && w->parentWidget() == page->column() && w->geometry().right() >= right)
            return w->objectName() + QStringLiteral(" runs past the page");
    }
    return QString();
}

} // namespace shots
