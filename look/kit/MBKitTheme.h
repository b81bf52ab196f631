#pragma once
// The colours kit views draw with.

#include <QColor>

struct MBKitTheme
{
    QColor bg;
    QColor text;
    QColor dim;
    QColor rim;
    QColor accent;
    QColor panelTop;
    QColor panelBottom;
};
