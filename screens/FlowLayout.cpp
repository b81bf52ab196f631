#include "screens/FlowLayout.h"

#include "look/kit/MBZoom.h"

#include <QHash>
#include <QWidget>

#include <algorithm>

FlowLayout::FlowLayout(QWidget *parent, double spacing)
    : QLayout(parent), m_spacing(ipx(spacing)), m_defaultWidth(ipx(defaultWrapWidth))
{
    setContentsMargins(0, 0, 0, 0);
}

FlowLayout::~FlowLayout()
{
    qDeleteAll(m_items);
}

QSize FlowLayout::measure(const QList<QSize> &sizes, std::optional<int> wrapWidth, int spacing)
{
    const int wrap = wrapWidth.value_or(defaultWrapWidth);
    int x = 0, y = 0, rowHeight = 0, right = 0;
    for (const QSize &s : sizes) {
        if (x > 0 && x + s.width() > wrap) {
            y += rowHeight + spacing;
            x = 0;
            rowHeight = 0;
        }
        x += s.width() + spacing;
        rowHeight = std::max(rowHeight, s.height());
        right = std::max(right, x - spacing);
    }
    if (sizes.isEmpty())
        return {0, 0};
    return {std::min(right, wrap), y + rowHeight};
}

QList<QRect> FlowLayout::place(const QList<QSize> &sizes, const QRect &rect, int spacing)
{
    QList<QRect> placed;
    placed.reserve(sizes.size());
    int x = rect.left(), y = rect.top(), rowHeight = 0;
    const int rightEdge = rect.left() + rect.width();
    for (const QSize &s : sizes) {
        if (x > rect.left() && x + s.width() > rightEdge) {
            x = rect.left();
            y += rowHeight + spacing;
            rowHeight = 0;
        }
        placed << QRect(QPoint(x, y), s);
        x += s.width() + spacing;
        rowHeight = std::max(rowHeight, s.height());
    }
    return placed;
}

void FlowLayout::addItem(QLayoutItem *item) { m_items << item; }

QLayoutItem *FlowLayout::itemAt(int index) const { return m_items.value(index); }

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

QList<QLayoutItem *> FlowLayout::shownItems() const
{
    QList<QLayoutItem *> shown;
    for (QLayoutItem *item : m_items)
        if (!item->isEmpty())
            shown << item;
    return shown;
}

QList<QSize> FlowLayout::sizes() const
{
    QList<QSize> s;
    for (QLayoutItem *item : shownItems())
        s << item->sizeHint();
    return s;
}

QSize FlowLayout::contentSize(std::optional<int> wrapWidth) const
{
    const QMargins m = contentsMargins();
    if (wrapWidth)
        *wrapWidth -= m.left() + m.right();
    const QSize s = measure(sizes(), wrapWidth ? wrapWidth : std::optional<int>(m_defaultWidth), m_spacing);
    return s + QSize(m.left() + m.right(), m.top() + m.bottom());
}

int FlowLayout::heightForWidth(int width) const { return contentSize(width).height(); }

QSize FlowLayout::sizeHint() const { return contentSize(std::nullopt); }

QSize FlowLayout::minimumSize() const
{
    // The widest child must fit; the height comes from height-for-width.
    QSize largest(0, 0);
    for (const QSize &s : sizes())
        largest = largest.expandedTo(s);
    const QMargins m = contentsMargins();
    return largest + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const QList<QLayoutItem *> items = shownItems();
    QList<QSize> s;
    for (QLayoutItem *item : items)
        s << item->sizeHint();
    const QList<QRect> rects = place(s, contentsRect(), m_spacing);
    QHash<int, int> rowHeights; // by the row's top
    for (const QRect &r : rects)
        rowHeights[r.top()] = std::max(rowHeights.value(r.top()), r.height());
    // The last row takes the height left over: one line of items centred in
    // a taller box stands in its middle.
    if (!rects.isEmpty()) {
        const int last = rects.constLast().top();
        rowHeights[last] = std::max(rowHeights.value(last), contentsRect().bottom() + 1 - last);
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        QRect r = rects.at(i);
        // The item aligns itself within the row's height.
        if (items.at(i)->alignment() & Qt::AlignVertical_Mask)
            r.setHeight(rowHeights.value(r.top()));
        items.at(i)->setGeometry(r);
    }
}
