#pragma once
// One bar of the "By kind" block: a capsule in the accent colour, from the
// leading edge, as wide as the category's share of the largest category
// gives (at least 4 points, so no category vanishes).

#include <QWidget>

class KindBar final : public QWidget
{
    Q_OBJECT
public:
    // `reference` is the largest category's cents (values below 1 count as 1).
    KindBar(qint64 cents, qint64 reference, QWidget *parent = nullptr);

    // The capsule's width in a bar area `width` wide; `minimum` is 4 points
    // at the zoom of the bar.
    static double barWidth(double width, qint64 cents, qint64 reference, double minimum = 4);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_cents;
    qint64 m_reference;
    int m_height;
    double m_zoom;
};
