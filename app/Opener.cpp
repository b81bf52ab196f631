#include "app/Opener.h"

#include <QDesktopServices>

namespace {
Opener::Function &current()
{
    static Opener::Function function = &Opener::openWithDesktop;
    return function;
}
} // namespace

void Opener::open(const QString &url)
{
    // A copy, so a function that replaces itself while running stays alive.
    const Function function = current();
    function(url);
}

Opener::Function Opener::replace(Function function)
{
    Function previous = std::move(current());
    current() = function ? std::move(function) : Function(&Opener::openWithDesktop);
    return previous;
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
