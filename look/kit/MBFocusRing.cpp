#include "look/kit/MBFocusRing.h"

#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

#include <algorithm>

namespace {

class FocusRepaint final : public QObject
{
public:
    explicit FocusRepaint(QWidget *frame) : QObject(frame), m_frame(frame) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            m_frame->update();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_frame;
};

} // namespace

namespace MBFocusRing {

void paint(QPainter &painter, const QRectF &shape, double radius, const QColor &color, double zoom,
           Side side)
{
    const double offset = (side == Side::Inside ? 1.5 : -1.5) * zoom;
    const QRectF ring = shape.adjusted(offset, offset, -offset, -offset);
    const double r = std::clamp(radius - offset, 0.0, std::min(ring.width(), ring.height()) / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2.0 * zoom));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(ring, r, r);
    painter.restore();
}

void repaintWithFocus(QWidget *frame, QWidget *field)
{
    field->installEventFilter(new FocusRepaint(frame));
}

} // namespace MBFocusRing
