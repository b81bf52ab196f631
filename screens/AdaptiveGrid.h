#pragma once
// A grid with as many equal columns as fit, each at least a minimum width
// (and no more than there are cells), filled row by row in order. Cells
// take the full column width; a row is as high as its tallest cell at that
// width (height-for-width), so a title that wraps makes its row taller
// instead of being cut.

#include <QLayout>
#include <QList>

class AdaptiveGrid final : public QLayout
{
    Q_OBJECT
public:
    // Sizes in points (zoomed when built).
    AdaptiveGrid(QWidget *parent, double minColumnWidth, double columnSpacing, double rowSpacing);
    ~AdaptiveGrid() override;

    // How many columns of at least `minWidth` fit in `width`; at least one.
    static int columns(int width, int minWidth, int spacing);
    int columnsAt(int width) const { return columns(width, m_min, m_hspace); }

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Lays the cells out in `rect`; places them only when `apply`. Returns the height.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_min;
    int m_hspace;
    int m_vspace;
};
