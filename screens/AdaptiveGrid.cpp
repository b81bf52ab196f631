#include "screens/AdaptiveGrid.h"

#include "look/kit/MBZoom.h"

#include <QWidget>

#include <algorithm>

AdaptiveGrid::AdaptiveGrid(QWidget *parent, double minColumnWidth, double columnSpacing, double rowSpacing)
    : QLayout(parent), m_min(ipx(minColumnWidth)), m_hspace(ipx(columnSpacing)), m_vspace(ipx(rowSpacing))
{
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGrid::~AdaptiveGrid() { qDeleteAll(m_items); }

int AdaptiveGrid::columns(int width, int minWidth, int spacing)
{
    if (minWidth <= 0)
        return 1;
    return std::max(1, (width + spacing) / (minWidth + spacing));
}

void AdaptiveGrid::addItem(QLayoutItem *item) { m_items << item; }

QLayoutItem *AdaptiveGrid::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

int AdaptiveGrid::arrange(const QRect &rect, bool apply) const
{
    QList<QLayoutItem *> shown;
    for (QLayoutItem *item : m_items)
        if (!item->isEmpty())
            shown << item;
    if (shown.isEmpty())
        return 0;
    // Never more columns than cells: a few cells share the whole width.
    const int cols = std::min(columnsAt(rect.width()), int(shown.size()));
    const int cellW = std::max(1, (rect.width() - (cols - 1) * m_hspace) / cols);
    int y = rect.top();
    for (qsizetype start = 0; start < shown.size(); start += cols) {
        const qsizetype end = std::min(shown.size(), start + cols);
        int rowH = 0;
        for (qsizetype i = start; i < end; ++i) {
            QLayoutItem *item = shown.at(i);
            const int h = item->hasHeightForWidth() ? item->heightForWidth(cellW) : item->sizeHint().height();
            rowH = std::max(rowH, std::max(h, item->minimumSize().height()));
        }
        if (apply) {
            for (qsizetype i = start; i < end; ++i) {
                const int col = int(i - start);
                shown.at(i)->setGeometry(QRect(rect.left() + col * (cellW + m_hspace), y, cellW, rowH));
            }
        }
        y += rowH + m_vspace;
    }
    return y - m_vspace - rect.top();
}

int AdaptiveGrid::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize AdaptiveGrid::sizeHint() const
{
    const int w = 2 * m_min + m_hspace;
    return QSize(w, heightForWidth(w));
}

QSize AdaptiveGrid::minimumSize() const
{
    // The height comes from height-for-width; a minimum taken at one column
    // would leave a tall empty page at wide widths.
    return QSize(m_min, 0);
}

void AdaptiveGrid::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}
