#include "screens/SegmentedPicker.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBZoom.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

SegmentedPicker::SegmentedPicker(const QStringList &titles, QWidget *parent)
    : QWidget(parent), m_titles(titles), m_padX(px(14)), m_padY(px(6)), m_radius(px(8)),
      m_zoom(MBZoomScope::current())
{
    setFont(tlFont(13, FontWeight::Semibold));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SegmentedPicker::setCurrent(int index)
{
    const int before = m_current;
    m_current = (index >= 0 && index < m_titles.size()) ? index : -1;
    update();
    if (m_current != before)
        announceChange(before);
}

void SegmentedPicker::choose(int index)
{
    if (index < 0 || index >= m_titles.size())
        return;
    setCurrent(index);
    Q_EMIT chosen(index);
}

void SegmentedPicker::setPreferredWidth(int width)
{
    m_preferred = width;
    updateGeometry();
}

QSize SegmentedPicker::sizeHint() const
{
    QSize s = minimumSizeHint();
    s.setWidth(std::max(s.width(), m_preferred));
    return s;
}

QSize SegmentedPicker::minimumSizeHint() const
{
    const QFontMetricsF fm(font());
    double widest = 0;
    for (const QString &t : m_titles)
        widest = std::max(widest, fm.horizontalAdvance(t));
    const double w = m_titles.size() * (widest + 2 * m_padX);
    return QSize(int(std::ceil(w)) + 2, int(std::ceil(fm.height() + 2 * m_padY)) + 2);
}


QRectF SegmentedPicker::segmentRect(int index) const
{
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double w = r.width() / std::max<qsizetype>(1, m_titles.size());
    return QRectF(r.left() + index * w, r.top(), w, r.height());
}

void SegmentedPicker::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(track.topLeft(), track.bottomLeft());
    fill.setColorAt(0, palette.panelTop);
    fill.setColorAt(1, palette.panelBottom);
    p.setBrush(fill);
    p.setPen(palette.outlinePen(m_zoom));
    p.drawRoundedRect(track, m_radius, m_radius);

    for (int i = 0; i < m_titles.size(); ++i) {
        const QRectF seg = segmentRect(i);
        if (i == m_current) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette.accent);
            p.drawRoundedRect(seg.adjusted(2, 2, -2, -2), m_radius - 2, m_radius - 2);
            p.setPen(palette.onAccent);
        } else {
            if (i > 0 && i != m_current + 1) {
                p.setPen(QPen(palette.border, 1));
                p.drawLine(QPointF(seg.left(), seg.top() + 5), QPointF(seg.left(), seg.bottom() - 5));
            }
            p.setPen(palette.text);
        }
        p.setFont(font());
        p.drawText(seg, Qt::AlignCenter | Qt::TextSingleLine, m_titles.at(i));
    }
    if (hasFocus())
        MBFocusRing::paint(p, track, m_radius, palette.accentIcon(), m_zoom);
}

void SegmentedPicker::mouseReleaseEvent(QMouseEvent *event)
{
    for (int i = 0; i < m_titles.size(); ++i) {
        if (segmentRect(i).contains(event->position())) {
            choose(i);
            return;
        }
    }
}

void SegmentedPicker::keyPressEvent(QKeyEvent *event)
{
    int next = m_current;
    if (event->key() == Qt::Key_Left)
        next = m_current <= 0 ? 0 : m_current - 1;
    else if (event->key() == Qt::Key_Right)
        next = m_current < 0 ? 0 : std::min<int>(m_current + 1, m_titles.size() - 1);
    else
        return QWidget::keyPressEvent(event);
    if (next != m_current)
        choose(next);
}

void SegmentedPicker::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    // Qt announces the picker itself after this; the chosen option then
    // takes the screen reader's focus, so the person hears what is chosen.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            announceFocus();
    });
}

void SegmentedPicker::announceChange(int before)
{
    // Only a listening tool needs the events (and the option interfaces).
    if (!QAccessible::isActive())
        return;
    QAccessible::State checked;
    checked.checked = true;
    for (int option : {before, m_current}) {
        if (option < 0)
            continue;
        QAccessibleStateChangeEvent event(this, checked);
        event.setChild(option);
        QAccessible::updateAccessibility(&event);
    }
    if (hasFocus())
        announceFocus();
}

void SegmentedPicker::announceFocus()
{
    if (m_current < 0 || !QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_current);
    QAccessible::updateAccessibility(&event);
}
