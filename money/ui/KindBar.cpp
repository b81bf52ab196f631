#include "money/ui/KindBar.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

KindBar::KindBar(qint64 cents, qint64 reference, QWidget *parent)
    : QWidget(parent), m_cents(cents), m_reference(reference), m_height(ipx(12)), m_zoom(MBZoomScope::current())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

double KindBar::barWidth(double width, qint64 cents, qint64 reference, double minimum)
{
    const double ref = reference < 1 ? 1.0 : double(reference);
    return qMax(width * double(cents) / ref, minimum);
}

QSize KindBar::sizeHint() const
{
    return {m_height * 10, m_height};
}

QSize KindBar::minimumSizeHint() const
{
    return {m_height, m_height};
}

void KindBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QColor fill = TLPalette::current().accent;
    fill.setAlphaF(0.75f);
    painter.setBrush(fill);
    const double w = qMin(double(width()), barWidth(width(), m_cents, m_reference, 4 * m_zoom));
    const double r = qMin(m_height / 2.0, w / 2);
    painter.drawRoundedRect(QRectF(0, (height() - m_height) / 2.0, w, m_height), r, m_height / 2.0);
}
