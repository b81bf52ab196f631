#include "look/app/TLCard.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QVBoxLayout>

TLCard::TLCard(QWidget *parent, double padding, double radius)
    : QWidget(parent), m_padding(px(padding)), m_radius(px(radius)), m_zoom(MBZoomScope::current())
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_body = new QVBoxLayout(this);
    const QMargins s = shadowMargins();
    const int pad = int(std::lround(m_padding));
    m_body->setContentsMargins(s.left() + pad, s.top() + pad, s.right() + pad, s.bottom() + pad);
    m_body->setSpacing(ipx(8));
}

void TLCard::addWidget(QWidget *widget) { m_body->addWidget(widget); }

QMargins TLCard::shadowMargins() const
{
    // The shadow falls 3 points down with a soft edge; keep room for it so it
    // is not cut by the card's own bounds.
    // It is asked for again at paint time, outside the zoom of the build.
    auto z = [this](double points) { return int(std::lround(points * m_zoom)); };
    return QMargins(z(4), z(2), z(4), z(9));
}

QRectF TLCard::panelRect() const { return QRectF(rect()).marginsRemoved(shadowMargins()); }

void TLCard::paintEvent(QPaintEvent *)
{
    // The panel is the same picture for every card of one size and palette;
    // drawing its soft shadow is far slower than copying it, and cards are
    // painted again whenever a list around them moves.
    const TLPalette p = TLPalette::current();
    const qreal dpr = devicePixelRatioF();
    // A card larger than the cache can hold (a long list) would be drawn into
    // a pixmap at every paint and never kept: draw only what is exposed.
    const qint64 bytes = qint64(width() * dpr) * qint64(height() * dpr) * 4;
    if (bytes > qint64(QPixmapCache::cacheLimit()) * 1024 / 4) {
        QPainter painter(this);
        paintPanel(painter, p);
        return;
    }
    const QString key = QStringLiteral("tlcard:%1x%2@%3:%4:%5:%6:%7:%8:%9")
                            .arg(width()).arg(height()).arg(dpr).arg(m_zoom).arg(m_radius)
                            .arg(p.panelTop.rgba()).arg(p.panelBottom.rgba()).arg(p.border.rgba())
                            .arg(int(p.isLight) * 2 + int(p.highContrast));
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap((QSizeF(size()) * dpr).toSize());
        panel.setDevicePixelRatio(dpr);
        panel.fill(Qt::transparent);
        QPainter painter(&panel);
        paintPanel(painter, p);
        painter.end();
        QPixmapCache::insert(key, panel);
    }
    QPainter(this).drawPixmap(0, 0, panel);
}

void TLCard::paintPanel(QPainter &painter, const TLPalette &p) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = panelRect();

    // Soft shadow: layered rounded shapes, offset 3 down, strongest at the core.
    const double alpha = p.isLight ? 0.07 : 0.30;
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

    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0.0, p.panelTop);
    fill.setColorAt(1.0, p.panelBottom);
    painter.setBrush(fill);
    painter.drawRoundedRect(panel, m_radius, m_radius);

    MBPanel::strokeInside(painter, panel, m_radius, QPen(p.border, (p.highContrast ? 2.0 : 1.0) * m_zoom));
}
