#include "look/kit/MBLinks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace MBLinks {
namespace {

Opener &store()
{
    static Opener o = &openWithDesktop;
    return o;
}

} // namespace

Opener opener() { return store(); }

void setOpener(Opener o) { store() = o ? std::move(o) : Opener(&openWithDesktop); }

void open(const QString &url)
{
    // A copy, so an opener that replaces itself while running stays alive.
    const Opener o = store();
    o(url);
}

void openWithDesktop(const QString &url)
{
    const QUrl u(url, QUrl::TolerantMode);
    const bool ok = u.isValid() && !u.scheme().isEmpty() && QDesktopServices::openUrl(u);
    if (!ok && qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::beep();
}

} // namespace MBLinks
