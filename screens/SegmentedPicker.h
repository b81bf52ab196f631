#pragma once
// Three (or more) segments of which at most one is chosen. A screen reader
// sees a group of radio buttons: option i is the picker's accessible child i
// (app/TLAccessible), the chosen one checked.

#include <QStringList>
#include <QWidget>

class SegmentedPicker : public QWidget
{
    Q_OBJECT
public:
    explicit SegmentedPicker(const QStringList &titles, QWidget *parent = nullptr);

    QStringList titles() const { return m_titles; }
    // -1 when no segment is chosen.
    int current() const { return m_current; }
    void setCurrent(int index);
    // What a click on a segment does (a screen reader's press): chooses it
    // and says so (chosen).
    void choose(int index);
    // Where segment `index` is painted, in the picker's coordinates.
    QRectF segmentRect(int index) const;

    // The width the picker likes to have (it still shrinks to fit its titles).
    void setPreferredWidth(int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The user chose a segment.
    void chosen(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void announceChange(int before);
    void announceFocus();

    QStringList m_titles;
    int m_current = -1;
    int m_preferred = 0;
    double m_padX;
    double m_padY;
    double m_radius;
    double m_zoom;
};
