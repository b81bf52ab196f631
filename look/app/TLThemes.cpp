#include "look/app/TLThemes.h"

#include "look/app/TLPrefs.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

namespace TLThemes {

const QList<MRBYTheme> &extras()
{
    static const QList<MRBYTheme> themes = {
        MRBYTheme::fromHex(warmID, QStringLiteral("Warm Sand (calm, light)"), MRBYTheme::Family::Extra,
                           0xF4ECE1, 0xFFFBF6, 0xF6EDE1, 0x2A1F17, 0x5C4838, 0x2C6A63),
        MRBYTheme::fromHex(emberID, QStringLiteral("Evening Ember (calm, dark)"), MRBYTheme::Family::Extra,
                           0x1D1714, 0x3A2E27, 0x261E1A, 0xFBF3EC, 0xD6C1B1, 0xD98A4E),
        MRBYTheme::fromHex(highContrastID, QStringLiteral("High Contrast"), MRBYTheme::Family::Extra,
                           0x000000, 0x141414, 0x000000, 0xFFFFFF, 0xF2F2F2, 0xFFD60A),
    };
    return themes;
}

bool isHighContrast() { return MRBYThemes::currentID() == highContrastID; }

void setHighContrast(bool on)
{
    Prefs &prefs = Prefs::shared();
    if (on) {
        const QString current = MRBYThemes::currentID();
        if (current != highContrastID)
            prefs.setString(TLPrefs::previousThemeKey, current);
        MRBYThemes::setCurrentID(highContrastID);
        return;
    }
    const auto previous = prefs.string(TLPrefs::previousThemeKey);
    if (previous && *previous != highContrastID)
        MRBYThemes::setCurrentID(*previous);
    else
        MRBYThemes::setCurrentID(warmID);
}

QString highContrastMenuTitle()
{
    return isHighContrast() ? QStringLiteral("Turn Off High Contrast")
                            : QStringLiteral("Turn On High Contrast");
}

} // namespace TLThemes
