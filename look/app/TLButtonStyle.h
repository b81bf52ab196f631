#pragma once
// The application's buttons: a capsule with a semibold label, filled with a
// given colour or the panel colour, drawn with the palette of the moment.

#include <QColor>
#include <QPushButton>

#include <optional>

struct TLButtonStyle
{
    std::optional<QColor> color;     // fill; none: the panel colour
    std::optional<QColor> textColor; // label; none: white on a fill, else text
    bool big = false;
};

class TLButton : public QPushButton
{
    Q_OBJECT
public:
    // `text` follows QPushButton ("&&" for "&"); `symbol` is a symbol name or "".
    explicit TLButton(const QString &text, TLButtonStyle style = {}, const QString &symbol = {},
                      QWidget *parent = nullptr);

    const TLButtonStyle &buttonStyle() const { return m_style; }
    QString symbol() const { return m_symbol; }
    // Changes the symbol in place (buttons that relabel themselves).
    void setSymbol(const QString &symbol);

    // Label size in pixels (15 big / 13, × text scale × zoom at build).
    double labelSize() const { return m_labelPx; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // What paintEvent uses, for the current palette and press state.
    QColor labelColor() const;
    QColor fillColor() const;
    QColor outlineColor() const;
    double outlineWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    TLButtonStyle m_style;
    QString m_symbol;
    double m_labelPx;
    double m_padX;
    double m_padY;
    double m_zoom;
};
