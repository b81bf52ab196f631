#include "look/kit/MBWindowFrame.h"

#include "look/kit/Prefs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace MBWindowFrame {

namespace {

QRect availableFor(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The window manager's frame once the window has one, else the allowance.
QMargins decorationsOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                         frame.bottom() - client.bottom());
    return known.isNull() ? decorationAllowance : known;
}

void moveTo(QWidget *window, const QRect &client, const QMargins &decorations)
{
    window->resize(client.size());
    window->move(client.topLeft() - QPoint(decorations.left(), decorations.top()));
}

} // namespace

QRect fitted(QSize wanted, QSize minimum, const QRect &available, const QMargins &decorations,
             std::optional<QPoint> at)
{
    if (!available.isValid())
        return QRect(at.value_or(QPoint(0, 0)), wanted.expandedTo(minimum));
    const QSize room(available.width() - decorations.left() - decorations.right(),
                     available.height() - decorations.top() - decorations.bottom());
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    QRect frame(QPoint(0, 0), size.grownBy(decorations));
    if (at && available.contains(QRect(*at, frame.size())))
        frame.moveTopLeft(*at);
    else
        frame.moveCenter(available.center());
    return QRect(frame.topLeft() + QPoint(decorations.left(), decorations.top()), size);
}

void place(QWidget *window, QSize wanted)
{
    const QMargins decorations = decorationsOf(window);
    moveTo(window, fitted(wanted, window->minimumSize(), availableFor(window), decorations), decorations);
}

void centre(QWidget *window) { place(window, window->size()); }

void restore(QWidget *window, const QString &key)
{
    const QString saved = Prefs::shared().string(key).value_or(QString());
    if (saved.isEmpty() || !window->restoreGeometry(QByteArray::fromBase64(saved.toLatin1()))) {
        centre(window);
        return;
    }
    // A frame saved on a larger screen is brought back within this one.
    keepOnScreen(window);
}

void keepOnScreen(QWidget *window)
{
    const QMargins decorations = decorationsOf(window);
    moveTo(window, fitted(window->size(), window->minimumSize(), availableFor(window), decorations, window->pos()),
           decorations);
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
