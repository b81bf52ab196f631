#pragma once
// A button without chrome: a symbol and a one-line text in a given colour,
// underlined while pointed at or focused, and ringed while focused. For
// quiet actions beside other content, such as a card's "Report a problem".

#include <QAbstractButton>
#include <QColor>

class PlainButton final : public QAbstractButton
{
    Q_OBJECT
public:
    // `text` is shown as it stands; `size` is a tlFont size.
    PlainButton(const QString &symbol, const QString &text, double size, const QColor &color,
                QWidget *parent = nullptr);

    QString symbol() const { return m_symbol; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QString m_symbol;
    QColor m_color;
    double m_symbolPx;
    double m_gap;
    double m_zoom;
    // Room around the content for the focus ring.
    int m_pad;
    bool m_hover = false;
};
