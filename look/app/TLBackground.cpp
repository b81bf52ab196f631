#include "look/app/TLBackground.h"

#include "look/app/TLPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

TLBackground::TLBackground(QWidget *parent) : QWidget(parent) {}

void TLBackground::paint(QPainter &painter, const QRectF &rect)
{
    const TLPalette p = TLPalette::current();
    painter.fillRect(rect, p.bg);
    if (p.highContrast)
        return;

    QColor sheen(Qt::white);
    sheen.setAlphaF(p.isLight ? 0.35f : 0.05f);
    QColor clear(Qt::white);
    clear.setAlphaF(0.0f);
    QLinearGradient top(QPointF(rect.center().x(), rect.top()), rect.center());
    top.setColorAt(0.0, sheen);
    top.setColorAt(1.0, clear);
    painter.fillRect(rect, top);

    // The background lies behind the zoomed content and does not zoom.
    const double outer = 800.0;
    QColor glow = p.accent;
    glow.setAlphaF(0.10f);
    QColor glowClear = p.accent;
    glowClear.setAlphaF(0.0f);
    QRadialGradient corner(rect.topRight(), outer);
    corner.setColorAt(0.0, glow);
    corner.setColorAt(10.0 / outer, glow);
    corner.setColorAt(1.0, glowClear);
    painter.fillRect(rect, corner);
}

void TLBackground::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paint(p, rect());
}
