#include "screens/PlainButton.h"

#include "look/app/TLStyle.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

#include <cmath>

PlainButton::PlainButton(const QString &symbol, const QString &text, double size, const QColor &color,
                         QWidget *parent)
    : QAbstractButton(parent), m_symbol(symbol), m_color(color), m_symbolPx(tlPx(size)), m_gap(px(4))
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
    return QSize(int(std::ceil(w)) + 2, int(std::ceil(std::max(fm.height(), m_symbolPx))) + 2);
}

void PlainButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(m_color);
    if (isDown())
        p.setOpacity(0.7);
    const QRectF r(rect());
    p.setFont(MBSymbols::font(m_symbolPx));
    p.drawText(QRectF(0, r.top(), m_symbolPx, r.height()), Qt::AlignCenter, MBSymbols::glyph(m_symbol));
    QFont f = font();
    f.setUnderline(m_hover || hasFocus());
    p.setFont(f);
    p.drawText(QRectF(m_symbolPx + m_gap, r.top(), r.width() - m_symbolPx - m_gap, r.height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
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
