#include "look/kit/MBWindowBackground.h"

#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

MBWindowBackground::MBWindowBackground(QWidget *parent)
    : QWidget(parent), m_zoom(MBZoomScope::current())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MBWindowBackground::paint(QPainter &p, const QRectF &r, const MBKitTheme &kit,
                               Qt::LayoutDirection direction, double zoom)
{
    QColor bg = kit.bg;
    bg.setAlphaF(1.0f);
    p.fillRect(r, bg);

    QLinearGradient sheen(r.center().x(), r.top(), r.center().x(), r.bottom());
    sheen.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.07f));
    sheen.setColorAt(0.5, QColor::fromRgbF(0, 0, 0, 0.0f));
    sheen.setColorAt(1.0, QColor::fromRgbF(0, 0, 0, 0.25f));
    p.fillRect(r, sheen);

    const QPointF corner = direction == Qt::RightToLeft ? r.topRight() : r.topLeft();
    const double outer = 700.0 * zoom;
    const double inner = 10.0 * zoom;
    QRadialGradient glow(corner, outer);
    QColor a = kit.accent;
    a.setAlphaF(0.18f);
    QColor clear = kit.accent;
    clear.setAlphaF(0.0f);
    glow.setColorAt(0.0, a);
    glow.setColorAt(inner / outer, a);
    glow.setColorAt(1.0, clear);
    p.fillRect(r, glow);
}

void MBWindowBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, QRectF(rect()), MRBYKitHost::theme(), layoutDirection(), m_zoom);
}
