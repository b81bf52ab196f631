#include "look/kit/MBZoomHost.h"

#include "look/kit/MBZoom.h"

#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <cmath>

MBZoomHost::MBZoomHost(MBRebuildHost::Builder build, QSizeF minSize, QWidget *parent)
    : QScrollArea(parent), m_minSize(minSize)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The theme root's background shows through.
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);

    auto builder = [this, build = std::move(build)]() -> QWidget * {
        m_zoom = MBZoom::value();
        MBZoomScope scope(m_zoom);
        return build ? build() : nullptr;
    };
    auto identity = [] { return QString::number(MBZoom::value(), 'g', 17); };
    m_host = new MBRebuildHost({MBZoom::key}, builder, identity);
    m_host->setAutoFillBackground(false);
    setWidget(m_host);
    applyMinimum();
    connect(m_host, &MBRebuildHost::rebuilt, this, [this] {
        applyMinimum();
        scrollHome();
        Q_EMIT zoomApplied(m_zoom);
    });
}

QWidget *MBZoomHost::content() const { return m_host->content(); }

QSizeF MBZoomHost::logicalSize(QSizeF space, QSizeF minSize, double z)
{
    const double zz = MBZoom::clamp(z);
    double w = space.width() / zz;
    double h = space.height() / zz;
    if (!(w > minSize.width()))
        w = minSize.width();
    if (!(h > minSize.height()))
        h = minSize.height();
    return QSizeF(w, h);
}

void MBZoomHost::applyMinimum()
{
    m_host->setMinimumSize(int(std::lround(m_minSize.width() * m_zoom)),
                           int(std::lround(m_minSize.height() * m_zoom)));
}

void MBZoomHost::scrollHome()
{
    auto home = [self = QPointer<MBZoomHost>(this)] {
        if (!self)
            return;
        self->horizontalScrollBar()->setValue(self->horizontalScrollBar()->minimum());
        self->verticalScrollBar()->setValue(self->verticalScrollBar()->minimum());
    };
    home();
    // Layouts settle over a few turns of the event loop; come back home then.
    for (int ms : {0, 150, 400, 900, 1600})
        QTimer::singleShot(ms, this, home);
}

void MBZoomHost::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    scrollHome();
}
