#include "look/kit/MRBYTheme.h"

#include <QHash>

#include <algorithm>
#include <bit>
#include <cmath>

MRBYTheme::RGB MRBYTheme::RGB::fromHex(std::uint32_t hex)
{
    return RGB(((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0);
}

QColor MRBYTheme::RGB::color() const { return QColor::fromRgbF(float(r), float(g), float(b), 1.0f); }

double MRBYTheme::RGB::luminance() const
{
    auto lin = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
}

double MRBYTheme::RGB::contrast(const RGB &a, const RGB &b)
{
    const double la = a.luminance();
    const double lb = b.luminance();
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

MRBYTheme MRBYTheme::fromHex(const QString &id, const QString &name, Family family,
                             std::uint32_t bg, std::uint32_t panelTop, std::uint32_t panelBottom,
                             std::uint32_t text, std::uint32_t dim, std::uint32_t accent)
{
    return MRBYTheme{id,
                     name,
                     family,
                     RGB::fromHex(bg),
                     RGB::fromHex(panelTop),
                     RGB::fromHex(panelBottom),
                     RGB::fromHex(text),
                     RGB::fromHex(dim),
                     RGB::fromHex(accent)};
}

MBKitTheme MRBYTheme::kitTheme() const
{
    MBKitTheme k;
    k.bg = bg.color();
    k.text = text.color();
    k.dim = readable(dim.color(), k.text, {bg.color(), panelTop.color(), panelBottom.color()}, textRatio);
    k.rim = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.25f);
    k.accent = accent.color();
    k.panelTop = panelTop.color();
    k.panelBottom = panelBottom.color();
    return k;
}

QColor MRBYTheme::mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() * t + b.redF() * (1 - t)),
                            float(a.greenF() * t + b.greenF() * (1 - t)),
                            float(a.blueF() * t + b.blueF() * (1 - t)));
}

double MRBYTheme::contrast(const QColor &a, const QColor &b)
{
    return RGB::contrast(RGB(a.redF(), a.greenF(), a.blueF()), RGB(b.redF(), b.greenF(), b.blueF()));
}

namespace {

QColor workOutReadable(const QColor &ink, const QColor &toward, const QList<QColor> &grounds, double ratio)
{
    const auto standsOut = [&](const QColor &c) {
        return std::all_of(grounds.begin(), grounds.end(),
                           [&](const QColor &g) { return MRBYTheme::contrast(c, g) >= ratio; });
    };
    if (standsOut(ink))
        return ink;
    // Small steps from the ink: the contrast may dip before it rises (ink
    // darker than a ground it must outshine), so no bisection.
    constexpr int steps = 64;
    for (int i = 1; i < steps; ++i) {
        const QColor c = MRBYTheme::mix(toward, ink, double(i) / steps);
        if (standsOut(c))
            return c;
    }
    return MRBYTheme::mix(toward, ink, 1.0);
}

} // namespace

QColor MRBYTheme::readable(const QColor &ink, const QColor &toward, const QList<QColor> &grounds, double ratio)
{
    // Painting asks for the same few colours again and again (every icon at
    // every paint); the answer depends on the arguments alone.
    static QHash<QByteArray, QColor> known;
    QByteArray key;
    const auto add = [&key](quint64 v) { key.append(reinterpret_cast<const char *>(&v), sizeof v); };
    add(ink.rgba64());
    add(toward.rgba64());
    add(std::bit_cast<quint64>(ratio));
    for (const QColor &g : grounds)
        add(g.rgba64());
    if (const auto it = known.constFind(key); it != known.constEnd())
        return *it;
    if (known.size() > 512)
        known.clear();
    return *known.insert(key, workOutReadable(ink, toward, grounds, ratio));
}

QString MRBYTheme::familyName(Family family)
{
    switch (family) {
    case Family::Masculine: return QStringLiteral("masculine");
    case Family::Feminine: return QStringLiteral("feminine");
    case Family::Black: return QStringLiteral("black");
    case Family::Gray: return QStringLiteral("gray");
    case Family::Extra: return QStringLiteral("extra");
    }
    return QString();
}

std::optional<MRBYTheme::Family> MRBYTheme::familyFromName(const QString &name)
{
    for (Family f : {Family::Masculine, Family::Feminine, Family::Black, Family::Gray, Family::Extra}) {
        if (familyName(f) == name)
            return f;
    }
    return std::nullopt;
}
