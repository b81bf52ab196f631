#include "look/kit/MBSymbolView.h"

#include "look/kit/MBSymbols.h"

#include <QPainter>

#include <cmath>

MBSymbolView::MBSymbolView(const QString &name, double px, QWidget *parent)
    : QWidget(parent), m_name(name), m_px(px)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MBSymbolView::setName(const QString &name)
{
    m_name = name;
    update();
}

void MBSymbolView::setGlyphSize(double px)
{
    m_px = px;
    updateGeometry();
    update();
}

void MBSymbolView::setColorSource(std::function<QColor()> source)
{
    m_color = std::move(source);
    update();
}

void MBSymbolView::setColor(const QColor &color)
{
    setColorSource([color] { return color; });
}

void MBSymbolView::setBoxWidth(double px)
{
    m_boxWidth = px;
    updateGeometry();
}

QSize MBSymbolView::sizeHint() const
{
    const int side = int(std::ceil(m_px));
    return QSize(std::max(side, int(std::ceil(m_boxWidth))), side);
}

QSize MBSymbolView::minimumSizeHint() const { return sizeHint(); }

void MBSymbolView::paintEvent(QPaintEvent *)
{
    const QString g = MBSymbols::glyph(m_name);
    if (g.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(MBSymbols::font(m_px));
    p.setPen(m_color ? m_color() : palette().color(QPalette::WindowText));
    p.drawText(rect(), Qt::AlignCenter, g);
}
