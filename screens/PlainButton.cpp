#include "screens/PlainButton.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

#include <cmath>

PlainButton::PlainButton(const QString &symbol, const QString &text, double size, const QColor &color,
                         QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_color(color), m_symbolPx(tlPx(size)), m_gap(px(4)),
      m_zoom(MBZoomScope::current()), m_pad(int(std::ceil(3 * m_zoom)))
{
    setText(text);
    setFont(tlFont(size, FontWeight::Semibold));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PlainButton::sizeHint() const
{
    const QFontMetricsF fm(font());
    const double w = m_symbolPx + (text().isEmpty() ? 0.0 : m_gap + fm.horizontalAdvance(text()));
    return QSize(int(std::ceil(w)) + 2 + 2 * m_pad,
                 int(std::ceil(std::max(fm.height(), m_symbolPx))) + 2 + 2 * m_pad);
}

void PlainButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(m_color);
    if (isDown())
        p.setOpacity(0.7);
    const QRectF r = QRectF(rect()).adjusted(m_pad, m_pad, -m_pad, -m_pad);
    p.setFont(MBSymbols::font(m_symbolPx));
    p.drawText(QRectF(r.left(), r.top(), m_symbolPx, r.height()), Qt::AlignCenter, MBSymbols::glyph(m_symbol));
    QFont f = font();
    f.setUnderline(m_hover || hasFocus());
    p.setFont(f);
    const double textX = r.left() + m_symbolPx + m_gap;
    p.drawText(QRectF(textX, r.top(), r.right() - textX, r.height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        p.setOpacity(1.0);
        MBFocusRing::paint(p, QRectF(rect()), height() / 2.0, TLPalette::current().accentIcon(), m_zoom);
    }
}

void PlainButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PlainButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
