#pragma once
// The rounded box drawn behind a text field (the search field, a note, the
// Money Plan's fields): a fill read from the palette when painted, a thin
// outline, and the focus ring while the field inside has the focus.

#include <QColor>
#include <QWidget>

struct TLPalette;

class TLFieldBox : public QWidget
{
    Q_OBJECT
public:
    struct Look
    {
        QColor (*fill)(const TLPalette &);
        double radius; // in points; 0 draws a capsule (half the height)
        bool widerOutlineInHighContrast;
    };

    explicit TLFieldBox(Look look, QWidget *parent = nullptr);

    // The text field inside, ringed while it has the focus.
    void setField(QWidget *field);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look m_look;
    double m_zoom;
    QWidget *m_field = nullptr;
};
