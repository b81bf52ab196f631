#pragma once
// A layout that places its children left to right at their ideal sizes and
// wraps onto a new row when the next child would cross the right edge, like
// words in a paragraph. Rows start at the left edge and their children are
// top-aligned, or as the vertical alignment they were added with says
// (QLayout::setAlignment); the tallest child of a row sets the row's height,
// and the last row takes any height the layout is given beyond that. A child
// wider than the room sits alone on its row and runs past the right edge;
// nothing is squeezed. The layout answers height-for-width, and its minimum
// width is that of its widest child.
//
// Used for button groups that must wrap on a narrow card: contact buttons,
// the home screen's start buttons, and any row of buttons or badges.
//
//     auto *row = new QWidget;
//     auto *flow = new FlowLayout(row);   // spacing 8 points
//     flow->addWidget(new TLButton(...));

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

class FlowLayout final : public QLayout
{
    Q_OBJECT
public:
    // Wrap width used when no width is proposed, in points.
    static constexpr int defaultWrapWidth = 700;

    // `spacing` in points (zoomed when built), between children and rows.
    explicit FlowLayout(QWidget *parent = nullptr, double spacing = 8);
    ~FlowLayout() override;

    // Measuring: the size the children need at `wrapWidth` (none: 700).
    // Width is the widest row's right edge, at most the wrap width; no
    // children give 0 × 0.
    static QSize measure(const QList<QSize> &sizes, std::optional<int> wrapWidth, int spacing);
    // Placing: each child's rectangle inside `rect`, breaking rows where
    // measure() does for the same width.
    static QList<QRect> place(const QList<QSize> &sizes, const QRect &rect, int spacing);

    int spacingPx() const { return m_spacing; }

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Ideal sizes of the children that take part (hidden ones do not).
    QList<QSize> sizes() const;
    QList<QLayoutItem *> shownItems() const;
    QSize contentSize(std::optional<int> wrapWidth) const;

    QList<QLayoutItem *> m_items;
    int m_spacing;
    int m_defaultWidth;
};
