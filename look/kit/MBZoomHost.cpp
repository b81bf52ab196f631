#include "look/kit/MBZoomHost.h"

#include "look/kit/MBBoxes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace {
const char *const kPinned = "mbZoomPinned";
}

MBZoomHost::MBZoomHost(MBRebuildHost::Builder build, QSizeF minSize, QWidget *parent)
    : QWidget(parent), m_minSize(minSize)
{
    setObjectName(QStringLiteral("zoomHost"));
    auto *column = mbColumn(this, 0);
    m_pinnedSlot = mbColumn();
    column->addLayout(m_pinnedSlot);

    m_scroll = new QScrollArea;
    m_scroll->setObjectName(QStringLiteral("zoomScroll"));
    // Its content takes the focus, not the area itself.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The theme root's background shows through.
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setAutoFillBackground(false);
    column->addWidget(m_scroll, 1);

    auto builder = [this, build = std::move(build)]() -> QWidget * {
        m_zoom = MBZoom::value();
        MBZoomScope scope(m_zoom);
        return build ? build() : nullptr;
    };
    auto identity = [] { return QString::number(MBZoom::value(), 'g', 17); };
    m_host = new MBRebuildHost({MBZoom::key}, builder, identity);
    m_scroll->setWidget(m_host);
    // setWidget() turns the content's background on; the root's shows through.
    m_host->setAutoFillBackground(false);
    takePinned();
    applyMinimum();
    // Focus in the pinned part comes back to the same control, as it does
    // in the rest of the content.
    connect(m_host, &MBRebuildHost::aboutToRebuild, this,
            [this] { m_pinnedFocus = MBRebuildHost::focusPath(m_pinned); });
    connect(m_host, &MBRebuildHost::rebuilt, this, [this] {
        takePinned();
        m_pinnedFocus.clear();
        applyMinimum();
        scrollHome();
        Q_EMIT zoomApplied(m_zoom);
    });
}

QWidget *MBZoomHost::content() const { return m_host->content(); }

void MBZoomHost::markPinned(QWidget *widget) { widget->setProperty(kPinned, true); }

void MBZoomHost::takePinned()
{
    QPointer<QWidget> old = m_pinned;
    m_pinned = nullptr;
    if (QWidget *content = m_host->content()) {
        for (QWidget *w : content->findChildren<QWidget *>()) {
            if (!w->property(kPinned).toBool())
                continue;
            m_pinnedSlot->addWidget(w);
            w->installEventFilter(this);
            w->show();
            m_pinned = w;
            break;
        }
    }
    if (QWidget *again = MBRebuildHost::follow(m_pinned, m_pinnedFocus))
        again->setFocus(Qt::TabFocusReason);
    // The previous content's pinned part goes with it, once the focus it
    // held has a new place.
    if (old)
        MBRebuildHost::retire(m_pinnedSlot, old);
}

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
    // The pinned part takes its share of the minimum height.
    const int pinnedHeight = m_pinned && !m_pinned->isHidden() ? m_pinned->height() : 0;
    m_host->setMinimumSize(int(std::lround(m_minSize.width() * m_zoom)),
                           std::max(0, int(std::lround(m_minSize.height() * m_zoom)) - pinnedHeight));
}

void MBZoomHost::scrollHome()
{
    QWidget *focus = QApplication::focusWidget();
    const bool seen = focus && m_host->isAncestorOf(focus) && MBKeyboard::isInView(focus);
    m_scroll->horizontalScrollBar()->setValue(m_scroll->horizontalScrollBar()->minimum());
    m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->minimum());
    // A focused control in view stays there (and MBKeyboard keeps it there
    // as the layout settles).
    if (seen)
        MBKeyboard::showInView(focus);
}

void MBZoomHost::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scrollHome();
}

bool MBZoomHost::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pinned && event->type() == QEvent::Resize)
        applyMinimum();
    return QWidget::eventFilter(watched, event);
}
