#pragma once
// The one style of every window: Fusion, with scroll bars whose thumb stands
// out from its groove in every theme (at least 3:1), and in high contrast the
// theme's outline around menus and pop-up buttons, which Fusion draws in a
// shade of the window colour that black hides. The menu bar's overflow
// button draws a symbol, not Fusion's picture file, whose loading would
// cost every start-up a round of image plug-in loading.

#include <QColor>
#include <QProxyStyle>

class TLProxyStyle : public QProxyStyle
{
    Q_OBJECT
public:
    TLProxyStyle();

    // Groove and thumb colours for a palette: the groove a faint step from
    // the window colour, the thumb the least mix of text into the window
    // colour that reaches 3:1 against the groove (more while pressed).
    static QColor grooveColor(const QPalette &palette);
    static QColor thumbColor(const QPalette &palette, bool active = false);

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl sub, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
