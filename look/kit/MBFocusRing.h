#pragma once
// The keyboard-focus ring of every control the kit and the application draw
// themselves: a rounded line 2 points wide at the control's zoom, in a colour
// the caller takes from its theme (the accent; high contrast's is yellow).

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

namespace MBFocusRing {

enum class Side {
    Inside,  // 1.5 points inside the shape's edge
    Outside, // 1.5 points outside it (the control keeps room for it)
};

// Rings the rounded rectangle `shape` (corner radius `radius`); leaves the
// painter as it found it.
void paint(QPainter &painter, const QRectF &shape, double radius, const QColor &color, double zoom,
           Side side = Side::Inside);

// Repaints `frame` whenever `field`, a control drawn inside it, takes or
// loses the focus: for frames that ring the text field they hold.
void repaintWithFocus(QWidget *frame, QWidget *field);

} // namespace MBFocusRing
