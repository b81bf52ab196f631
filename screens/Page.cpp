#include "screens/Page.h"

#include "look/kit/MBBoxes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLScroll.h"

#include <QLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <functional>

namespace {

// Holds one item at most `max` pixels wide, centred in the width it gets;
// narrower space gives the item all of it. Passes height-for-width on, so
// wrapped text inside a scroll area is never cut.
class CentredColumnLayout final : public QLayout
{
public:
    CentredColumnLayout(QWidget *parent, int max) : QLayout(parent), m_max(max)
    {
        setContentsMargins(0, 0, 0, 0);
    }
    ~CentredColumnLayout() override { delete m_item; }

    void addItem(QLayoutItem *item) override
    {
        delete m_item;
        m_item = item;
    }
    int count() const override { return m_item ? 1 : 0; }
    QLayoutItem *itemAt(int index) const override { return index == 0 ? m_item : nullptr; }
    QLayoutItem *takeAt(int index) override
    {
        if (index != 0 || !m_item)
            return nullptr;
        QLayoutItem *item = m_item;
        m_item = nullptr;
        return item;
    }

    Qt::Orientations expandingDirections() const override { return Qt::Horizontal | Qt::Vertical; }
    QSize sizeHint() const override
    {
        if (!m_item)
            return {0, 0};
        QSize s = m_item->sizeHint();
        s.setWidth(qMin(s.width(), m_max));
        return s;
    }
    QSize minimumSize() const override { return m_item ? m_item->minimumSize() : QSize(0, 0); }
    bool hasHeightForWidth() const override { return m_item && m_item->hasHeightForWidth(); }
    int heightForWidth(int width) const override
    {
        return m_item ? m_item->heightForWidth(qMin(width, m_max)) : -1;
    }

    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        if (!m_item)
            return;
        const int w = qMin(rect.width(), m_max);
        const int x = rect.x() + (rect.width() - w) / 2;
        m_item->setGeometry(QRect(x, rect.y(), w, rect.height()));
    }

private:
    QLayoutItem *m_item = nullptr;
    int m_max;
};

// The Tab stops under `w` (itself included) in the order its layouts stand
// them, then those of children no layout holds.
void collectTabStops(QWidget *w, QList<QWidget *> &out)
{
    // A whole that holds a focus handed to it passes Tab on into its own
    // controls, not to the window's chain.
    if (((w->focusPolicy() & Qt::TabFocus) || MBKeyboard::isHolder(w)) && !w->focusProxy())
        out << w;
    QList<QWidget *> children;
    const std::function<void(const QLayout *)> walk = [&](const QLayout *layout) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            if (item->widget())
                children << item->widget();
            else if (item->layout())
                walk(item->layout());
        }
    };
    if (w->layout())
        walk(w->layout());
    for (QObject *o : w->children()) {
        auto *child = qobject_cast<QWidget *>(o);
        if (child && !child->isWindow() && !children.contains(child))
            children << child;
    }
    for (QWidget *child : std::as_const(children))
        collectTabStops(child, out);
}

} // namespace

Page::Page() : Page(QList<QWidget *>{}) {}

Page::Page(const QList<QWidget *> &blocks, QWidget *parent) : QWidget(parent)
{
    auto *outer = new QWidget;
    auto *centring = new CentredColumnLayout(outer, ipx(920));

    m_column = new QWidget;
    m_layout = new QVBoxLayout(m_column);
    const int pad = ipx(24);
    m_layout->setContentsMargins(pad, pad, pad, pad);
    m_layout->setSpacing(ipx(16));
    // Blocks keep to the top; a layout alignment would cut wrapped text.
    m_layout->addStretch(1);
    centring->addWidget(m_column);

    // Laid out from the top and painting nothing of their own: grown or
    // shrunk at the foot (a longer or shorter list), only what comes newly
    // into view is painted, not every block in view again.
    outer->setAttribute(Qt::WA_StaticContents);
    m_column->setAttribute(Qt::WA_StaticContents);

    m_scroll = new TLScroll(outer, this, Qt::Vertical | Qt::Horizontal);
    auto *layout = mbColumn(this, 0);
    layout->addWidget(m_scroll);
    // The focus goes to the scrolling column when it goes to the page.
    if (QScrollArea *area = m_scroll->scrollArea())
        MBKeyboard::markPage(area);

    for (QWidget *block : blocks)
        addBlock(block);
}

void Page::addBlock(QWidget *block)
{
    if (!block)
        return;
    m_blocks << block;
    m_layout->insertWidget(m_layout->count() - 1, block);
}

void Page::replaceBlock(QWidget *old, QWidget *now)
{
    const int at = m_layout->indexOf(old);
    const qsizetype i = m_blocks.indexOf(old);
    if (at < 0 || i < 0 || !now)
        return;
    m_layout->insertWidget(at, now);
    m_blocks[i] = now;
    old->hide();
    old->deleteLater();
}

void Page::scrollToTop()
{
    if (QScrollArea *area = m_scroll->scrollArea())
        area->verticalScrollBar()->setValue(0);
}

void Page::orderTabs()
{
    QList<QWidget *> stops;
    collectTabStops(m_column, stops);
    MBKeyboard::chainTabs(stops);
}
