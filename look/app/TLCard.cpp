#include "look/app/TLCard.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"

#include <QLinearGradient>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

TLCard::TLCard(QWidget *parent, double padding, double radius)
    : QWidget(parent), m_padding(px(padding)), m_radius(px(radius)), m_zoom(MBZoomScope::current())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (parent)
        parent->installEventFilter(this);
    m_body = new QVBoxLayout(this);
    const int pad = int(std::lround(m_padding));
    m_body->setContentsMargins(pad, pad, pad, pad);
    m_body->setSpacing(ipx(8));
    m_body->setAlignment(Qt::AlignTop);
}

void TLCard::addWidget(QWidget *widget) { m_body->addWidget(widget); }

QMargins TLCard::shadowMargins() const
{
    // The shadow falls 3 points down with a soft edge. Asked for at paint
    // time too, outside the zoom of the build.
    auto z = [this](double points) { return int(std::lround(points * m_zoom)); };
    return QMargins(z(4), z(2), z(4), z(9));
}

QRectF TLCard::panelRect() const { return QRectF(rect()); }

bool TLCard::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ParentAboutToChange:
        if (QWidget *parent = parentWidget())
            parent->removeEventFilter(this);
        break;
    case QEvent::ParentChange:
        if (QWidget *parent = parentWidget())
            parent->installEventFilter(this);
        break;
    case QEvent::Move:
        updateShadow(QRect(static_cast<QMoveEvent *>(event)->oldPos(), size()));
        updateShadow(geometry());
        break;
    case QEvent::Resize:
        updateShadow(QRect(pos(), static_cast<QResizeEvent *>(event)->oldSize()));
        updateShadow(geometry());
        break;
    case QEvent::Show:
    case QEvent::Hide:
        updateShadow(geometry());
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The parent paints first, so the shadow lies under the card.
bool TLCard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == parentWidget() && isVisible()) {
        QPainter painter(parentWidget());
        painter.setRenderHint(QPainter::Antialiasing);
        paintShadow(painter, QRectF(geometry()));
    }
    return QWidget::eventFilter(watched, event);
}

void TLCard::updateShadow(const QRect &geometry)
{
    if (QWidget *parent = parentWidget())
        parent->update(geometry.marginsAdded(shadowMargins()));
}

void TLCard::paintShadow(QPainter &painter, const QRectF &panel) const
{
    // Layered rounded shapes, offset 3 down, strongest at the core.
    const double alpha = TLPalette::current().isLight ? 0.07 : 0.30;
    const int layers = 5;
    painter.setPen(Qt::NoPen);
    for (int i = layers; i >= 1; --i) {
        const double spread = 4.0 * m_zoom * i / layers;
        QRectF r = panel.translated(0, 3.0 * m_zoom).adjusted(-spread, -spread * 0.5, spread, spread);
        QColor c(0, 0, 0);
        c.setAlphaF(float(alpha / layers * 1.6 * (layers - i + 1) / layers));
        painter.setBrush(c);
        painter.drawRoundedRect(r, m_radius + spread, m_radius + spread);
    }
}

void TLCard::paintEvent(QPaintEvent *)
{
    const TLPalette p = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = panelRect();

    painter.setPen(Qt::NoPen);
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0.0, p.panelTop);
    fill.setColorAt(1.0, p.panelBottom);
    painter.setBrush(fill);
    painter.drawRoundedRect(panel, m_radius, m_radius);

    MBPanel::strokeInside(painter, panel, m_radius, p.outlinePen(m_zoom));
}
