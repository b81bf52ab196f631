#include "look/kit/MBPanel.h"

#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

MBPanel::MBPanel(QWidget *content, double radius, double padding, QWidget *parent)
    : QWidget(parent),
      m_content(content),
      m_layout(new QVBoxLayout(this)),
      m_radius(radius),
      m_padding(padding),
      m_zoom(MBZoomScope::current())
{
    m_layout->setSpacing(0);
    setPadding(padding);
    if (m_content)
        m_layout->addWidget(m_content);
}

void MBPanel::setRadius(double radius)
{
    m_radius = radius;
    update();
}

void MBPanel::setPadding(double padding)
{
    m_padding = padding;
    const int m = int(std::lround(padding * m_zoom));
    m_layout->setContentsMargins(m, m, m, m);
}

QPainterPath MBPanel::shape(const QRectF &rect, double radius)
{
    QPainterPath path;
    const double r = std::min(radius, std::min(rect.width(), rect.height()) / 2.0);
    path.addRoundedRect(rect, r, r);
    return path;
}

void MBPanel::strokeInside(QPainter &painter, const QRectF &rect, double radius, const QPen &pen)
{
    const double h = pen.widthF() / 2.0;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape(rect.adjusted(h, h, -h, -h), std::max(0.0, radius - h)));
}

void MBPanel::paintEvent(QPaintEvent *)
{
    const MBKitTheme k = MRBYKitHost::theme();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect());
    const double radius = m_radius * m_zoom;

    QLinearGradient fill(r.center().x(), r.top(), r.center().x(), r.bottom());
    fill.setColorAt(0.0, k.panelTop);
    fill.setColorAt(1.0, k.panelBottom);
    p.fillPath(shape(r, radius), fill);

    // A fill that ends in the window's own colour (high contrast's black)
    // would melt into the window and look cut off at the bottom: its whole
    // edge is drawn in the text colour instead, as the application outlines
    // its cards there.
    if (k.panelBottom == k.bg) {
        strokeInside(p, r, radius, QPen(k.text, 2.0 * m_zoom));
        return;
    }
    QLinearGradient rim(r.center().x(), r.top(), r.center().x(), r.bottom());
    rim.setColorAt(0.0, QColor::fromRgbF(1, 1, 1, 0.35f));
    rim.setColorAt(1.0, QColor::fromRgbF(0, 0, 0, 0.5f));
    strokeInside(p, r, radius, QPen(QBrush(rim), 1.0));
}
