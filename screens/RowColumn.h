#pragma once
// A column of result rows (listing cards, video rows, tiles) that makes only
// the rows that come into view and keeps what it made. setRows() takes the
// rows in order, each with an identity and a function that makes its
// widget; a row whose identity was shown before gets the same widget back
// instead of a new one, so a list that changes on every keystroke costs
// only its new rows.
//
// Inside a scroll area, the rows in view are made as they come into view,
// wherever the view goes (End, a dragged thumb): never the rows above them
// first. The rows a screen above and two screens below follow in short
// slices between events. A row not made yet holds the room of the mean of
// the first rows made (fixed once taken), so the scroll bar spans the whole
// list from the start and its thumb moves only with the view; when rows
// above the view are made and measured, the view moves by what they grew or
// shrank, so the rows in view keep their place (at the end of the page the
// view stays at the end). Without a scroll area (snapshot renders) every row
// is made at once. Only rows made for the current list show: a row no longer
// listed, or moved to a place not made yet, is hidden (so it takes no clicks
// and no focus) and kept for a while (the most recent few hundred), then
// deleted.
//
// Tab goes through the rows in list order: the rows made are linked in
// order, and the rows beside the one that takes the focus are made at once,
// so Tab and Shift+Tab never skip a row not made yet. When the focus was in
// a row that goes, the row now in its place takes it (a card as a whole, so
// a key pressed again does nothing to it), else the nearest row above, else
// the page.
//
// With fill-ahead on (My List), the rest is made in those slices too, once
// the rows around the view are. Every widget made sends a screen reader
// events it works through before it speaks again, so a long page goes
// without.
//
// Identities should be unique; a repeated one is told apart by its place
// ("id#2"), so one widget never stands in two places.

#include "look/kit/MBDeferredCall.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

class QScrollArea;
class QVBoxLayout;

class RowColumn final : public QWidget
{
    Q_OBJECT
public:
    using Factory = std::function<QWidget *()>;
    struct Row
    {
        QString id;
        Factory make;
    };

    // `spacing` between rows in points (zoomed when built).
    explicit RowColumn(double spacing = 16, QWidget *parent = nullptr);

    void setRows(QList<Row> rows);
    // Makes the rest of the rows in slices of a few milliseconds while the
    // column is shown (never in snapshot mode, which makes all at once).
    void setFillAhead(bool on);
    // True while rows are listed that are not made yet.
    bool filling() const { return built() < m_rows.size(); }
    // The identities listed by the last setRows(), in order.
    QStringList ids() const;
    // How many listed rows are made and shown.
    int built() const;
    // The rows made and shown, in list order.
    QList<QWidget *> shownRows() const;
    // The widget kept for an identity, or null.
    QWidget *rowWidget(const QString &id) const { return m_cache.value(id); }
    // Makes every listed row now (tests, whole-page renders).
    void buildAll();
    // Makes the row listed as `id` and gives it; null when it is not listed.
    QWidget *makeThrough(const QString &id);
    // The identity a row widget was made for.
    static QString idOf(const QWidget *row);
    // How many widgets have been made in all (reuse shows as a small number).
    int madeCount() const { return m_made; }
    // How many widgets are kept, shown or hidden.
    int keptCount() const { return int(m_cache.size()); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Where the view stands: its scroll value, whether at the end, and the
    // listed row at its top with that row's top in the column.
    struct Anchor
    {
        int value = -1;
        bool atEnd = false;
        qsizetype row = -1;
        int y = 0;
    };

    QScrollArea *scrollArea();
    // A row's height with the spacing below it, at the column's width.
    int rowHeight(QWidget *row) const;
    // The room a listed row takes as laid out now: its own, or the estimate.
    int roomOf(qsizetype index) const;
    // The top of a listed row in the column, as laid out now.
    int topOf(qsizetype index) const;
    // The listed rows that the column's stretch from `top` to `bottom`
    // reaches, as laid out now (first, last; last < first when none).
    std::pair<qsizetype, qsizetype> rowsIn(int top, int bottom) const;
    // The view's top and bottom in the column; false without a view.
    bool viewSpan(int *top, int *bottom);
    // Makes the listed rows at `indices` that are not made yet, until
    // `budgetMs` have passed (-1: all), and places them; the rows in view
    // keep their place. Returns how many were made.
    qsizetype makeRows(const QList<qsizetype> &indices, int budgetMs = -1);
    // Puts the made rows into the layout in order, each run of rows not made
    // as one space of their estimated room.
    void syncLayout();
    // Lays out the column and the page around it now, before anything paints.
    void settle();
    Anchor anchor();
    void keep(const Anchor &a);
    void extendForView();
    void scheduleFill();
    void fillSlice();
    // The rows around the view not made yet, nearest first: two screens
    // below, then one above.
    QList<qsizetype> margins();
    // Makes the rows beside the one that holds `focus`.
    void makeNeighbours(QWidget *focus);
    // The widgets of a row that Tab stops at, in the row's order.
    static QList<QWidget *> tabStops(QWidget *row);
    // Links the Tab stops of the rows just made after those of the row
    // made above them, so Tab follows the list down also through rows made
    // out of order or earlier for another list.
    void orderTabs(const QList<qsizetype> &made);
    // The row that takes the focus of a row that went from `index`: the
    // row now there, else the nearest made below, else above; null when none
    // can (the page then takes it).
    QWidget *heirAt(qsizetype index) const;
    void prune();

    QList<Row> m_rows;
    // Per listed row, its widget, or null while it is not made.
    QList<QWidget *> m_slots;
    QHash<QString, QWidget *> m_cache;
    QList<QString> m_recent; // identities, least recently listed first
    QVBoxLayout *m_layout;
    // The room of a row not made yet, with its spacing: the mean of the
    // first rows made.
    int m_estimate;
    bool m_estimated = false;
    QPointer<QScrollArea> m_scroll;
    bool m_scrollLooked = false;
    // The scroll bar stands at its end (and is kept there).
    bool m_atEnd = false;
    // Inside settle(): a scroll it causes waits for the next turn.
    bool m_settling = false;
    MBDeferredCall m_extend;
    bool m_fillAhead = false;
    MBDeferredCall m_fill;
    double m_zoom;
    int m_made = 0;
};
