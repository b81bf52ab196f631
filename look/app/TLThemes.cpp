#include "look/app/TLThemes.h"

#include "look/app/TLPrefs.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

namespace TLThemes {
namespace {

MRBYTheme make(const QString &id, const char *name, std::uint32_t bg, std::uint32_t top,
               std::uint32_t bottom, std::uint32_t text, std::uint32_t dim, std::uint32_t accent)
{
    using RGB = MRBYTheme::RGB;
    MRBYTheme t;
    t.id = id;
    t.name = QString::fromUtf8(name);
    t.family = MRBYTheme::Family::Extra;
    t.bg = RGB::fromHex(bg);
    t.panelTop = RGB::fromHex(top);
    t.panelBottom = RGB::fromHex(bottom);
    t.text = RGB::fromHex(text);
    t.dim = RGB::fromHex(dim);
    t.accent = RGB::fromHex(accent);
    return t;
}

} // namespace

const QList<MRBYTheme> &extras()
{
    static const QList<MRBYTheme> themes = {
        make(warmID, "Warm Sand (calm, light)", 0xF4ECE1, 0xFFFBF6, 0xF6EDE1, 0x2A1F17, 0x5C4838, 0x2C6A63),
        make(emberID, "Evening Ember (calm, dark)", 0x1D1714, 0x3A2E27, 0x261E1A, 0xFBF3EC, 0xD6C1B1, 0xD98A4E),
        make(highContrastID, "High Contrast", 0x000000, 0x141414, 0x000000, 0xFFFFFF, 0xF2F2F2, 0xFFD60A),
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
