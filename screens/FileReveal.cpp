#include "screens/FileReveal.h"

#include "data/Replaceable.h"
#include "services/Opener.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QUrl>

namespace FileReveal {
namespace {

Replaceable<Function> &current()
{
    static Replaceable<Function> function(revealWithDesktop);
    return function;
}

void openFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    Opener::open(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded));
}

} // namespace

Function replace(Function function)
{
    return current().replace(std::move(function));
}

void reveal(const QString &path)
{
    current()(path);
}

void revealWithDesktop(const QString &path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolder(path);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)}
         << QString();
    // Never block the window on the file manager: wait for its answer in the event loop.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [path](QDBusPendingCallWatcher *w) {
                         if (w->isError())
                             openFolder(path);
                         w->deleteLater();
                     });
}

} // namespace FileReveal
