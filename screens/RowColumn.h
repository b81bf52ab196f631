#pragma once
// A column of result rows (listing cards, video rows, tiles) that builds only
// what the screen needs and keeps what it built. setRows() takes the rows in
// order, each with an identity and a function that makes its widget; a row
// whose identity was shown before gets the same widget back instead of a new
// one, so a list that changes on every keystroke costs only its new rows.
//
// Inside a scroll area, rows are made down to two screens below what shows
// and the rest as the user scrolls towards them; the rows not made yet hold
// the room of the mean row made, so the scroll bar spans the whole list.
// When the view goes to the page's end, the rest is made in short slices
// between events, the view kept at the end as each lands. Without a scroll
// area (snapshot renders) every row is made at once. Only rows in the layout
// show: a row no longer listed, or listed below what is made for the new
// list, is hidden (so it takes no clicks and no focus) and kept for a while
// (the most recent few hundred), then deleted. Tab goes through the rows as
// they are laid out, also through rows made earlier for another list. When
// the focus was in a row that goes, the row now in its place takes it (a
// card as a whole, so a key pressed again does nothing to it), else the page.
//
// With fill-ahead on (My List), the rows below are made in those slices as
// soon as the column shows. Every widget made sends a screen reader events
// it works through before it speaks again, so a long page goes without.
//
// Identities should be unique; a repeated one is told apart by its place
// ("id#2"), so one widget never stands in two places.

#include "look/kit/MBDeferredCall.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class QScrollArea;
class QSpacerItem;
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
    // Makes the rows below the screen in slices of a few milliseconds while
    // the column is shown (never in snapshot mode, which makes all at once).
    void setFillAhead(bool on);
    // True while rows are listed that are not made yet.
    bool filling() const { return m_shown.size() < m_rows.size(); }
    // The identities listed by the last setRows(), in order.
    QStringList ids() const;
    // Rows made and shown for the current list (the first built() of ids()).
    int built() const { return int(m_shown.size()); }
    QList<QWidget *> shownRows() const { return m_shown; }
    // The widget kept for an identity, or null.
    QWidget *rowWidget(const QString &id) const { return m_cache.value(id); }
    // Makes every listed row now (tests, whole-page renders).
    void buildAll();
    // Makes the rows down to the one listed as `id` and gives it; null when
    // it is not listed.
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
    QScrollArea *scrollArea();
    // A row's height with the spacing below it, at the column's width.
    int rowHeight(QWidget *row) const;
    // Makes rows until they reach `limit` pixels below the column's top,
    // and at least `atLeast` rows.
    void extendTo(int limit, qsizetype atLeast = 0);
    void extendForView();
    void scheduleExtend();
    void scheduleFill();
    void fillSlice();
    // Makes (or takes back) the next listed row and shows it. Showing a row
    // lays out every shown ancestor at once, so the column's layout is off
    // while rows are added ...
    QWidget *appendNext();
    // ... and turned back on here, placing the rows from `from` on once.
    void placeFrom(qsizetype from);
    // Gives the rows not made yet the mean height of the first `rows` rows,
    // which take `made` pixels with their spacing.
    void reserveRest(int made, qsizetype rows);
    // The widgets of a row that Tab stops at, in the row's order.
    static QList<QWidget *> tabStops(QWidget *row);
    // Links the Tab stops of the rows from `from` on after those above them,
    // so Tab follows the column down also through rows made earlier for
    // another list (a widget keeps its place in the window's chain).
    void orderTabs(qsizetype from);
    // The row that takes the focus of a row that went from `index`: the
    // row now there, else the nearest below that can hold it; null when
    // none can (the page then takes it).
    QWidget *heirAt(qsizetype index) const;
    void prune();

    QList<Row> m_rows;
    QList<QWidget *> m_shown;
    QHash<QString, QWidget *> m_cache;
    QList<QString> m_recent; // identities, least recently listed first
    QVBoxLayout *m_layout;
    QSpacerItem *m_reserve;
    qsizetype m_waiting = 0; // the rows m_reserve holds room for
    QPointer<QScrollArea> m_scroll;
    bool m_scrollLooked = false;
    // The scroll bar stands at its end (and is kept there).
    bool m_atEnd = false;
    MBDeferredCall m_extend;
    bool m_fillAhead = false;
    MBDeferredCall m_fill;
    double m_zoom;
    int m_made = 0;
};
