#include "screens/BesideOrBelow.h"

#include <algorithm>

namespace {

int heightAt(const QLayoutItem *item, int width)
{
    return item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
}

} // namespace

BesideOrBelow::BesideOrBelow(QWidget *parent, int spacing, int leadNeed, int indent, bool trailFollows)
    : QLayout(parent), m_spacing(spacing), m_leadNeed(leadNeed), m_indent(indent), m_trailFollows(trailFollows)
{
    setContentsMargins(0, 0, 0, 0);
}

BesideOrBelow::~BesideOrBelow() { qDeleteAll(m_items); }

void BesideOrBelow::addItem(QLayoutItem *item) { m_items << item; }

void BesideOrBelow::addLayout(QLayout *layout)
{
    addChildLayout(layout);
    addItem(layout);
}

QLayoutItem *BesideOrBelow::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

bool BesideOrBelow::besideAt(int width) const
{
    if (m_items.size() < 2)
        return true;
    const QLayoutItem *lead = m_items.at(0);
    const int room = width - m_spacing - m_items.at(1)->sizeHint().width();
    return room >= std::max(lead->minimumSize().width(), std::min(m_leadNeed, lead->sizeHint().width()));
}

int BesideOrBelow::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize BesideOrBelow::sizeHint() const
{
    QSize size(0, 0);
    for (const QLayoutItem *item : m_items)
        size = QSize(size.width() + item->sizeHint().width(), std::max(size.height(), item->sizeHint().height()));
    if (m_items.size() > 1)
        size.rwidth() += m_spacing;
    return size;
}

QSize BesideOrBelow::minimumSize() const
{
    // The height comes from height-for-width.
    int width = 0;
    for (qsizetype i = 0; i < m_items.size(); ++i)
        width = std::max(width, (i > 0 ? m_indent : 0) + m_items.at(i)->minimumSize().width());
    return {width, 0};
}

void BesideOrBelow::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int BesideOrBelow::arrange(const QRect &rect, bool apply) const
{
    if (m_items.isEmpty())
        return 0;
    QLayoutItem *lead = m_items.at(0);
    if (m_items.size() < 2) {
        const int h = std::max(heightAt(lead, rect.width()), rect.height());
        if (apply)
            lead->setGeometry(QRect(rect.topLeft(), QSize(rect.width(), h)));
        return h;
    }
    QLayoutItem *trail = m_items.at(1);
    if (besideAt(rect.width())) {
        const int trailWidth = std::min(trail->sizeHint().width(), rect.width());
        int leadWidth = rect.width() - m_spacing - trailWidth;
        if (m_trailFollows)
            leadWidth = std::min(leadWidth, lead->sizeHint().width());
        const int h = std::max({heightAt(lead, leadWidth), heightAt(trail, trailWidth), rect.height()});
        if (apply) {
            lead->setGeometry(QRect(rect.x(), rect.y(), leadWidth, h));
            const int x = m_trailFollows ? rect.x() + leadWidth + m_spacing : rect.right() + 1 - trailWidth;
            trail->setGeometry(QRect(x, rect.y(), trailWidth, h));
        }
        return h;
    }
    const int gap = m_spacing / 2;
    const int leadHeight = heightAt(lead, rect.width());
    const int below = std::max(1, rect.width() - m_indent);
    const int trailHeight = heightAt(trail, below);
    if (apply) {
        lead->setGeometry(QRect(rect.x(), rect.y(), rect.width(), leadHeight));
        trail->setGeometry(QRect(rect.x() + m_indent, rect.y() + leadHeight + gap, below, trailHeight));
    }
    return leadHeight + gap + trailHeight;
}
