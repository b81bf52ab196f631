#include "screens/RowColumn.h"

#include "look/kit/MBBoxes.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLRender.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Hidden rows kept for reuse beyond those listed now.
constexpr int kKeep = 300;
// The longest a slice keeps the event loop, in milliseconds; the layout of
// what it made follows in the same turn.
constexpr int kSliceMs = 10;
// The room of a row before any is measured, in points.
constexpr double kFirstGuess = 160;
}

RowColumn::RowColumn(double spacing, QWidget *parent)
    : QWidget(parent),
      m_estimate(ipx(kFirstGuess + spacing)),
      m_extend(this, [this] { extendForView(); }),
      // A timer rather than a posted call: the window's paint and input
      // events come first, so what shows is painted before the rest is made.
      m_fill(this, [this] { fillSlice(); }, 1),
      m_zoom(MBZoomScope::current())
{
    m_layout = mbColumn(this, ipx(spacing));
    // The rows stand from the top: a longer or shorter list repaints only
    // what comes newly into view (see Page).
    setAttribute(Qt::WA_StaticContents);
    // Room the rows do not fill (the page has not yet taken the column's
    // new height after a shorter list) goes below them: a row shared it out
    // would stand thousands of pixels tall.
    m_layout->addStretch(1);
    // A rebuild asks for the row that held a typed draft at once.
    MBDrafts::setRowMaker(this, [this](const QString &id) { return makeThrough(id); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { makeNeighbours(now); });
}

QStringList RowColumn::ids() const
{
    QStringList out;
    for (const Row &r : m_rows)
        out << r.id;
    return out;
}

int RowColumn::built() const
{
    return int(std::count_if(m_slots.cbegin(), m_slots.cend(), [](const QWidget *w) { return w; }));
}

QList<QWidget *> RowColumn::shownRows() const
{
    QList<QWidget *> out;
    for (QWidget *w : m_slots)
        if (w)
            out << w;
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
                    // What comes into view is made before it is painted;
                    // a scroll of the column's own settling waits a turn.
                    if (m_settling)
                        m_extend.schedule();
                    else
                        extendForView();
                });
                // At the end, the view stays there as the rows made replace
                // their estimates: End shows the last row, and a thumb
                // dragged to the bottom does not spring back.
                connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int max) {
                    if (m_atEnd)
                        bar->setValue(max);
                    m_extend.schedule();
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
    // A row keeps its widget where the same identity stands at the same
    // place (a word typed further that finds the same): nothing there moves,
    // so nothing is laid out or painted again.
    const QList<QWidget *> before = std::exchange(m_slots, QList<QWidget *>(rows.size(), nullptr));
    const QList<Row> was = std::exchange(m_rows, std::move(rows));
    bool same = true;
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (!before.at(i))
            continue;
        if (i < m_rows.size() && was.at(i).id == m_rows.at(i).id)
            m_slots[i] = before.at(i);
        else
            same = false;
    }
    for (const Row &r : std::as_const(m_rows)) {
        m_recent.removeOne(r.id);
        m_recent.append(r.id);
    }
    {
        MBZoomScope scope(m_zoom);
        syncLayout();
    }
    extendForView();
    if (same)
        return;
    // A row no longer listed, or now at a place not made, would stay at its
    // old place over the new rows, its buttons live: it goes. The focus in
    // it (its own button pressed) moves to the row now in its place; Qt
    // would pass it down the window's chain, round to "Call 911".
    const QSet<QWidget *> placed(m_slots.cbegin(), m_slots.cend());
    for (qsizetype i = 0; i < before.size(); ++i) {
        QWidget *w = before.at(i);
        if (!w || placed.contains(w))
            continue;
        MBKeyboard::setHeir(w, heirAt(i));
        w->hide();
    }
}

QWidget *RowColumn::heirAt(qsizetype index) const
{
    // A card as a whole, not a button in it: a key pressed again must not
    // act on the next entry.
    for (qsizetype i = index; i < m_slots.size(); ++i)
        if (m_slots.at(i) && MBKeyboard::focusTarget(m_slots.at(i)))
            return m_slots.at(i);
    for (qsizetype i = std::min(index, m_slots.size()) - 1; i >= 0; --i)
        if (m_slots.at(i) && MBKeyboard::focusTarget(m_slots.at(i)))
            return m_slots.at(i);
    return nullptr;
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

int RowColumn::roomOf(qsizetype index) const
{
    QWidget *w = m_slots.at(index);
    return w ? rowHeight(w) : m_estimate;
}

int RowColumn::topOf(qsizetype index) const
{
    int y = 0;
    for (qsizetype i = 0; i < index; ++i)
        y += roomOf(i);
    return y;
}

std::pair<qsizetype, qsizetype> RowColumn::rowsIn(int top, int bottom) const
{
    qsizetype first = -1;
    int y = 0;
    for (qsizetype i = 0; i < m_slots.size(); ++i) {
        const int room = roomOf(i);
        if (y >= bottom)
            return {first < 0 ? i : first, i - 1};
        if (first < 0 && y + room > top)
            first = i;
        y += room;
    }
    return {first < 0 ? m_slots.size() : first, m_slots.size() - 1};
}

bool RowColumn::viewSpan(int *top, int *bottom)
{
    QScrollArea *area = scrollArea();
    if (!area || !area->widget() || !isVisible())
        return false;
    const int columnTop = mapTo(area->widget(), QPoint(0, 0)).y();
    *top = area->verticalScrollBar()->value() - columnTop;
    *bottom = *top + area->viewport()->height();
    return true;
}

QWidget *RowColumn::makeThrough(const QString &id)
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).id == id) {
            makeRows({i});
            return m_slots.at(i);
        }
    }
    return nullptr;
}

