#include "look/kit/MRBYThemes.h"

#include "look/kit/Prefs.h"

#include <algorithm>

namespace MRBYThemes {
namespace {

using F = MRBYTheme::Family;

QList<MRBYTheme> &registered()
{
    static QList<MRBYTheme> list;
    return list;
}

QString &defaultIDStore()
{
    static QString id = QStringLiteral("cobalt-gunmetal");
    return id;
}

} // namespace

const QList<MRBYTheme> &builtIn()
{
    static const QList<MRBYTheme> themes = {
        MRBYTheme::fromHex(QStringLiteral("cobalt-gunmetal"), QStringLiteral("Cobalt Gunmetal"),
                           F::Masculine, 0x14181F, 0x353C48, 0x1C2129, 0xF2F5FA, 0xA3AEC0, 0x2F7BF2),
        MRBYTheme::fromHex(QStringLiteral("candy-red-titanium"), QStringLiteral("Candy Red Titanium"),
                           F::Masculine, 0x1A1616, 0x403736, 0x231D1D, 0xFAF3F2, 0xC2AAA7, 0xD3262E),
        MRBYTheme::fromHex(QStringLiteral("rose-gold"), QStringLiteral("Rose Gold"),
                           F::Feminine, 0x24161D, 0x4A3039, 0x2C1B23, 0xFFF2F5, 0xD6AFBC, 0xE0789A),
        MRBYTheme::fromHex(QStringLiteral("lavender-pearl"), QStringLiteral("Lavender Pearl"),
                           F::Feminine, 0x1C1726, 0x40375A, 0x241D33, 0xF6F2FF, 0xBDB1DA, 0x9B7BE8),
        MRBYTheme::fromHex(QStringLiteral("midnight-black"), QStringLiteral("Midnight Black"),
                           F::Black, 0x050506, 0x26272B, 0x0E0E10, 0xFFFFFF, 0x9C9EA6, 0x5AA9FF),
        MRBYTheme::fromHex(QStringLiteral("brushed-gray"), QStringLiteral("Brushed Gray"),
                           F::Gray, 0x3A3D42, 0x6A6E75, 0x45484E, 0xFFFFFF, 0xD9DCE1, 0x1F6FD1),
    };
    return themes;
}

QList<MRBYTheme> all() { return builtIn() + registered(); }

void registerThemes(const QList<MRBYTheme> &themes)
{
    for (const MRBYTheme &t : themes) {
        const QList<MRBYTheme> known = all();
        const bool taken = std::any_of(known.begin(), known.end(),
                                       [&](const MRBYTheme &k) { return k.id == t.id; });
        if (!taken)
            registered().append(t);
    }
}

QString defaultID() { return defaultIDStore(); }

void setDefaultID(const QString &id) { defaultIDStore() = id; }

QString currentID()
{
    if (const auto stored = Prefs::shared().string(key))
        return *stored;
    return defaultID();
}

void setCurrentID(const QString &id) { Prefs::shared().setString(key, id); }

MRBYTheme named(const QString &id)
{
    const QList<MRBYTheme> themes = all();
    for (const MRBYTheme &t : themes)
        if (t.id == id)
            return t;
    const QString fallback = defaultID();
    for (const MRBYTheme &t : themes)
        if (t.id == fallback)
            return t;
    return builtIn().first();
}

MRBYTheme current() { return named(currentID()); }

} // namespace MRBYThemes
