#include "screens/RowColumn.h"

#include "look/app/TLCard.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLRender.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QVBoxLayout>

#include <limits>
#include <utility>

namespace {
// Hidden rows kept for reuse beyond those listed now.
constexpr int kKeep = 300;
// The longest a fill-ahead slice keeps the event loop, in milliseconds; the
// layout of what it made follows in the same turn.
constexpr int kSliceMs = 10;
}

RowColumn::RowColumn(double spacing, QWidget *parent)
    : QWidget(parent),
      m_extend(this, [this] { extendForView(); }),
      // A timer rather than a posted call: the window's paint and input
      // events come first, so the first screenful is painted before the rest
      // is made.
      m_fill(this, [this] { fillSlice(); }, 1),
      m_zoom(MBZoomScope::current())
{
    m_layout = mbColumn(this, ipx(spacing));
    // Room the rows do not fill (the page has not yet taken the column's
    // new height after a shorter list) goes below them: a row shared it out
    // would stand thousands of pixels tall.
    m_layout->addStretch(1);
}

QStringList RowColumn::ids() const
{
    QStringList out;
    for (const Row &r : m_rows)
        out << r.id;
    return out;
}

QScrollArea *RowColumn::scrollArea()
{
    // The parents are final once the column is shown; look once then.
    if (!m_scrollLooked && isVisible()) {
        m_scrollLooked = true;
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *area = qobject_cast<QScrollArea *>(w)) {
                m_scroll = area;
                connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, &RowColumn::scheduleExtend);
                connect(area->verticalScrollBar(), &QScrollBar::rangeChanged, this, &RowColumn::scheduleExtend);
                break;
            }
        }
    }
    return m_scroll;
}

void RowColumn::setRows(QList<Row> rows)
{
    QHash<QString, int> seen;
    for (Row &r : rows) {
        const int n = ++seen[r.id];
        if (n > 1)
            r.id += QLatin1Char('#') + QString::number(n);
    }
    // The same rows at the top in the same order (a word typed further that
    // finds the same): nothing moves, so nothing is laid out or painted again.
    bool same = m_shown.size() <= rows.size();
    for (qsizetype i = 0; same && i < m_shown.size(); ++i)
        same = m_shown.at(i)->property("rowId").toString() == rows.at(i).id;
    if (same) {
        m_rows = std::move(rows);
        extendForView();
        return;
    }
    // Take every row out of the layout; the widgets stay for reuse.
    while (m_layout->count() > 1)
        delete m_layout->takeAt(0);
    const QList<QWidget *> before = std::exchange(m_shown, {});
    m_rows = std::move(rows);
    for (const Row &r : std::as_const(m_rows)) {
        m_recent.removeOne(r.id);
        m_recent.append(r.id);
    }
    extendForView();
    // A row no longer listed, or listed further down than is made now, would
    // stay at its old place over the new rows, its buttons live: it goes.
    // The focus in it (its own button pressed) moves to the row now in its
    // place; Qt would pass it down the window's chain, round to "Call 911".
    const QSet<QWidget *> placed(m_shown.cbegin(), m_shown.cend());
    QWidget *focus = QApplication::focusWidget();
    for (qsizetype i = 0; i < before.size(); ++i) {
        QWidget *w = before.at(i);
        if (placed.contains(w))
            continue;
        if (focus && w->isAncestorOf(focus))
            focusNear(i);
        w->hide();
    }
}

QWidget *RowColumn::focusTarget(QWidget *row)
{
    // A card as a whole, not a button in it: a key pressed again must not
    // act on the next entry.
    if (qobject_cast<TLCard *>(row) || (row->focusPolicy() & Qt::TabFocus))
        return row;
    for (QWidget *stop : tabStops(row))
        if (stop->isVisibleTo(row) && stop->isEnabled())
            return stop;
    return nullptr;
}

