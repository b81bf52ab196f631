#include "money/ui/SavingsBar.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"

#include <QLinearGradient>
#include <QPainter>

SavingsBar::SavingsBar(int percent, QWidget *parent)
    : QWidget(parent), m_percent(0), m_height(qRound(tlPx(22)))
{
    setObjectName(QStringLiteral("savingsBar"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setPercent(percent);
}

void SavingsBar::setPercent(int percent)
{
    m_percent = percent;
    setAccessibleName(QStringLiteral("Savings ") + QString::number(percent) + QStringLiteral(" percent"));
    update();
}

double SavingsBar::fillWidth(int percent, double width)
{
    return qMax(0.0, percent * width / 100.0);
}

QSize SavingsBar::sizeHint() const
{
    return {m_height * 4, m_height};
}

QSize SavingsBar::minimumSizeHint() const
{
    return {m_height, m_height};
}

void SavingsBar::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track(0, 0, width(), m_height);
    const double radius = m_height / 2.0;
    // The border colour is translucent itself: the track dims it further.
    QColor trackColor = palette.border;
    trackColor.setAlphaF(trackColor.alphaF() * 0.6f);
    painter.setBrush(trackColor);
    painter.drawRoundedRect(track, radius, radius);
    const double fill = fillWidth(m_percent, track.width());
    if (fill <= 0)
        return;
    QLinearGradient gradient(0, 0, 0, m_height);
    QColor top = TLPalette::green211();
    top.setAlphaF(0.8f);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, TLPalette::green211());
    painter.setBrush(gradient);
    // A fill narrower than the bar is high still keeps round ends.
    const double r = qMin(radius, fill / 2);
    painter.drawRoundedRect(QRectF(0, 0, fill, m_height), r, radius);
}