qsizetype RowColumn::makeRows(const QList<qsizetype> &indices, int budgetMs)
{
    MBZoomScope scope(m_zoom);
    QElapsedTimer clock;
    clock.start();
    const Anchor a = anchor();
    QList<qsizetype> made;
    // Shown before they are laid out, as a hidden widget takes no room;
    // nothing paints until they are placed.
    m_layout->setEnabled(false);
    for (qsizetype i : indices) {
        if (budgetMs >= 0 && !made.isEmpty() && clock.elapsed() >= budgetMs)
            break;
        if (i < 0 || i >= m_slots.size() || m_slots.at(i))
            continue;
        const Row &row = m_rows.at(i);
        QWidget *w = m_cache.value(row.id);
        if (!w) {
            w = row.make();
            MBDrafts::markRow(w, row.id);
            w->setParent(this);
            m_cache.insert(row.id, w);
            ++m_made;
        }
        m_slots[i] = w;
        w->show();
        made << i;
    }
    m_layout->setEnabled(true);
    if (made.isEmpty())
        return 0;
    std::sort(made.begin(), made.end());
    syncLayout();
    orderTabs(made);
    if (isVisible() && (a.row >= 0 || a.atEnd)) {
        settle();
        keep(a);
    } else if (isVisible()) {
        // Nothing above the view moves: the rows are placed before anything
        // paints, and the page takes the column's new height in its own time.
        m_layout->activate();
        updateGeometry();
    }
    prune();
    return made.size();
}

void RowColumn::syncLayout()
{
    // The mean of the first rows made, measured on screen at the width they
    // have there, stands for each row not made yet. It stays: measured
    // again as rows are made, it changed the room of every row not made,
    // and though the rows in view keep their place, the scroll bar's length
    // and the thumb jumped by thousands of pixels at a wheel step.
    const QList<QWidget *> made = shownRows();
    if (!m_estimated && !made.isEmpty() && isVisible()) {
        m_estimated = true;
        qint64 sum = 0;
        for (QWidget *w : made)
            sum += rowHeight(w);
        m_estimate = int(sum / made.size());
    }

    // The layout keeps each widget's item, which remembers its heights.
    QHash<QWidget *, QLayoutItem *> items;
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        if (QWidget *w = item->widget())
            items.insert(w, item);
        else
            delete item;
    }
    // A space between rows takes no spacing of the layout's own, so it
    // holds each row's spacing too.
    qsizetype run = 0;
    const auto space = [&] {
        if (run > 0)
            m_layout->addItem(new QSpacerItem(0, int(std::min<qint64>(run * m_estimate, QWIDGETSIZE_MAX / 2)),
                                              QSizePolicy::Minimum, QSizePolicy::Fixed));
        run = 0;
    };
    for (QWidget *w : std::as_const(m_slots)) {
        if (!w) {
            ++run;
            continue;
        }
        space();
        if (QLayoutItem *item = items.take(w))
            m_layout->addItem(item);
        else
            m_layout->addWidget(w);
    }
    space();
    qDeleteAll(items);
    m_layout->addStretch(1);
}

