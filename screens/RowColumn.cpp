#include "screens/RowColumn.h"

#include "look/app/TLCard.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLRender.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSpacerItem>
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
    // The rows stand from the top: a longer or shorter list repaints only
    // what comes newly into view (see Page).
    setAttribute(Qt::WA_StaticContents);
    // The rows not made yet hold their room, at the mean height of those
    // made, so a scroll bar spans the whole list from the start.
    m_reserve = new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_layout->addItem(m_reserve);
    // Room the rows do not fill (the page has not yet taken the column's
    // new height after a shorter list) goes below them: a row shared it out
    // would stand thousands of pixels tall.
    m_layout->addStretch(1);
    // A rebuild asks for the row that held a typed draft at once.
    MBDrafts::setRowMaker(this, [this](const QString &id) { return makeThrough(id); });
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
                QScrollBar *bar = area->verticalScrollBar();
                connect(bar, &QScrollBar::valueChanged, this, [this, bar](int value) {
                    m_atEnd = value > 0 && value == bar->maximum();
                    scheduleExtend();
                });
                // At the end, the view stays there as the rows made replace
                // their estimates: End shows the last row, and a thumb
                // dragged to the bottom does not spring back.
                connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int max) {
                    if (m_atEnd)
                        bar->setValue(max);
                    scheduleExtend();
                });
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
        same = idOf(m_shown.at(i)) == rows.at(i).id;
    if (same) {
        m_rows = std::move(rows);
        extendForView();
        return;
    }
    // Take every row out of the layout; the widgets stay for reuse.
    while (m_layout->count() > 2)
        delete m_layout->takeAt(0);
    const QList<QWidget *> before = std::exchange(m_shown, {});
    m_rows = std::move(rows);
    for (const Row &r : std::as_const(m_rows)) {
        m_recent.removeOne(r.id);
        m_recent.append(r.id);
    }
    extendForView();
    // At the end the rest comes in slices: as many rows as stood here are
    // made now, so the one beside a removed row is there to take the focus.
    if (m_atEnd)
        extendTo(0, before.size());
    // A row no longer listed, or listed further down than is made now, would
    // stay at its old place over the new rows, its buttons live: it goes.
    // The focus in it (its own button pressed) moves to the row now in its
    // place; Qt would pass it down the window's chain, round to "Call 911".
    const QSet<QWidget *> placed(m_shown.cbegin(), m_shown.cend());
    for (qsizetype i = 0; i < before.size(); ++i) {
        QWidget *w = before.at(i);
        if (placed.contains(w))
            continue;
        MBKeyboard::setHeir(w, heirAt(i));
        w->hide();
    }
}

QWidget *RowColumn::heirAt(qsizetype index) const
{
    // A card as a whole, not a button in it: a key pressed again must not
    // act on the next entry. Without a row below, the page takes the focus.
    for (qsizetype i = index; i < m_shown.size(); ++i) {
        if (MBKeyboard::focusTarget(m_shown.at(i)))
            return m_shown.at(i);
    }
    return nullptr;
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
    // At the end of the page every row is needed, down to the last. They
    // come in slices, the view kept at the end as each lands: made at once,
    // a few hundred rows would hold the next key press for half a second.
    if (m_atEnd) {
        scheduleFill();
        return;
    }
    const QWidget *viewport = area->viewport();
    const int top = mapTo(area->widget(), QPoint(0, 0)).y();
    const int bottomOfView = area->verticalScrollBar()->value() + viewport->height();
    extendTo(bottomOfView - top + 2 * viewport->height());
}

int RowColumn::rowHeight(QWidget *w) const
{
    const int width = std::max(1, this->width());
    // A row the layout has placed at this width is read; a row just added
    // is asked. Asking every row again would lay their text out again, and a
    // selectable label repaints itself when it does.
    const bool placed = w->width() == width && w->testAttribute(Qt::WA_Resized);
    const int height = placed ? w->height()
                       : w->hasHeightForWidth() ? w->heightForWidth(width)
                                                : w->sizeHint().height();
    return height + m_layout->spacing();
}

QString RowColumn::idOf(const QWidget *row) { return MBDrafts::rowOf(row); }

QWidget *RowColumn::makeThrough(const QString &id)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < m_rows.size() && at < 0; ++i)
        if (m_rows.at(i).id == id)
            at = i;
    if (at < 0)
        return nullptr;
    if (at >= m_shown.size())
        extendTo(std::numeric_limits<int>::max(), at + 1);
    return m_shown.value(at);
}

void RowColumn::extendTo(int limit, qsizetype atLeast)
{
    MBZoomScope scope(m_zoom);
    int y = 0;
    for (QWidget *w : std::as_const(m_shown))
        y += rowHeight(w);
    const qsizetype from = m_shown.size();
    m_layout->setEnabled(false);
    while (m_shown.size() < m_rows.size() && (y < limit || m_shown.size() < atLeast))
        y += rowHeight(appendNext());
    reserveRest(y, m_shown.size());
    placeFrom(from);
    prune();
    scheduleFill();
}

void RowColumn::placeFrom(qsizetype from)
{
    m_layout->setEnabled(true);
    if (from == m_shown.size())
        return;
    orderTabs(from);
    // Placed before anything paints: a row made here stands at the column's
    // top until its layout places it.
    m_layout->invalidate();
    m_layout->activate();
}

QWidget *RowColumn::appendNext()
{
    const Row &row = m_rows.at(m_shown.size());
    QWidget *w = m_cache.value(row.id);
    if (!w) {
        w = row.make();
        MBDrafts::markRow(w, row.id);
        w->setParent(this);
        m_cache.insert(row.id, w);
        m_recent.removeOne(row.id);
        m_recent.append(row.id);
        ++m_made;
    }
    m_layout->insertWidget(m_layout->indexOf(m_reserve), w);
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
    if (!(m_fillAhead || m_atEnd) || !filling() || !isVisible())
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
    // The rows placed so far give the mean; asking each new row for its
    // height would lay its text out twice.
    int y = 0;
    for (QWidget *w : std::as_const(m_shown))
        y += rowHeight(w);
    const qsizetype from = m_shown.size();
    m_layout->setEnabled(false);
    while (filling() && t.elapsed() < kSliceMs)
        appendNext();
    reserveRest(y, from);
    placeFrom(from);
    prune();
    scheduleFill();
}

void RowColumn::reserveRest(int made, qsizetype rows)
{
    // The estimate stands while the same number of rows waits: measured
    // again at every scroll, it would lay the page out again for nothing.
    const qsizetype rest = m_rows.size() - m_shown.size();
    if (rest == m_waiting)
        return;
    m_waiting = rest;
    const int height = rows > 0 ? int(rest * made / rows) : 0;
    if (height == m_reserve->sizeHint().height())
        return;
    m_reserve->changeSize(0, height, QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_layout->invalidate();
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
    MBKeyboard::chainTabs(chain);
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
