#include "look/kit/MBLink.h"

#include "look/kit/MBAccessible.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBZoom.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

MBLink::MBLink(const QString &title, const QUrl &url, QWidget *parent)
    : MBLink(title, url.toString(QUrl::FullyEncoded), parent)
{
}

MBLink::MBLink(const QString &title, const QString &url, QWidget *parent)
    : QLabel(parent), m_url(url), m_zoom(MBZoomScope::current())
{
    setTextFormat(Qt::PlainText);
    setText(title);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(url);
    setAccessibleName(title);
    setAccessibleDescription(MBAccessible::describeURL(url));
    setForegroundRole(QPalette::Link);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    // Room for the focus ring around the text.
    const int pad = int(std::ceil(3 * m_zoom));
    setContentsMargins(pad, pad, pad, pad);
    // A double-click opens the address once.
    MBClickRun::holdMouse(this);
}

void MBLink::activate()
{
    Q_EMIT activated(m_url);
    MBLinks::open(m_url);
}

void MBLink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        activate();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void MBLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void MBLink::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    const QRectF r(rect());
    MBFocusRing::paint(p, r, std::min(r.height() / 2, 6 * m_zoom), palette().color(QPalette::Link), m_zoom);
}

void MBLink::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    restyle();
    QLabel::enterEvent(event);
}

void MBLink::leaveEvent(QEvent *event)
{
    m_hover = false;
    restyle();
    QLabel::leaveEvent(event);
}

void MBLink::focusInEvent(QFocusEvent *event)
{
    restyle();
    QLabel::focusInEvent(event);
}

void MBLink::focusOutEvent(QFocusEvent *event)
{
    restyle();
    QLabel::focusOutEvent(event);
}

void MBLink::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        restyle();
}

void MBLink::restyle()
{
    // Underlined while pointed at or focused (and ringed while focused), so
    // keyboard users see where they are.
    QFont f = font();
    const bool underline = m_hover || hasFocus();
    if (f.underline() != underline) {
        f.setUnderline(underline);
        setFont(f);
    }
}