void RowColumn::settle()
{
    // The column's new height goes up to the page and its scroll bar now,
    // one level a pass, so the view can be kept in place before it paints.
    const bool wasSettling = std::exchange(m_settling, true);
    m_layout->invalidate();
    updateGeometry();
    for (int pass = 0; pass < 8; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_settling = wasSettling;
}

RowColumn::Anchor RowColumn::anchor()
{
    int top = 0;
    int bottom = 0;
    if (!viewSpan(&top, &bottom))
        return {};
    Anchor a;
    a.value = m_scroll->verticalScrollBar()->value();
    a.atEnd = m_atEnd;
    if (top <= 0)
        return a;
    const qsizetype first = rowsIn(top, top + 1).first;
    if (first < m_slots.size()) {
        a.row = first;
        a.y = topOf(first);
    }
    return a;
}

void RowColumn::keep(const Anchor &a)
{
    if (!m_scroll || a.value < 0)
        return;
    // From where the view stood: a shorter page may have pulled the bar in
    // on the way.
    QScrollBar *bar = m_scroll->verticalScrollBar();
    const bool wasSettling = std::exchange(m_settling, true);
    if (a.atEnd)
        bar->setValue(bar->maximum());
    else
        bar->setValue(a.row >= 0 && a.row < m_slots.size() ? a.value + topOf(a.row) - a.y : a.value);
    m_settling = wasSettling;
}

void RowColumn::extendForView()
{
    // Also called from timers and scroll signals, outside the window's build.
    MBZoomScope scope(m_zoom);
    m_extend.cancel();
    if (TLRender::snapshotMode) {
        buildAll();
        return;
    }
    if (!isVisible()) {
        // Not on screen yet: as many rows as the screen can hold now, counted
        // by the estimate, the rest once shown. Measured now, each row would
        // lay its text out at a width it will not have, and each row made
        // more delays the first paint.
        const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
        const int room = shown ? shown->availableSize().height() : ipx(1600);
        const qsizetype count = std::min<qsizetype>(m_rows.size(), room / std::max(1, m_estimate) + 1);
        QList<qsizetype> top;
        for (qsizetype i = 0; i < count; ++i)
            top << i;
        makeRows(top);
        return;
    }
    if (!scrollArea()) {
        buildAll();
        return;
    }
    int top = 0;
    int bottom = 0;
    if (!viewSpan(&top, &bottom))
        return;
    // The first rows were made before the page showed: measured now, they
    // give the room of the rest.
    if (!m_estimated && built() > 0) {
        syncLayout();
        m_layout->activate();
        updateGeometry();
    }
    // The rows in view first, and only they: a place far down does not wait
    // for the rows above it. Each pass may measure rows taller or shorter
    // than their estimate and so bring others into view.
    for (int pass = 0; pass < 4; ++pass) {
        const auto [first, last] = rowsIn(top, bottom);
        QList<qsizetype> shown;
        for (qsizetype i = first; i <= last; ++i)
            if (!m_slots.at(i))
                shown << i;
        if (shown.isEmpty() || makeRows(shown) == 0 || !viewSpan(&top, &bottom))
            break;
    }
    scheduleFill();
}

QList<qsizetype> RowColumn::margins()
{
    int top = 0;
    int bottom = 0;
    QList<qsizetype> out;
    if (!viewSpan(&top, &bottom))
        return out;
    const int screen = bottom - top;
    const auto [below, end] = rowsIn(bottom, bottom + 2 * screen);
    for (qsizetype i = below; i <= end; ++i)
        if (!m_slots.at(i))
            out << i;
    const auto [start, above] = rowsIn(top - screen, top);
    for (qsizetype i = above; i >= start; --i)
        if (!m_slots.at(i))
            out << i;
    return out;
}

void RowColumn::makeNeighbours(QWidget *focus)
{
    if (!focus || !isVisible() || !isAncestorOf(focus))
        return;
    QWidget *row = focus;
    while (row->parentWidget() != this)
        row = row->parentWidget();
    const qsizetype at = m_slots.indexOf(row);
    if (at < 0)
        return;
    QList<qsizetype> beside;
    if (at > 0 && !m_slots.at(at - 1))
        beside << at - 1;
    if (at + 1 < m_slots.size() && !m_slots.at(at + 1))
        beside << at + 1;
    if (!beside.isEmpty())
        makeRows(beside);
}

void RowColumn::setFillAhead(bool on)
{
    m_fillAhead = on;
    scheduleFill();
}

void RowColumn::scheduleFill()
{
    if (!filling() || !isVisible())
        return;
    m_fill.schedule();
}

void RowColumn::fillSlice()
{
    if (!isVisible() || !filling())
        return;
    QList<qsizetype> next = margins();
    if (next.isEmpty() && m_fillAhead) {
        for (qsizetype i = 0; i < m_slots.size(); ++i)
            if (!m_slots.at(i))
                next << i;
    }
    if (next.isEmpty())
        return;
    makeRows(next, kSliceMs);
    scheduleFill();
}

void RowColumn::buildAll()
{
    QList<qsizetype> all;
    for (qsizetype i = 0; i < m_slots.size(); ++i)
        if (!m_slots.at(i))
            all << i;
    makeRows(all);
}

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

void RowColumn::orderTabs(const QList<qsizetype> &made)
{
    // Each run of rows just made goes after the last Tab stop of the rows
    // made above it; what followed that stop (the rows below) follows the run.
    for (qsizetype k = 0; k < made.size();) {
        const qsizetype from = made.at(k);
        qsizetype to = from;
        while (k + 1 < made.size() && made.at(k + 1) == to + 1)
            to = made.at(++k);
        ++k;
        QWidget *previous = nullptr;
        for (qsizetype i = from - 1; i >= 0 && !previous; --i) {
            if (!m_slots.at(i))
                continue;
            const QList<QWidget *> above = tabStops(m_slots.at(i));
            if (!above.isEmpty())
                previous = above.last();
        }
        // Above the first row, Tab comes from what precedes the column itself.
        QList<QWidget *> chain{previous ? previous : this};
        for (qsizetype i = from; i <= to; ++i) {
            QWidget *row = m_slots.at(i);
            // A whole that holds the focus passes Tab on into its own controls.
            if (MBKeyboard::isHolder(row) && !(row->focusPolicy() & Qt::TabFocus))
                chain << row;
            chain += tabStops(row);
        }
        MBKeyboard::chainTabs(chain);
    }
}

void RowColumn::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_extend.schedule();
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
