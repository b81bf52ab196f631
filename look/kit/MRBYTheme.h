#pragma once
// A colour theme: a named set of six colours, with the WCAG luminance and
// contrast arithmetic.

#include "look/kit/MBKitTheme.h"

#include <QColor>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

struct MRBYTheme
{
    enum class Family { Masculine, Feminine, Black, Gray, Extra };

    struct RGB
    {
        double r = 0.0;
        double g = 0.0;
        double b = 0.0;

        RGB() = default;
        RGB(double red, double green, double blue) : r(red), g(green), b(blue) {}
        // 0xRRGGBB; the top byte is ignored.
        static RGB fromHex(std::uint32_t hex);

        QColor color() const;
        // WCAG 2.0 relative luminance.
        double luminance() const;
        // WCAG contrast ratio, 1…21, order of the arguments does not matter.
        static double contrast(const RGB &a, const RGB &b);

        bool operator==(const RGB &o) const { return r == o.r && g == o.g && b == o.b; }
    };

    QString id;
    QString name;
    Family family = Family::Extra;
    RGB bg;
    RGB panelTop;
    RGB panelBottom;
    RGB text;
    RGB dim;
    RGB accent;

    // A theme from 0xRRGGBB colours, in the order of the fields.
    static MRBYTheme fromHex(const QString &id, const QString &name, Family family,
                             std::uint32_t bg, std::uint32_t panelTop, std::uint32_t panelBottom,
                             std::uint32_t text, std::uint32_t dim, std::uint32_t accent);

    // The kit colours; the secondary text colour made readable (4.5:1) on
    // the window and on panels.
    MBKitTheme kitTheme() const;

    // `t` of a and the rest of b, opaque (for derived palette colours).
    static QColor mix(const QColor &a, const QColor &b, double t);

    // WCAG contrast ratio of two colours (their opacity ignored).
    static double contrast(const QColor &a, const QColor &b);
    // How far text stands out from what it stands on, at least; icons and
    // large figures need less.
    static constexpr double textRatio = 4.5;
    static constexpr double figureRatio = 3.0;
    // The readability rule: `ink` as it is when it stands out `ratio`:1 from
    // every colour of `grounds`; else moved toward `toward` (the theme's
    // text colour) just far enough that it does; `toward` itself when even
    // that falls short.
    static QColor readable(const QColor &ink, const QColor &toward, const QList<QColor> &grounds, double ratio);

    // Themes are the same theme when their ids are equal.
    bool operator==(const MRBYTheme &o) const { return id == o.id; }

    static QString familyName(Family family);
    // Case-sensitive; none for any other text.
    static std::optional<Family> familyFromName(const QString &name);
};
