#include "services/Opener.h"

#include "data/Replaceable.h"

#include <QDesktopServices>

namespace {
Replaceable<Opener::Function> &current()
{
    static Replaceable<Opener::Function> function(&Opener::openWithDesktop);
    return function;
}
} // namespace

void Opener::open(const QString &url)
{
    current()(url);
}

Opener::Function Opener::replace(Function function)
{
    return current().replace(std::move(function));
}

void Opener::openWithDesktop(const QString &url)
{
    const QUrl u = toUrl(url);
    if (u.isValid() && !u.scheme().isEmpty())
        QDesktopServices::openUrl(u);
}

QUrl Opener::toUrl(const QString &url)
{
    return QUrl(url, QUrl::TolerantMode);
}
