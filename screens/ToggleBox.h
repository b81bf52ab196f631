#pragma once
// A check box drawn large and in the palette's colours, so it reads in every
// theme and at every text size. Its text is a button's: "&&" shows one "&".

#include <QAbstractButton>

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
    QString shownText() const;
    QRect textRect(int width) const;

    double m_box;
    double m_gap;
    double m_zoom;
    // Room around the box for its focus ring, drawn outside it.
    double m_inset;
};
