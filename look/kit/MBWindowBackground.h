#pragma once
// The kit's full-window backdrop: the theme's background colour, a faint
// sheen at the top and shade at the bottom, and a soft glow of the accent
// from the top leading corner. Children are drawn over it.

#include "look/kit/MBKitTheme.h"

#include <QWidget>

class MBWindowBackground : public QWidget
{
    Q_OBJECT
public:
    explicit MBWindowBackground(QWidget *parent = nullptr);

    // Paints the backdrop into `rect`; `zoom` scales the glow's radii.
    static void paint(QPainter &painter, const QRectF &rect, const MBKitTheme &kit,
                      Qt::LayoutDirection direction = Qt::LeftToRight, double zoom = 1.0);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_zoom;
};
