#include "look/kit/MBWindowFrame.h"

#include "look/kit/Prefs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace MBWindowFrame {

void centre(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), window->size());
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void restore(QWidget *window, const QString &key)
{
    const QString saved = Prefs::shared().string(key).value_or(QString());
    if (saved.isEmpty() || !window->restoreGeometry(QByteArray::fromBase64(saved.toLatin1())))
        centre(window);
}

void save(const QWidget *window, const QString &key)
{
    Prefs::shared().setString(key, QString::fromLatin1(window->saveGeometry().toBase64()));
}

void bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace MBWindowFrame
