#pragma once
// Text size & display: the text size, high contrast, the colour theme and the
// zoom of the whole window on one page. Every control writes its setting at
// once; the screen follows "tl.textSize", "mrby.theme" and "mrby.zoom"
// whoever changes them, so it always agrees with the menus.

#include <QAbstractButton>
#include <QWidget>

class QComboBox;
class QLabel;
class Page;

// Three (or more) segments of which at most one is chosen.
class SegmentedPicker : public QWidget
{
    Q_OBJECT
public:
    explicit SegmentedPicker(const QStringList &titles, QWidget *parent = nullptr);

    QStringList titles() const { return m_titles; }
    // -1 when no segment is chosen.
    int current() const { return m_current; }
    void setCurrent(int index);

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

private:
    QRectF segmentRect(int index) const;

    QStringList m_titles;
    int m_current = -1;
    int m_preferred = 0;
    double m_padX;
    double m_padY;
    double m_radius;
};

// A check box drawn large and in the palette's colours, so it reads in every
// theme and at every text size.
class ToggleBox : public QAbstractButton
{
    Q_OBJECT
public:
    explicit ToggleBox(const QString &text, QWidget *parent = nullptr);

    // The label wraps when the row is narrow.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textRect(int width) const;

    double m_box;
    double m_gap;
};

class DisplayView : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayView(QWidget *parent = nullptr);

    // "Zoom the whole window: 100%" for the stored zoom.
    static QString zoomLine();

    SegmentedPicker *textSizePicker() const { return m_textSize; }
    ToggleBox *highContrastToggle() const { return m_highContrast; }
    QComboBox *themePicker() const { return m_theme; }
    QLabel *zoomLabel() const { return m_zoomLabel; }
    QAbstractButton *smallerButton() const { return m_smaller; }
    QAbstractButton *actualSizeButton() const { return m_actual; }
    QAbstractButton *biggerButton() const { return m_bigger; }

    // Shows the stored settings.
    void refresh();

private:
    SegmentedPicker *m_textSize;
    ToggleBox *m_highContrast;
    QComboBox *m_theme;
    QLabel *m_zoomLabel;
    QAbstractButton *m_smaller;
    QAbstractButton *m_actual;
    QAbstractButton *m_bigger;
};
