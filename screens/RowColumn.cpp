#include "screens/RowColumn.h"

#include "look/kit/MBZoom.h"
#include "screens/TLRender.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {
// Hidden rows kept for reuse beyond those listed now.
constexpr int kKeep = 300;
// The longest a fill-ahead slice keeps the event loop, in milliseconds; the
// layout of what it made follows in the same turn.
constexpr int kSliceMs = 10;
}

RowColumn::RowColumn(double spacing, QWidget *parent)
    : QWidget(parent), m_zoom(MBZoomScope::current())
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(ipx(spacing));
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
    while (QLayoutItem *item = m_layout->takeAt(0))
        delete item;
    QSet<QString> listed;
    for (const Row &r : rows)
        listed.insert(r.id);
    for (QWidget *w : std::as_const(m_shown))
        if (!listed.contains(w->property("rowId").toString()))
            w->hide();
    m_shown.clear();
    m_rows = std::move(rows);
    for (const Row &r : std::as_const(m_rows)) {
        m_recent.removeOne(r.id);
        m_recent.append(r.id);
    }
    extendForView();
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
    while (m_shown.size() < m_rows.size() && y < limit)
        y += height(appendNext()) + m_layout->spacing();
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
    m_layout->addWidget(w);
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
    if (!m_fillAhead || m_fillPending || !filling() || !isVisible())
        return;
    m_fillPending = true;
    // A timer rather than a posted call: the window's paint and input events
    // come first, so the first screenful is painted before the rest is made.
    QTimer::singleShot(1, this, [self = QPointer<RowColumn>(this)] {
        if (!self)
            return;
        self->m_fillPending = false;
        self->fillSlice();
    });
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
    while (filling() && t.elapsed() < kSliceMs)
        appendNext();
    m_layout->setEnabled(true);
    // Placed before anything paints: a row made here stands at the column's
    // top until its layout places it.
    m_layout->invalidate();
    m_layout->activate();
    prune();
    scheduleFill();
}

void RowColumn::buildAll() { extendTo(std::numeric_limits<int>::max()); }

void RowColumn::scheduleExtend()
{
    if (m_pending || m_shown.size() >= m_rows.size())
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [self = QPointer<RowColumn>(this)] {
        if (!self)
            return;
        self->m_pending = false;
        self->extendForView();
    });
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
