#pragma once
// The application's window background: the theme's bg with a top sheen and an
// accent glow from the top-right corner (plain bg in high contrast).

#include <QWidget>

class QPainter;

class TLBackground : public QWidget
{
    Q_OBJECT
public:
    explicit TLBackground(QWidget *parent = nullptr);

    // Paints the background into `rect` with the palette of the moment.
    static void paint(QPainter &painter, const QRectF &rect);

protected:
    void paintEvent(QPaintEvent *event) override;
};