void RowColumn::focusNear(qsizetype index)
{
    for (qsizetype i = index; i < m_shown.size(); ++i) {
        if (QWidget *target = focusTarget(m_shown.at(i))) {
            target->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // No row below: the page around the column takes the focus, so Tab goes
    // on into the page rather than round to the emergency bar.
    for (QWidget *a = parentWidget(); a; a = a->parentWidget())
        if (MBKeyboard::focusPage(a))
            return;
    setFocus(Qt::OtherFocusReason);
}

void RowColumn::extendForView()
{
    // Also called from timers and scroll signals, outside the window's build.
    MBZoomScope scope(m_zoom);
    if (TLRender::snapshotMode) {
        buildAll();
        return;
    }
    QScrollArea *area = scrollArea();
    if (!isVisible()) {
        // Not on screen yet: a first screenful now, the rest once shown.
        extendTo(ipx(1600));
        return;
    }
    if (!area) {
        buildAll();
        return;
    }
    const QWidget *viewport = area->viewport();
    const int top = mapTo(area->widget(), QPoint(0, 0)).y();
    const int bottomOfView = area->verticalScrollBar()->value() + viewport->height();
    extendTo(bottomOfView - top + 2 * viewport->height());
}

void RowColumn::extendTo(int limit)
{
    MBZoomScope scope(m_zoom);
    const int width = std::max(1, this->width());
    // A row the layout has placed at this width is read; a row just added
    // is asked. Asking every row again would lay their text out again, and a
    // selectable label repaints itself when it does.
    const auto height = [width](QWidget *w) {
        if (w->width() == width && w->testAttribute(Qt::WA_Resized))
            return w->height();
        return w->hasHeightForWidth() ? w->heightForWidth(width) : w->sizeHint().height();
    };
    int y = 0;
    for (QWidget *w : std::as_const(m_shown))
        y += height(w) + m_layout->spacing();
    const qsizetype from = m_shown.size();
    while (m_shown.size() < m_rows.size() && y < limit)
        y += height(appendNext()) + m_layout->spacing();
    orderTabs(from);
    prune();
    scheduleFill();
}

QWidget *RowColumn::appendNext()
{
    const Row &row = m_rows.at(m_shown.size());
    QWidget *w = m_cache.value(row.id);
    if (!w) {
        w = row.make();
        w->setProperty("rowId", row.id);
        w->setParent(this);
        m_cache.insert(row.id, w);
        m_recent.removeOne(row.id);
        m_recent.append(row.id);
        ++m_made;
    }
    m_layout->insertWidget(m_layout->count() - 1, w);
    w->show();
    m_shown << w;
    return w;
}

void RowColumn::setFillAhead(bool on)
{
    m_fillAhead = on;
    scheduleFill();
}

void RowColumn::scheduleFill()
{
    if (!m_fillAhead || !filling() || !isVisible())
        return;
    m_fill.schedule();
}

void RowColumn::fillSlice()
{
    if (!isVisible())
        return;
    MBZoomScope scope(m_zoom);
    QElapsedTimer t;
    t.start();
    // Showing a row lays out every shown ancestor at once; with the column's
    // layout off, the page is laid out once for the slice instead of once
    // per row.
    m_layout->setEnabled(false);
    const qsizetype from = m_shown.size();
    while (filling() && t.elapsed() < kSliceMs)
        appendNext();
    m_layout->setEnabled(true);
    orderTabs(from);
    // Placed before anything paints: a row made here stands at the column's
    // top until its layout places it.
    m_layout->invalidate();
    m_layout->activate();
    prune();
    scheduleFill();
}

void RowColumn::buildAll() { extendTo(std::numeric_limits<int>::max()); }

QList<QWidget *> RowColumn::tabStops(QWidget *row)
{
    const auto stops = [](QWidget *w) { return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy(); };
    QList<QWidget *> out;
    if (stops(row))
        out << row;
    // In the order the row was built, which is its order top to bottom.
    for (QWidget *w : row->findChildren<QWidget *>())
        if (stops(w))
            out << w;
    return out;
}

void RowColumn::orderTabs(qsizetype from)
{
    if (from >= m_shown.size())
        return;
    QWidget *previous = nullptr;
    for (qsizetype i = from - 1; i >= 0 && !previous; --i) {
        const QList<QWidget *> above = tabStops(m_shown.at(i));
        if (!above.isEmpty())
            previous = above.last();
    }
    // Above the first row, Tab comes from what precedes the column itself.
    QList<QWidget *> chain{previous ? previous : this};
    for (qsizetype i = from; i < m_shown.size(); ++i) {
        QWidget *row = m_shown.at(i);
        // A card that holds the focus passes Tab on into its own controls.
        if (qobject_cast<TLCard *>(row) && !(row->focusPolicy() & Qt::TabFocus))
            chain << row;
        chain += tabStops(row);
    }
    // Qt links only widgets that take the focus, so the column and the cards
    // do so for the moment.
    QList<QWidget *> lent;
    for (QWidget *w : std::as_const(chain)) {
        if (w->focusPolicy() == Qt::NoFocus) {
            lent << w;
            w->setFocusPolicy(Qt::TabFocus);
        }
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    for (QWidget *w : std::as_const(lent))
        w->setFocusPolicy(Qt::NoFocus);
}

void RowColumn::scheduleExtend()
{
    if (m_shown.size() >= m_rows.size())
        return;
    m_extend.schedule();
}

void RowColumn::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    scheduleExtend();
    scheduleFill();
}

void RowColumn::prune()
{
    QSet<QString> listed;
    for (const Row &r : std::as_const(m_rows))
        listed.insert(r.id);
    // One pass over the identities, least recently listed first.
    for (qsizetype n = m_recent.size(); n > 0 && m_cache.size() > listed.size() + kKeep; --n) {
        const QString id = m_recent.takeFirst();
        if (listed.contains(id)) {
            m_recent.append(id);
            continue;
        }
        if (QWidget *w = m_cache.take(id))
            w->deleteLater();
    }
}
