#include "money/ui/MoneyStat.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYTheme.h"
#include "money/Money.h"
#include "widgets/TLLabel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// The tile's fill: its colour at this opacity over the card.
constexpr double kTint = 0.1;

QList<QColor> tileGrounds(const QColor &color, const TLPalette &palette)
{
    return {MRBYTheme::mix(color, palette.panelTop, kTint), MRBYTheme::mix(color, palette.panelBottom, kTint)};
}

} // namespace

MoneyStat::MoneyStat(const QString &title, qint64 value, MoneyPeriod period, const QColor &color,
                     QWidget *parent)
    : QWidget(parent), m_color(color), m_zoom(MBZoomScope::current())
{
    const TLPalette palette = TLPalette::current();
    auto *column = new QVBoxLayout(this);
    const int pad = ipx(12);
    column->setContentsMargins(pad, pad, pad, pad);
    column->setSpacing(ipx(4));
    column->addWidget(tlLabel(title, 13, FontWeight::Bold, palette.dim));
    m_amount = tlLabel(Money::text(value), 24, FontWeight::Heavy, amountColor(), false);
    m_amount->setObjectName(QStringLiteral("statAmount"));
    m_amount->setMinimumWidth(1);
    m_amount->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_amountPx = KitFont::pixelSize(m_amount->font());
    column->addWidget(m_amount);
    column->addWidget(tlLabel(period == MoneyPeriod::week ? QStringLiteral("each week")
                                                          : QStringLiteral("each month"),
                              11.5, FontWeight::Regular, palette.dim));
    column->addStretch(1);
    setAccessibleName(title + QStringLiteral(": ") + Money::text(value));
}

QColor MoneyStat::amountColor() const
{
    const TLPalette palette = TLPalette::current();
    if (palette.highContrast)
        return palette.text;
    // The signal colours are dark: on a dark theme they are lifted until the
    // large amount reads on its tinted tile.
    return palette.readable(m_color, tileGrounds(m_color, palette), TLPalette::figureRatio);
}

QColor MoneyStat::leftOverColor(qint64 cents)
{
    return cents < 0 ? TLPalette::red911() : TLPalette::green211();
}

void MoneyStat::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitAmount();
}

void MoneyStat::fitAmount()
{
    // Largest size from the full one down to 0.6 of it at which the amount fits.
    const int room = m_amount->width();
    QFont font = m_amount->font();
    double size = m_amountPx;
    for (; size > m_amountPx * 0.6; size -= m_amountPx * 0.05) {
        font.setPointSizeF(size / KitFont::pixelsPerPoint());
        if (QFontMetricsF(font).horizontalAdvance(m_amount->text()) <= room)
            break;
    }
    font.setPointSizeF(qMax(size, m_amountPx * 0.6) / KitFont::pixelsPerPoint());
    if (font != m_amount->font())
        m_amount->setFont(font);
}

void MoneyStat::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    const double radius = 14 * m_zoom;
    if (!palette.highContrast) {
        QColor fill = m_color;
        fill.setAlphaF(float(kTint));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(MBPanel::shape(box, radius));
    }
    QColor line = palette.highContrast ? palette.border : m_color;
    if (!palette.highContrast)
        line.setAlphaF(0.35f);
    MBPanel::strokeInside(painter, box, radius, QPen(line, (palette.highContrast ? 2.0 : 1.0) * m_zoom));
}
