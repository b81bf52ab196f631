#pragma once
// One summary tile of the Money Plan: a title, an amount in the tile's
// colour (the text colour in high contrast) and "each week" or "each month",
// on a rounded tint of that colour with an outline. The amount stays on one
// line and shrinks to six tenths of its size before it is cut.

#include "money/MoneyPeriod.h"

#include <QColor>
#include <QWidget>

class QLabel;

class MoneyStat final : public QWidget
{
    Q_OBJECT
public:
    MoneyStat(const QString &title, qint64 value, MoneyPeriod period, const QColor &color,
              QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    QLabel *amountLabel() const { return m_amount; }
    // The colour the amount is shown in, for the palette of the moment.
    QColor amountColor() const;

    // Red below zero, else green: the colour of the "Left over" tile.
    static QColor leftOverColor(qint64 cents);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitAmount();

    QColor m_color;
    QLabel *m_amount;
    double m_amountPx;
    double m_zoom;
};
