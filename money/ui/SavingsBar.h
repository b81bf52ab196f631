#pragma once
// The savings progress bar: a capsule track in the border colour with a
// green capsule over it as wide as the percent saved. Read aloud as
// "Savings N percent".

#include <QWidget>

class SavingsBar final : public QWidget
{
    Q_OBJECT
public:
    explicit SavingsBar(int percent = 0, QWidget *parent = nullptr);

    int percent() const { return m_percent; }
    void setPercent(int percent);

    // Width of the fill for a bar `width` wide: percent of it, never below 0.
    static double fillWidth(int percent, double width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_percent;
    int m_height;
};
