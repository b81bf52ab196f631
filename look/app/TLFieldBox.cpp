#include "look/app/TLFieldBox.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"

#include <QPainter>
#include <QPainterPath>

TLFieldBox::TLFieldBox(Look look, QWidget *parent)
    : QWidget(parent), m_look(look), m_zoom(MBZoomScope::current())
{
}

void TLFieldBox::setField(QWidget *field)
{
    m_field = field;
    MBFocusRing::repaintWithFocus(this, field);
}

void TLFieldBox::paintEvent(QPaintEvent *)
{
    const TLPalette p = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect());
    const double radius = m_look.radius > 0 ? m_look.radius * m_zoom : r.height() / 2;
    const double outline = m_look.widerOutlineInHighContrast && p.highContrast ? 2.0 : 1.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_look.fill(p));
    painter.drawPath(MBPanel::shape(r, radius));
    MBPanel::strokeInside(painter, r, radius, QPen(p.border, outline * m_zoom));
    if (m_field && m_field->hasFocus())
        MBFocusRing::paint(painter, r, radius, p.accentIcon(), m_zoom);
}
