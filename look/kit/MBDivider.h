#pragma once
// A thin horizontal rule in the kit's colours, with optional space around it.

#include <QWidget>

class MBDivider : public QWidget
{
    Q_OBJECT
public:
    // `vertical` is the space above and below, `horizontal` the inset at
    // both ends, in points.
    explicit MBDivider(double vertical = 0, double horizontal = 0, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_vertical;
    int m_horizontal;
};
