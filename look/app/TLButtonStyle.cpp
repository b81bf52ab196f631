#include "look/app/TLButtonStyle.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

#include <cmath>

namespace {
// The text is drawn as mbShownText() gives it, so no mnemonic processing here.
constexpr int kTextFlags = Qt::TextSingleLine;
}

TLButton::TLButton(const QString &text, TLButtonStyle style, const QString &symbol, QWidget *parent)
    : QPushButton(text, parent),
      m_style(std::move(style)),
      m_symbol(symbol),
      m_labelPx(tlPx(m_style.big ? 15 : 13)),
      m_padX(px(m_style.big ? 18 : 12)),
      m_padY(px(m_style.big ? 10 : 6)),
      m_zoom(MBZoomScope::current())
{
    setFont(tlFont(m_style.big ? 15 : 13, FontWeight::Semibold));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(mbShownText(text));
}

void TLButton::setSymbol(const QString &symbol)
{
    if (symbol == m_symbol)
        return;
    m_symbol = symbol;
    updateGeometry();
    update();
}

QSize TLButton::sizeHint() const
{
    const QFontMetricsF fm(font());
    double w = fm.horizontalAdvance(mbShownText(text()));
    double h = fm.height();
    if (!m_symbol.isEmpty()) {
        w += m_labelPx + m_zoom * 6.0;
        h = std::max(h, m_labelPx);
    }
    return QSize(int(std::ceil(w + 2 * m_padX + 2)), int(std::ceil(h + 2 * m_padY)));
}

QSize TLButton::minimumSizeHint() const { return sizeHint(); }

QColor TLButton::labelColor() const
{
    if (m_style.textColor)
        return *m_style.textColor;
    if (m_style.color)
        return QColor(Qt::white);
    return TLPalette::current().text;
}

QColor TLButton::fillColor() const
{
    if (m_style.color)
        return *m_style.color;
    const TLPalette p = TLPalette::current();
    QColor c = p.panelTop;
    c.setAlphaF(p.isLight ? 1.0f : 0.6f);
    return c;
}

QColor TLButton::outlineColor() const
{
    const TLPalette p = TLPalette::current();
    if (m_style.color) {
        QColor c(Qt::white);
        c.setAlphaF(p.highContrast ? 1.0f : 0.25f);
        return c;
    }
    return p.border;
}

double TLButton::outlineWidth() const
{
    return TLPalette::current().outlineWidth(m_zoom);
}

bool TLButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void TLButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown())
        painter.setOpacity(0.75);
    else if (!isEnabled())
        painter.setOpacity(0.5);

    const QRectF r = QRectF(rect());
    const double radius = r.height() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(fillColor());
    painter.drawRoundedRect(r, radius, radius);

    MBPanel::strokeInside(painter, r, radius, QPen(outlineColor(), outlineWidth()));

    // On a filled button the ring takes the label's colour: the accent would
    // vanish on an accent fill.
    if (hasFocus())
        MBFocusRing::paint(painter, r, radius, m_style.color ? labelColor() : TLPalette::current().accentIcon(),
                           m_zoom);

    // Label: optional symbol, then the text, centred as a group.
    const QColor ink = labelColor();
    const QFontMetricsF fm(font());
    const QString label = mbShownText(text());
    const double textW = fm.horizontalAdvance(label);
    const double gap = m_symbol.isEmpty() ? 0.0 : m_zoom * 6.0;
    const double symW = m_symbol.isEmpty() ? 0.0 : m_labelPx;
    double x = r.center().x() - (symW + gap + textW) / 2.0;
    painter.setPen(ink);
    if (!m_symbol.isEmpty()) {
        painter.setFont(MBSymbols::font(m_labelPx));
        painter.drawText(QRectF(x, r.top(), symW, r.height()), Qt::AlignCenter,
                         MBSymbols::glyph(m_symbol));
        x += symW + gap;
    }
    painter.setFont(font());
    painter.drawText(QRectF(x, r.top(), textW + 2, r.height()), Qt::AlignLeft | Qt::AlignVCenter | kTextFlags,
                     label);
}
