#include "screens/ToggleBox.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBZoom.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

ToggleBox::ToggleBox(const QString &text, QWidget *parent)
    : QAbstractButton(parent), m_box(tlPx(18)), m_gap(px(8)), m_zoom(MBZoomScope::current()),
      m_inset(std::ceil(2.5 * m_zoom))
{
    setText(text);
    setCheckable(true);
    setAccessibleName(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QString ToggleBox::shownText() const { return mbShownText(text()); }

QRect ToggleBox::textRect(int width) const
{
    const int x = int(std::ceil(m_inset + m_box + m_gap));
    const QRect bounds = fontMetrics().boundingRect(QRect(x, 0, std::max(1, width - x - 2), 100000),
                                                    Qt::TextWordWrap | Qt::AlignLeft, shownText());
    return QRect(x, 0, std::max(1, width - x - 2), bounds.height());
}

QSize ToggleBox::sizeHint() const
{
    const QFontMetricsF fm(font());
    const double w = m_inset + m_box + m_gap + fm.horizontalAdvance(shownText()) + 4;
    const double h = std::max(m_box, fm.height()) + 2 * m_inset;
    return QSize(int(std::ceil(w)), int(std::ceil(h)));
}

QSize ToggleBox::minimumSizeHint() const
{
    // Room for the box and the longest word.
    const QFontMetricsF fm(font());
    double word = 0;
    for (const QString &w : shownText().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        word = std::max(word, fm.horizontalAdvance(w));
    return QSize(int(std::ceil(m_inset + m_box + m_gap + word + 4)), sizeHint().height());
}

int ToggleBox::heightForWidth(int width) const
{
    return std::max(int(std::ceil(m_box)), textRect(width).height()) + int(2 * m_inset);
}

void ToggleBox::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect label = textRect(width());
    // The box stands beside the first line of the label.
    const double firstLine = std::min<double>(label.height(), fontMetrics().height());
    const QRectF box(m_inset, m_inset + std::max(0.0, (firstLine - m_box) / 2), m_box, m_box);
    const double line = std::max(1.5, m_box / 9);
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette.accent);
        p.drawRoundedRect(box, m_box / 5, m_box / 5);
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.71);
        tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.30);
        p.setPen(QPen(palette.onAccent, line * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        QColor edge = palette.text;
        edge.setAlphaF(palette.highContrast ? 1.0 : 0.6);
        p.setPen(QPen(edge, line));
        p.setBrush(palette.panelTop);
        const double in = line / 2;
        p.drawRoundedRect(box.adjusted(in, in, -in, -in), m_box / 5, m_box / 5);
    }
    if (hasFocus())
        MBFocusRing::paint(p, box, m_box / 5, palette.accentIcon(), m_zoom, MBFocusRing::Side::Outside);
    p.setPen(palette.text);
    p.setFont(font());
    p.drawText(label.translated(0, int(m_inset)), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shownText());
}
