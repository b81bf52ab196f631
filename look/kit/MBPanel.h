#pragma once
// A rounded panel: the content inset by `padding`, on a top-to-bottom
// gradient of the kit's panel colours with a thin light-to-dark rim (an
// outline in the text colour where the gradient ends in the window's colour).

#include <QWidget>

class QPainter;
class QPainterPath;
class QPen;
class QVBoxLayout;

class MBPanel : public QWidget
{
    Q_OBJECT
public:
    // Takes ownership of `content` (may be null). Radius and padding are in
    // points, at the zoom of the current build scope.
    explicit MBPanel(QWidget *content, double radius = 20, double padding = 12,
                     QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    double radius() const { return m_radius; }
    double padding() const { return m_padding; }
    void setRadius(double radius);
    void setPadding(double padding);

    // The outline the panel fills, in widget coordinates.
    static QPainterPath shape(const QRectF &rect, double radius);
    // Strokes shape(rect, radius) just inside its edge, so a wide line is not
    // cut by the widget's bounds; leaves `pen` and no brush on the painter.
    static void strokeInside(QPainter &painter, const QRectF &rect, double radius, const QPen &pen);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_content;
    QVBoxLayout *m_layout;
    double m_radius;
    double m_padding;
    double m_zoom;
};
