#pragma once
// Where Tab stops in a window, and whether each stop shows that it has the
// focus: what a keyboard user sees, read from the window's pixels.

#include <QApplication>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace focussupport {

// The widgets Tab stops at, in order, from the window's start.
inline QList<QWidget *> tabStops(QWidget *window)
{
    QList<QWidget *> stops;
    for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled()
            && !stops.contains(w))
            stops << w;
    }
    return stops;
}

// A widget as a line of a failure message.
inline QString describe(const QWidget *w)
{
    if (!w)
        return QStringLiteral("nothing");
    return QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName() + u' '
           + w->accessibleName();
}

// How many pixels of two pictures of one size differ plainly (by more than a
// quarter in some channel): a ring in a colour close to what it stands on
// changes a few edge pixels slightly, and is not seen.
inline int plainlyChanged(const QImage &a, const QImage &b)
{
    int changed = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                          std::abs(p.blue() - q.blue())}) > 64)
                ++changed;
        }
    }
    return changed;
}

// Stops whose look does not plainly change when they take the focus. The
// parent is read too: a text field's ring is its frame's.
inline QStringList invisibleStops(QWidget *window)
{
    QStringList out;
    for (QWidget *w : tabStops(window)) {
        QWidget *around = w->parentWidget() ? w->parentWidget() : w;
        if (w->hasFocus())
            window->setFocus();
        QCoreApplication::processEvents();
        const QImage before = around->grab().toImage();
        w->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        if (plainlyChanged(around->grab().toImage(), before) < 20)
            out << describe(w);
    }
    return out;
}

} // namespace focussupport
