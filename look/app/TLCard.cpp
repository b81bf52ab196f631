#include "look/app/TLCard.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"

#include <QLinearGradient>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <functional>

TLCard::TLCard(QWidget *parent, double padding, double radius)
    : QWidget(parent), m_padding(px(padding)), m_radius(px(radius)), m_zoom(MBZoomScope::current())
{
    MBAccessible::markRole(this, QAccessible::Grouping);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    if (parent)
        parent->installEventFilter(this);
    m_body = new QVBoxLayout(this);
    const int pad = int(std::lround(m_padding));
    m_body->setContentsMargins(pad, pad, pad, pad);
    m_body->setSpacing(ipx(8));
    // A list may hand it the focus of an entry that went.
    MBKeyboard::markHolder(this);
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
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        update();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The parent paints first, so the shadow lies under the card.
bool TLCard::eventFilter(QObject *watched, QEvent *event)
{
    // Only a card whose shadow lies in the painted region paints: a list of
    // hundreds of cards repaints its parent for every small change.
    if (event->type() == QEvent::Paint && watched == parentWidget() && isVisible()
        && static_cast<QPaintEvent *>(event)->region().intersects(geometry().marginsAdded(shadowMargins()))) {
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

namespace {

// The same picture serves every card of one size and look: drawing the soft
// shadow is far slower than copying it, and cards are painted again whenever
// a list around them moves. A card too large for the cache (a long list)
// would be drawn into a new picture at every paint and never kept, so it is
// drawn straight onto the target, where only the exposed part costs.
void drawCached(QPainter &target, const QPointF &at, const QString &key, QSize size,
                const std::function<void(QPainter &)> &draw)
{
    const qreal dpr = target.device()->devicePixelRatioF();
    const qint64 bytes = qint64(size.width() * dpr) * qint64(size.height() * dpr) * 4;
    if (bytes > qint64(QPixmapCache::cacheLimit()) * 1024 / 4) {
        target.save();
        target.translate(at);
        target.setRenderHint(QPainter::Antialiasing);
        draw(target);
        target.restore();
        return;
    }
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap((QSizeF(size) * dpr).toSize());
        picture.setDevicePixelRatio(dpr);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        QPixmapCache::insert(key, picture);
    }
    target.drawPixmap(at, picture);
}

} // namespace

void TLCard::paintShadow(QPainter &painter, const QRectF &panel) const
{
    const QMargins m = shadowMargins();
    const QSize size = panel.size().toSize().grownBy(m);
    const bool light = TLPalette::current().isLight;
    const qreal dpr = painter.device()->devicePixelRatioF();
    const QString key = QStringLiteral("tlcard-shadow:%1x%2@%3:%4:%5:%6")
                            .arg(size.width()).arg(size.height()).arg(dpr).arg(m_zoom).arg(m_radius)
                            .arg(int(light));
    drawCached(painter, panel.topLeft() - QPointF(m.left(), m.top()), key, size, [&](QPainter &p) {
        // Layered rounded shapes, offset 3 down, strongest at the core.
        const QRectF core(QPointF(m.left(), m.top()), panel.size());
        const double alpha = light ? 0.07 : 0.30;
        const int layers = 5;
        p.setPen(Qt::NoPen);
        for (int i = layers; i >= 1; --i) {
            const double spread = 4.0 * m_zoom * i / layers;
            QRectF r = core.translated(0, 3.0 * m_zoom).adjusted(-spread, -spread * 0.5, spread, spread);
            QColor c(0, 0, 0);
            c.setAlphaF(float(alpha / layers * 1.6 * (layers - i + 1) / layers));
            p.setBrush(c);
            p.drawRoundedRect(r, m_radius + spread, m_radius + spread);
        }
    });
}

void TLCard::paintEvent(QPaintEvent *)
{
    const TLPalette p = TLPalette::current();
    const qreal dpr = devicePixelRatioF();
    const QPen outline = p.outlinePen(m_zoom);
    const QString key = QStringLiteral("tlcard-panel:%1x%2@%3:%4:%5:%6:%7:%8")
                            .arg(width()).arg(height()).arg(dpr).arg(m_radius)
                            .arg(p.panelTop.rgba()).arg(p.panelBottom.rgba()).arg(outline.color().rgba())
                            .arg(outline.widthF());
    QPainter target(this);
    drawCached(target, QPointF(0, 0), key, size(), [&](QPainter &painter) {
        const QRectF panel = panelRect();
        painter.setPen(Qt::NoPen);
        QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
        fill.setColorAt(0.0, p.panelTop);
        fill.setColorAt(1.0, p.panelBottom);
        painter.setBrush(fill);
        painter.drawRoundedRect(panel, m_radius, m_radius);
        MBPanel::strokeInside(painter, panel, m_radius, outline);
    });
    if (hasFocus())
        MBFocusRing::paint(target, panelRect(), m_radius, p.accentIcon(), m_zoom);
}
