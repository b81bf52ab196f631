#include "look/kit/MRBYKitHost.h"

#include "look/kit/MRBYThemes.h"

#include <optional>

namespace MRBYKitHost {
namespace {

std::function<MBKitTheme()> &hook()
{
    static std::function<MBKitTheme()> h = [] { return MRBYThemes::current().kitTheme(); };
    return h;
}

QString &nameStore()
{
    // The compiled-in application name stands for the bundle's name.
    static QString name = [] {
#ifdef TL_APP_NAME
        const QString compiled = QStringLiteral(TL_APP_NAME);
        if (!compiled.isEmpty())
            return compiled;
#endif
        return QStringLiteral(TL_MAKER_SHORT " App");
    }();
    return name;
}

} // namespace

MBKitTheme theme()
{
    const auto &h = hook();
    return h ? h() : MRBYThemes::current().kitTheme();
}

void setThemeHook(std::function<MBKitTheme()> h) { hook() = std::move(h); }

QString appName() { return nameStore(); }

void setAppName(const QString &name) { nameStore() = name; }

QString creditURLText() { return QStringLiteral(TL_MAKER_URL); }

QUrl creditURL()
{
    static const QUrl url(creditURLText());
    return url;
}

} // namespace MRBYKitHost
