#pragma once
// Two parts, the lead and the trail (added in that order), side by side
// while the lead keeps at least `leadNeed` pixels beside the trail (or its
// ideal width, when that is less), and never less than its minimum width;
// on a narrower width the trail goes on a
// line of its own below the lead, `indent` pixels in. Side by side the
// trail stands at the right edge, or right after the lead when
// `trailFollows`. Each part takes the row's height and aligns itself as it
// was added (QLayout::setAlignment). Answers height-for-width.

#include <QLayout>
#include <QList>

class BesideOrBelow final : public QLayout
{
    Q_OBJECT
public:
    // Sizes in pixels.
    BesideOrBelow(QWidget *parent, int spacing, int leadNeed, int indent, bool trailFollows = false);
    ~BesideOrBelow() override;

    void addItem(QLayoutItem *item) override;
    // A part that is a layout of its own.
    void addLayout(QLayout *layout);
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
    // True when the two parts stand side by side at `width`.
    bool besideAt(int width) const;
    // Places the parts in `rect` when `apply`; returns the height they take.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_spacing;
    int m_leadNeed;
    int m_indent;
    bool m_trailFollows;
};
