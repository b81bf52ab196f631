#pragma once
// Draws one symbol (see MBSymbols) centred in its box.

#include <QColor>
#include <QWidget>

#include <functional>

class MBSymbolView : public QWidget
{
    Q_OBJECT
public:
    // `px` is the glyph size in logical pixels (already scaled by the caller).
    MBSymbolView(const QString &name, double px, QWidget *parent = nullptr);

    QString name() const { return m_name; }
    double glyphSize() const { return m_px; }

    void setName(const QString &name);
    void setGlyphSize(double px);

    // The colour is asked for at every paint; without a source the widget's
    // foreground (WindowText) is used.
    void setColorSource(std::function<QColor()> source);
    void setColor(const QColor &color);

    // Width of the box the glyph is centred in (0: the glyph's own size).
    void setBoxWidth(double px);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    double m_px;
    double m_boxWidth = 0.0;
    std::function<QColor()> m_color;
};
