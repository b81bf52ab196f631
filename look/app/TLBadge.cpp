#include "look/app/TLBadge.h"

#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}

TLBadge::TLBadge(const QString &text, const QColor &color, const QString &icon, QWidget *parent)
    : QWidget(parent),
      m_text(text),
      m_color(color),
      m_icon(icon),
      m_px(tlPx(12)),
      m_padX(px(10)),
      m_padY(px(5)),
      m_spacing(px(6)),
      m_radius(px(9)),
      m_zoom(MBZoomScope::current())
{
    MBAccessible::markRole(this, QAccessible::StaticText);
    setFont(tlFont(12, FontWeight::Bold));
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(text);
}

QRect TLBadge::textRect(int width) const
{
    // The text column: what is left beside the padding and the symbol.
    const int left = int(std::ceil(m_padX + m_px + m_spacing));
    const int avail = std::max(1, width - left - int(std::ceil(m_padX)));
    const QFontMetrics fm(font());
    const QRect bound = fm.boundingRect(QRect(0, 0, avail, 100000), kFlags, m_text);
    return QRect(left, 0, avail, bound.height());
}

QSize TLBadge::sizeHint() const
{
    const QFontMetrics fm(font());
    const int textW = fm.horizontalAdvance(m_text) + 1;
    const int w = int(std::ceil(2 * m_padX + m_px + m_spacing)) + textW + 1;
    return QSize(w, heightForWidth(w));
}

QSize TLBadge::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString &word : m_text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(word));
    const int w = int(std::ceil(2 * m_padX + m_px + m_spacing)) + widest + 2;
    return QSize(w, heightForWidth(w));
}

int TLBadge::heightForWidth(int width) const
{
    const int textH = std::max(textRect(width).height(), int(std::ceil(m_px)));
    return textH + int(std::ceil(2 * m_padY));
}

void TLBadge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect());
    p.setPen(Qt::NoPen);
    p.setBrush(m_color);
    p.drawRoundedRect(r, m_radius, m_radius);
    if (TLPalette::current().highContrast)
        MBPanel::strokeInside(p, r, m_radius, QPen(Qt::white, 2.0 * m_zoom));

    // Symbol and text centred vertically as a row.
    const QRect tr = textRect(width());
    const double contentH = std::max<double>(tr.height(), m_px);
    const double top = (r.height() - contentH) / 2.0;
    p.setPen(Qt::white);
    p.setFont(MBSymbols::font(m_px));
    const QFontMetricsF fm(font());
    // With several lines the symbol sits by the first line.
    const double symTop = tr.height() > fm.height() * 1.5 ? top + (fm.height() - m_px) / 2.0
                                                          : top + (contentH - m_px) / 2.0;
    p.drawText(QRectF(m_padX, symTop, m_px, m_px), Qt::AlignCenter, MBSymbols::glyph(m_icon));
    p.setFont(font());
    p.drawText(QRectF(tr.left(), top + (contentH - tr.height()) / 2.0, tr.width(), tr.height()),
               kFlags, m_text);
}
