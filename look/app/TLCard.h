#pragma once
// The card: content padded inside a rounded panel with a gradient, an outline
// and a soft shadow. It takes all the width offered and grows with its content.

#include <QWidget>

class QPainter;
class QVBoxLayout;
struct TLPalette;

class TLCard : public QWidget
{
    Q_OBJECT
public:
    // Padding and radius in points (zoomed when built).
    explicit TLCard(QWidget *parent = nullptr, double padding = 16, double radius = 18);

    // The content goes here (a column).
    QVBoxLayout *body() const { return m_body; }
    void addWidget(QWidget *widget);

    double padding() const { return m_padding; }
    double radius() const { return m_radius; }
    // Room kept around the panel for its shadow, in pixels.
    QMargins shadowMargins() const;
    // The panel's rectangle inside the widget.
    QRectF panelRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Shadow, fill and outline of the panel.
    void paintPanel(QPainter &painter, const TLPalette &palette) const;

    QVBoxLayout *m_body;
    double m_padding;
    double m_radius;
    double m_zoom;
};
