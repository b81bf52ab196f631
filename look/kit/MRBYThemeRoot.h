#pragma once
// The root of the kit's own windows (About, help): draws the kit backdrop,
// gives the content the kit's text colour on a dark-scheme palette, and
// builds the content afresh whenever the stored theme id changes.

#include "look/kit/MBKitTheme.h"
#include "look/kit/MBRebuildHost.h"

#include <QPalette>

class MRBYThemeRoot : public MBRebuildHost
{
    Q_OBJECT
public:
    explicit MRBYThemeRoot(Builder content, QWidget *parent = nullptr);

    // The theme id the content was built under: the stored id, else the
    // default id as it stood when the root was made.
    QString themeID() const { return identity(); }

    // The dark-scheme palette of kit colours the root sets on its content.
    static QPalette kitPalette(const MBKitTheme &kit);

    // A link colour that reads on the kit background: the dark scheme's
    // light blue, or a deeper blue when the theme's background is light.
    static QColor linkColor(const MBKitTheme &kit);

    // Text colour for a filled shape: white, or black where black stands out
    // more (a light fill such as a yellow accent, a mid blue).
    static QColor readableOn(const QColor &fill);

protected:
    void aboutToBuild() override;
    void paintEvent(QPaintEvent *event) override;

private:
    double m_zoom;
};
