#pragma once
// The card: content padded inside a rounded panel with a gradient, an outline
// and a soft shadow. It takes all the width offered and grows with its content.
// The widget is the panel itself, so layouts space cards by their panels; the
// shadow is painted on the parent, just outside the card.
//
// A card takes no focus from Tab or a click; a list may give it the focus
// (a removed entry's place), and then it shows the focus ring.

#include <QWidget>

class QVBoxLayout;

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
    // How far the shadow reaches outside the card, in pixels.
    QMargins shadowMargins() const;
    // The panel's rectangle inside the widget: all of it.
    QRectF panelRect() const;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintShadow(QPainter &painter, const QRectF &panel) const;
    void updateShadow(const QRect &geometry);

    QVBoxLayout *m_body;
    double m_padding;
    double m_radius;
    double m_zoom;
};
