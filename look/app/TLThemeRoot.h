#pragma once
// The root of every application window: rebuilds its content when
// "mrby.theme" or "tl.textSize" changes, paints TLBackground behind it, and
// sets the palette of the moment on itself and on the application (menus,
// pop-ups and tool tips are separate windows).

#include "look/kit/MBRebuildHost.h"

class TLThemeRoot : public MBRebuildHost
{
    Q_OBJECT
public:
    explicit TLThemeRoot(Builder build, QWidget *parent = nullptr);

    // The identity the content is built under: theme id, "-", text size.
    static QString identityText();

    // The application's style, the current palette and the kit's keyboard
    // handling on the application; call once after the QApplication exists
    // (the root calls it on every build).
    static void applyApplicationLook();

protected:
    void aboutToBuild() override;
    void paintEvent(QPaintEvent *event) override;
};
