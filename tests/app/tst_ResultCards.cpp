// Result rows as a person meets them in the real window on the shipped data:
// after every change of query, switch, state, page or My List, each visible
// row is a current one at its laid-out place and clear of the others; Tab
// visits only those, top to bottom; Ctrl+F and a new query show the search
// field and the top of the results; a long list scrolls to its last card.

#include "FocusSupport.h"
#include "Shots.h"
#include "TestSupport.h"

#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/Prefs.h"
#include "screens/CategoryView.h"
#include "screens/ListingCard.h"
#include "screens/PlainButton.h"
#include "screens/RowColumn.h"
#include "screens/SaveButton.h"
#include "screens/SearchView.h"
#include "screens/TopicLists.h"
#include "services/AppModel.h"
#include "services/Opener.h"

#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Ids = std::function<QStringList()>;

QScrollArea *scrollAround(const QWidget *w)
{
    while ((w = w->parentWidget()) && !qobject_cast<const QScrollArea *>(w)) {
    }
    return qobject_cast<QScrollArea *>(const_cast<QWidget *>(w));
}

bool inView(const QWidget *w) { return w->visibleRegion() == QRegion(w->rect()); }

QWidget *rowOf(const RowColumn *column, QWidget *w)
{
    for (; w && w->parentWidget(); w = w->parentWidget())
        if (w->parentWidget() == column)
            return w;
    return nullptr;
}

// What a row stands for: a card its listing, any other row its identity.
QString shownId(QWidget *row)
{
    auto *card = qobject_cast<ListingCard *>(row);
    return card ? card->listing().uid : RowColumn::idOf(row);
}

// What is wrong with the rows on screen, "" when nothing: the visible rows
// must be rows of `current` in its order, placed by the column's layout at
// their own height (with `bounds`, inside the column), none overlapping the
// one above.
QString wrongRows(const RowColumn *column, const QStringList &current, bool bounds)
{
    QList<QWidget *> shown;
    for (QWidget *w : column->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisible())
            shown << w;
    std::sort(shown.begin(), shown.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
    qsizetype listed = -1;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QWidget *w = shown.at(i);
        const qsizetype at = current.indexOf(shownId(w), listed + 1);
        if (at < 0)
            return QStringLiteral("row %1 shows \"%2\", not listed after \"%3\"")
                .arg(i)
                .arg(shownId(w), current.value(listed));
        listed = at;
        if (column->layout()->indexOf(w) < 0 || (bounds && !column->rect().contains(w->geometry())))
            return QStringLiteral("row %1 is not where the layout puts it").arg(i);
        if (w->hasHeightForWidth()
            && w->height() > std::max({w->heightForWidth(w->width()), w->minimumHeight(), w->minimumSizeHint().height()}) + 1)
            return QStringLiteral("row %1 is stretched to %2 pixels").arg(i).arg(w->height());
        if (i > 0 && w->geometry().intersects(shown.at(i - 1)->geometry()))
            return QStringLiteral("rows %1 and %2 overlap").arg(i - 1).arg(i);
    }
    return QString();
}

// Presses Tab until the focus has passed through the column; what is wrong
// with a stop in it ("" when nothing): it must be visible, in a current row,
// and not above the stop before it (a footer's link and button stand side by
// side). `stops` counts the stops in the column.
QString walkTabs(const RowColumn *column, const QStringList &current, int *stops)
{
    *stops = 0;
    int lastTop = -1;
    for (int n = 0; n < 2000; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *w = QApplication::focusWidget();
        QWidget *row = rowOf(column, w);
        if (!row && *stops > 0)
            return QString();
        if (!row)
            continue;
        ++*stops;
        const QString where = w->objectName() + QStringLiteral(" in \"") + shownId(row) + u'"';
        if (!w->isVisible() || !current.contains(shownId(row)))
            return QStringLiteral("Tab stopped on a left-over ") + where;
        const int top = w->mapTo(column, QPoint(0, 0)).y();
        if (top + w->height() / 2 < lastTop)
            return QStringLiteral("Tab went up to ") + where;
        lastTop = top;
    }
    return QStringLiteral("Tab never left the column");
}

// Drags the scroll bar's thumb with the mouse, from where it stands to `y`.
void dragThumb(QScrollBar *bar, int y)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, QPoint(thumb.center().x(), y));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), y));
}

// Presses each key `times` times in turn from the focused control in a row;
// what went wrong ("" when nothing): each press must stay in a row of
// `ids`, go on in list order, and never pass a row that is not made.
QString tabsGoInListOrder(const RowColumn *rows, const QStringList &ids, std::initializer_list<Qt::Key> keys,
                          int times)
{
    const auto placeOf = [&](QWidget *w) { return ids.indexOf(RowColumn::idOf(rowOf(rows, w))); };
    // A row between two stops that is not made was skipped.
    const auto skipped = [&](qsizetype a, qsizetype b) {
        const QList<QWidget *> made = rows->shownRows();
        for (qsizetype i = std::min(a, b) + 1; i < std::max(a, b); ++i)
            if (!made.contains(rows->rowWidget(ids.at(i))))
                return true;
        return false;
    };
    for (const Qt::Key key : keys) {
        for (int n = 0; n < times; ++n) {
            const qsizetype before = placeOf(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), key);
            const qsizetype now = placeOf(QApplication::focusWidget());
            const bool onward = key == Qt::Key_Tab ? now >= before : now <= before;
            if (now < 0 || !onward || skipped(before, now))
                return QStringLiteral("%1 went from row %2 to %3")
                    .arg(key == Qt::Key_Tab ? "Tab" : "Shift+Tab")
                    .arg(before)
                    .arg(now);
        }
    }
    return QString();
}

} // namespace

class tst_ResultCards : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    std::unique_ptr<QMainWindow> m_window;
    QStringList m_opened;

    RowColumn *showWindow(const Screen &screen, const char *column, QSize size = QSize(1366, 768))
    {
        m_model->setScreen(screen);
        m_window.reset(TLSetup::makeMainWindow(*m_model));
        m_window->resize(size);
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return nullptr;
        QTest::qWait(20);
        return m_window->findChild<RowColumn *>(QLatin1String(column));
    }

    QStringList searchIds() const
    {
        QStringList ids;
        for (const SearchHit &hit : SearchView::hits(*m_model))
            ids << hit.id();
        return ids;
    }

    QStringList pageIds(const Screen &screen) const
    {
        QStringList ids;
        if (const std::optional<UrgentNeed> need = screen.need(); need && screen.value() == Screen::urgent) {
            for (const Listing &l : m_model->listings(*need))
                ids << l.uid;
            return ids;
        }
        const TopicLists lists = TopicLists::forTopic(m_model->data(), *screen.topic(), m_model->stateCode());
        for (const RowColumn::Row &r : CategoryView::rows(lists, m_model->stateName(), m_model->favorites()))
            ids << r.id;
        return ids;
    }

    // Checks the rows once the window has laid out and painted. Rows just
    // made below the view may reach past the column's bottom until the page
    // takes the column's new height.
    static QString settled(const RowColumn *rows, const QStringList &current)
    {
        QTest::qWait(5);
        const QString wrong = wrongRows(rows, current, false);
        for (int n = 0; wrong.isEmpty() && n < 50 && !wrongRows(rows, current, true).isEmpty(); ++n)
            QTest::qWait(10);
        return wrong.isEmpty() ? wrongRows(rows, current, true) : wrong;
    }

    // Search with `state` chosen, each query typed key by key into the
    // focused field (after Ctrl+A when marked "\1"), the rows checked after
    // every key; null when a check failed.
    RowColumn *typeQueries(const QString &state, const QStringList &queries)
    {
        m_model->setStateCode(state);
        RowColumn *rows = showWindow(Screen::search, "searchResults");
        if (!rows || QApplication::focusWidget()->objectName() != u"searchField")
            return nullptr;
        for (QString query : queries) {
            if (query.startsWith(u'\1')) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
                query.remove(0, 1);
            }
            for (const QChar c : query) {
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
                if (const QString wrong = settled(rows, searchIds()); !wrong.isEmpty()) {
                    qWarning("%s: %s", qPrintable(m_model->searchText()), qPrintable(wrong));
                    return nullptr;
                }
            }
        }
        return rows;
    }

    void check(const RowColumn *rows, const Ids &current, const QString &step = QString())
    {
        const QString wrong = settled(rows, current());
        QVERIFY2(wrong.isEmpty(), qPrintable(step + u' ' + wrong));
    }

    // Drags the scroll bar down a page at a time, checking at each.
    void scrollThrough(RowColumn *rows, const Ids &current)
    {
        QScrollBar *bar = scrollAround(rows)->verticalScrollBar();
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + bar->pageStep());
            check(rows, current, QStringLiteral("scrolled to %1:").arg(bar->value()));
            if (QTest::currentTestFailed())
                return;
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString data = testsupport::sourceDir() + QStringLiteral("/resources/data");
        Prefs::shared().clear();
        TLSetup::configureLook();
        m_model = std::make_unique<AppModel>(data, m_dir.filePath(QStringLiteral("list.sqlite")),
                                             m_dir.filePath(QStringLiteral("money.sqlite")));
        QVERIFY(m_model->data() && m_model->favorites());
        Opener::replace([this](const QString &url) { m_opened << url; });
    }

    void init()
    {
        m_model->setStateCode(QString());
        m_model->setSearchText(QString());
        m_model->setSearchAllStates(false);
        m_opened.clear();
    }

    void cleanup() { m_window.reset(); }

    // Pictures of each, at the top and scrolled to the end, under shots/.
    void searchShowsOnlyCurrentRows_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("queries");
        QTest::newRow("search-shower-food-bank") << QString() << QStringList{"shower", "\1food bank"};
        QTest::newRow("search-CO-food-health") << "CO" << QStringList{"food", "\1health"};
        QTest::newRow("search-chapter-water") << QString() << QStringList{"chapter water"};
        QTest::newRow("search-OH-snap-988-shelter") << "OH" << QStringList{"snap", "\1988", "\1shelter"};
    }

    void searchShowsOnlyCurrentRows()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, queries);
        RowColumn *rows = typeQueries(state, queries);
        QVERIFY(rows && rows->built() > 0);
        QVERIFY(shots::save(m_window.get()));
        scrollThrough(rows, [this] { return searchIds(); });
        QVERIFY(shots::save(m_window.get(), QLatin1String(QTest::currentDataTag()) + QStringLiteral("-end")));
    }

    // The all-states switch, pressed with Space, and new states change the
    // rows under a query that stays.
    void switchAndStateShowOnlyCurrentRows()
    {
        RowColumn *rows = typeQueries(QStringLiteral("CO"), {QStringLiteral("food")});
        QVERIFY(rows);
        const Ids ids = [this] { return searchIds(); };
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("searchAllStates"));
        for (bool on : {true, false, true}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(m_model->searchAllStates(), on);
            check(rows, ids);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        for (const char *code : {"TX", "OH", "", "CO"}) {
            m_model->setStateCode(QLatin1String(code));
            check(rows, ids, QLatin1String(code));
        }
        scrollThrough(rows, ids);
    }

    // Each pair finds some rows of its first query again, in another order.
    void tabVisitsOnlyCurrentRowsInOrder_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("queries");
        QTest::newRow("shower") << QString() << QStringList{"shower"};
        QTest::newRow("Colorado: food, then food bank") << "CO" << QStringList{"food", " bank"};
        QTest::newRow("mental health, then 988") << QString() << QStringList{"mental health", "\1988"};
        QTest::newRow("van, then rest area") << QString() << QStringList{"van", "\1rest area"};
    }

    void tabVisitsOnlyCurrentRowsInOrder()
    {
        QFETCH(QString, state);
        QFETCH(QStringList, queries);
        RowColumn *rows = typeQueries(state, queries);
        QVERIFY(rows);
        int stops = 0;
        const QString wrong = walkTabs(rows, searchIds(), &stops);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QVERIFY(stops >= rows->built());
    }

    // Topic and urgent pages keep their cards from one topic or need to the
    // next and across states; Tab still goes down the page.
    void pagesShowOnlyCurrentRows()
    {
        using N = UrgentNeed;
        using T = AppCategory;
        const std::pair<Screen, const char *> steps[] = {
            {Screen::forCategory(T::food), "CO"},    {Screen::forCategory(T::shelter), "CO"},
            {Screen::forCategory(T::food), "TX"},    {Screen::forCategory(T::health), "TX"},
            {Screen::forNeed(N::food), "CO"},        {Screen::forNeed(N::shelter), "CO"},
            {Screen::forNeed(N::shelter), "TX"},     {Screen::forCategory(T::food), "CO"},
        };
        QVERIFY(showWindow(Screen::forCategory(T::food), "topicListings"));
        RowColumn *rows = nullptr;
        for (const auto &[screen, state] : steps) {
            m_model->setStateCode(QLatin1String(state));
            m_model->setScreen(screen);
            const char *name = screen.value() == Screen::urgent ? "urgentListings" : "topicListings";
            QTRY_VERIFY((rows = m_window->findChild<RowColumn *>(QLatin1String(name))) && rows->built() > 0);
            check(rows, [&, screen] { return pageIds(screen); }, QLatin1String(state));
        }
        m_window->findChild<QWidget *>(QStringLiteral("call911"))->setFocus(Qt::TabFocusReason);
        int stops = 0;
        const QString wrong = walkTabs(rows, pageIds(Screen::forCategory(T::food)), &stops);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QVERIFY(stops > 10);
    }

    // Space on a focused "Saved" takes that one entry off My List, note and
    // all, and the entries leave the screen. The focus goes to the next
    // entry's card as a whole: Space or Return there take nothing off, Tab
    // goes on into its "Saved". With no entry below, the page takes the
    // focus, never "Call 911", and Space there opens nothing.
    void myListSpaceOnSavedRemovesOneEntry()
    {
        FavoritesStore &store = *m_model->favorites();
        const QList<Listing> food = m_model->data()->listings(AppCategory::food);
        for (qsizetype i = 0; i < 30; ++i)
            store.add(food.at(i).uid, food.at(i).name);
        store.setNote(food.at(1).uid, QStringLiteral("Ask for Maria."));
        RowColumn *rows = showWindow(Screen::myList, "myListEntries");
        QVERIFY(rows);
        QTRY_VERIFY(!rows->filling());
        qobject_cast<ListingCard *>(rows->shownRows().at(1))->saveButton()->setFocus(Qt::TabFocusReason);
        const Ids ids = [&store] {
            QStringList out;
            for (const Favorite &f : store.items())
                out << f.uid;
            return out;
        };
        for (;;) {
            QWidget *focused = QApplication::focusWidget();
            auto *card = qobject_cast<ListingCard *>(rowOf(rows, focused));
            QVERIFY(card && focused == card->saveButton());
            const qsizetype place = rows->shownRows().indexOf(card);
            const qsizetype count = store.items().size();
            QTest::keyClick(focused, Qt::Key_Space);
            QCOMPARE(store.items().size(), count - 1);
            QVERIFY(!store.contains(card->listing().uid));
            check(rows, ids);
            if (place == rows->built())
                break;
            QWidget *next = rows->shownRows().at(place);
            QCOMPARE(QApplication::focusWidget(), next);
            if (count == 30) { // a picture of the card with the focus, once it is painted
                QTest::qWait(100);
                QVERIFY(shots::save(m_window.get(), QStringLiteral("my-list-after-removal")));
            }
            QTest::keyClick(next, Qt::Key_Space);
            QTest::keyClick(next, Qt::Key_Return);
            QCOMPARE(store.items().size(), count - 1);
            QTest::keyClick(next, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), qobject_cast<ListingCard *>(next)->saveButton());
        }
        // The last entry went: the one above takes the focus, and when none
        // is left, the page.
        QCOMPARE(store.items().size(), 1);
        QWidget *above = rows->shownRows().first();
        QCOMPARE(QApplication::focusWidget(), above);
        QTest::keyClick(above, Qt::Key_Space);
        QCOMPARE(store.items().size(), 1);
        QTest::keyClick(above, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(store.items().size(), 0);
        QWidget *page = QApplication::focusWidget();
        QVERIFY(page && page->isAncestorOf(rows));
        QTest::keyClick(page, Qt::Key_Space);
        QVERIFY(m_opened.isEmpty());
    }

    // On a topic page the card stays when its listing is taken off My List,
    // and so does the focus, on the button that now reads "Save".
    void topicSaveKeepsTheFocus()
    {
        m_model->setStateCode(QStringLiteral("CO"));
        RowColumn *rows = showWindow(Screen::forCategory(AppCategory::food), "topicListings");
        QVERIFY(rows);
        ListingCard *card = rows->findChild<ListingCard *>();
        SaveButton *save = card->saveButton();
        save->setFocus(Qt::TabFocusReason);
        for (const char *label : {"Saved", "Save"}) {
            QTest::keyClick(save, Qt::Key_Space);
            QCOMPARE(save->text(), QLatin1String(label));
            QCOMPARE(QApplication::focusWidget(), save);
        }
        QVERIFY(!m_model->favorites()->contains(card->listing().uid));
    }

    // "food" over all states (150 results), reached by Ctrl+F from Home;
    // the scroll bar spans every result from the start. Scrolled down from
    // where the person is: set to its end or End on the page, the last card
    // shows and stays; else Ctrl+F brings the field into view, its text
    // selected so typing replaces it, and a new query (also typed on into
    // the field scrolled away) shows the count line and the first card.
    void searchKeepsWhatMattersInView_data()
    {
        QTest::addColumn<QString>("scroll");
        QTest::addColumn<bool>("ctrlF");
        QTest::addColumn<QString>("typed");
        QTest::newRow("bar set to its end") << "end" << false << "";
        QTest::newRow("End on the page") << "End" << false << "";
        QTest::newRow("Ctrl+F from a card down the page") << "card" << true << "shower";
        QTest::newRow("Ctrl+F in the field scrolled away") << "bar" << true << "shower";
        QTest::newRow("typing on in the field scrolled away") << "bar" << false << " bank";
    }

    void searchKeepsWhatMattersInView()
    {
        QFETCH(QString, scroll);
        QFETCH(bool, ctrlF);
        QFETCH(QString, typed);
        showWindow(Screen::home, "");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("searchField"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("food"));
        const QStringList ids = searchIds();
        QCOMPARE(ids.size(), 150);
        auto *rows = m_window->findChild<RowColumn *>(QStringLiteral("searchResults"));
        QScrollBar *bar = scrollAround(rows)->verticalScrollBar();
        // For a while after the window shows, its zoom host brings the
        // focused control back into view as the layouts settle.
        QTest::qWait(1700);
        const int range = bar->maximum();
        if (scroll == u"card") {
            qobject_cast<ListingCard *>(rows->shownRows().last())->reportButton()->setFocus(Qt::TabFocusReason);
        } else if (scroll == u"End") {
            QVERIFY(MBKeyboard::focusPage(scrollAround(rows)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        } else {
            bar->setValue(scroll == u"end" ? bar->maximum() : bar->maximum() / 2);
        }
        QWidget *field = m_window->findChild<QLineEdit *>(QStringLiteral("searchField"));
        QTRY_VERIFY(!inView(field));
        if (typed.isEmpty()) {
            QWidget *last = nullptr;
            QTRY_VERIFY((last = rows->rowWidget(ids.last())) && inView(last));
            QTest::qWait(100);
            QCOMPARE(bar->value(), bar->maximum());
            QVERIFY2(std::abs(range - bar->maximum()) < bar->maximum() / 4, qPrintable(QString::number(range)));
        } else {
            if (ctrlF) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
                QCOMPARE(QApplication::focusWidget(), field);
                QVERIFY(inView(field));
            }
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QCOMPARE(m_model->searchText(), ctrlF ? typed : QStringLiteral("food") + typed);
            QCOMPARE(shownId(rows->shownRows().first()), searchIds().first());
            QTRY_VERIFY(inView(field) && inView(m_window->findChild<QWidget *>(QStringLiteral("searchCount")))
                        && inView(rows->shownRows().first()));
        }
        QVERIFY(shots::save(m_window.get(), QStringLiteral("search-") + QLatin1String(QTest::currentDataTag())));
        QVERIFY(m_opened.isEmpty());
    }

    // What of the view the rows leave empty, "" when nothing: from the
    // column's top or the view's, whichever is lower, to the column's bottom
    // or the view's, each stretch is covered by a shown row but for the
    // spacing between two.
    static QString gapInView(const RowColumn *rows)
    {
        QScrollArea *area = scrollAround(rows);
        const QRect view(rows->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size());
        const QRect span = view.intersected(rows->rect());
        QList<QWidget *> shown = rows->shownRows();
        shown.removeIf([&](QWidget *w) { return !w->isVisible() || !w->geometry().intersects(span); });
        std::sort(shown.begin(), shown.end(), [](QWidget *a, QWidget *b) { return a->y() < b->y(); });
        int covered = span.top();
        for (QWidget *w : std::as_const(shown)) {
            if (w->y() > covered + rows->layout()->spacing() + 1)
                return QStringLiteral("nothing from %1 to %2").arg(covered).arg(w->y());
            covered = std::max(covered, w->geometry().bottom() + 1);
        }
        if (covered + rows->layout()->spacing() + 1 < span.bottom())
            return QStringLiteral("nothing from %1 to %2 of %3").arg(covered).arg(span.bottom()).arg(rows->height());
        return QString();
    }

    // The rows of a long page (Food and Shelter & Parking over all states)
    // are made where the view goes: End and a thumb dragged to the middle
    // show that place's rows at once, not the rows between; scrolled back up
    // from the end, the rows in view keep their place while the rows above
    // them are made and measured; the scroll bar spans the whole page.
    void longPageShowsWhereTheViewGoes_data()
    {
        QTest::addColumn<int>("topic");
        QTest::newRow("Food") << int(AppCategory::food);
        QTest::newRow("Shelter & Parking") << int(AppCategory::shelter);
    }

    void longPageShowsWhereTheViewGoes()
    {
        QFETCH(int, topic);
        const Screen page = Screen::forCategory(AppCategory::Case(topic));
        RowColumn *rows = showWindow(page, "topicListings");
        QVERIFY(rows);
        const QStringList ids = pageIds(page);
        QTRY_VERIFY(rows->built() > 0);
        QTest::qWait(200);
        const int few = int(ids.size() / 5);
        QVERIFY2(rows->built() < few, qPrintable(QString::number(rows->built())));
        QScrollArea *area = scrollAround(rows);
        QScrollBar *bar = area->verticalScrollBar();
        const int range = bar->maximum();

        // Pictures every 100 ms, under shots/: never an empty pane.
        const QString tag = QStringLiteral("long-page-") + QLatin1String(topic == int(AppCategory::food) ? "food" : "shelter");
        const auto pictures = [&](const QString &after) {
            for (int n = 0; n < 3; ++n) {
                QVERIFY(shots::save(m_window.get(), tag + u'-' + after + u'-' + QString::number(n * 100)));
                QTest::qWait(100);
            }
        };
        QVERIFY(MBKeyboard::focusPage(area));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        // Before anything more happens: the last row in view, no gap.
        QWidget *last = rows->rowWidget(ids.last());
        QVERIFY(last && last->isVisible() && inView(last));
        QVERIFY2(gapInView(rows).isEmpty(), qPrintable(gapInView(rows)));
        QCOMPARE(bar->value(), bar->maximum());
        pictures(QStringLiteral("end"));
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(inView(last));
        QVERIFY2(rows->built() < few, qPrintable(QString::number(rows->built())));
        QVERIFY2(std::abs(range - bar->maximum()) < bar->maximum() / 4, qPrintable(QString::number(range)));

        // Scrolled back up a wheel's step at a time: a row in view stays where
        // the scroll puts it, whatever is made above it, and the scroll bar's
        // length changes only by what the rows made grew, so the thumb does
        // not jump.
        const int step = bar->singleStep() * 3;
        for (int n = 0; n < 25; ++n) {
            const int length = bar->maximum();
            QWidget *mark = nullptr;
            for (QWidget *w : rows->shownRows())
                if (w->isVisible() && !w->visibleRegion().isEmpty())
                    mark = w;
            QVERIFY(mark);
            const int y = mark->mapTo(area->viewport(), QPoint(0, 0)).y();
            const QPointF at = area->viewport()->rect().center();
            QWheelEvent wheel(at, area->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(area->viewport(), &wheel);
            QTest::qWait(30);
            const int moved = mark->mapTo(area->viewport(), QPoint(0, 0)).y() - y;
            QVERIFY2(std::abs(moved - step) <= 1, qPrintable(QStringLiteral("step %4: %1 moved %2 px, not %3").arg(n)
                                                                 .arg(RowColumn::idOf(mark))
                                                                 .arg(moved)
                                                                 .arg(step)));
            QVERIFY2(std::abs(bar->maximum() - length) < area->viewport()->height() / 2,
                     qPrintable(QStringLiteral("step %1: the scroll bar's length went from %2 to %3")
                                    .arg(n)
                                    .arg(length)
                                    .arg(bar->maximum())));
            QVERIFY2(gapInView(rows).isEmpty(), qPrintable(gapInView(rows)));
        }

        // The thumb dragged by the mouse to the middle, then to the bottom.
        dragThumb(bar, bar->height() / 2);
        QVERIFY2(std::abs(bar->value() - bar->maximum() / 2) < bar->maximum() / 8,
                 qPrintable(QStringLiteral("%1 of %2").arg(bar->value()).arg(bar->maximum())));
        QVERIFY2(gapInView(rows).isEmpty(), qPrintable(gapInView(rows)));
        pictures(QStringLiteral("middle"));
        QVERIFY2(rows->built() < few, qPrintable(QString::number(rows->built())));
        QVERIFY2(gapInView(rows).isEmpty(), qPrintable(gapInView(rows)));
        check(rows, [&] { return ids; });
        const int middle = bar->value();
        dragThumb(bar, bar->height());
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(inView(last));
        QVERIFY2(gapInView(rows).isEmpty(), qPrintable(gapInView(rows)));
        pictures(QStringLiteral("bottom"));
        bar->setValue(middle);

        // A row not made yet below the rows made at the top: Tab from the
        // last of those goes on to it.
        qsizetype top = 0;
        while (top + 1 < ids.size() && rows->shownRows().contains(rows->rowWidget(ids.at(top + 1))))
            ++top;
        QWidget *edge = nullptr;
        for (qsizetype i = top; i >= 0 && !edge; --i)
            if (SaveButton *b = rows->rowWidget(ids.at(i))->findChild<SaveButton *>())
                edge = b;
        QVERIFY(edge);
        QList<QWidget *> stops{edge};
        for (QWidget *w : rowOf(rows, edge)->findChildren<QWidget *>())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->mapTo(rows, QPoint()).y() > edge->mapTo(rows, QPoint()).y())
                stops << w;
        stops.last()->setFocus(Qt::TabFocusReason);
        const qsizetype edgeAt = ids.indexOf(RowColumn::idOf(rowOf(rows, edge)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const qsizetype next = ids.indexOf(RowColumn::idOf(rowOf(rows, QApplication::focusWidget())));
        QVERIFY2(next > edgeAt && next <= top + 2, qPrintable(QStringLiteral("Tab from row %1 went to %2, the rows made at the top end at %3")
                                                              .arg(edgeAt).arg(next).arg(top)));

        // Tab from a row in view goes on to the next row, and Shift+Tab back
        // to the one above: never past a row not made.
        QWidget *row = nullptr;
        for (QWidget *w : rows->shownRows())
            if (!row && w->isVisible() && inView(w) && !w->findChildren<SaveButton *>().isEmpty())
                row = w;
        QVERIFY(row);
        SaveButton *save = row->findChild<SaveButton *>();
        save->setFocus(Qt::TabFocusReason);
        const QString wrong = tabsGoInListOrder(rows, ids, {Qt::Key_Tab, Qt::Key_Backtab}, 30);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // Scrolled by End or the thumb, the page holds the keyboard: Tab goes on
    // from the controls in view (the first, Shift+Tab the last), the view
    // moves no more than to show that control whole, and the keys then go
    // on in list order. Home, scrolled by End right after start, goes on
    // from the view too, not from the emergency bar. At the very bottom of
    // Home the last control in view is also the window's last, so its
    // Shift+Tab row then goes up with the arrow keys until that control is
    // out of view.
    void tabGoesOnFromTheView_data()
    {
        QTest::addColumn<bool>("home");
        QTest::addColumn<bool>("end");
        QTest::addColumn<bool>("upOffLast");
        QTest::addColumn<bool>("forward");
        QTest::newRow("End, Tab") << false << true << false << true;
        QTest::newRow("End, Shift+Tab") << false << true << false << false;
        QTest::newRow("the thumb in the middle, Tab") << false << false << false << true;
        QTest::newRow("the thumb in the middle, Shift+Tab") << false << false << false << false;
        QTest::newRow("Home at start, End, Tab") << true << true << false << true;
        QTest::newRow("Home at start, End, Up past the last control, Shift+Tab") << true << true << true << false;
        QTest::newRow("Home at start, the thumb in the middle, Shift+Tab") << true << false << false << false;
    }

    void tabGoesOnFromTheView()
    {
        QFETCH(bool, home);
        QFETCH(bool, end);
        QFETCH(bool, upOffLast);
        QFETCH(bool, forward);
        const Screen page = home ? Screen(Screen::home) : Screen::forCategory(AppCategory::food);
        QScrollArea *area = nullptr;
        RowColumn *rows = nullptr;
        QStringList ids;
        if (home) {
            // Low enough that Home scrolls; the page holds the focus it
            // took as the window opened.
            showWindow(page, "", QSize(1060, 560));
            area = qobject_cast<QScrollArea *>(QApplication::focusWidget());
            QVERIFY(area && area->window() == m_window.get());
        } else {
            rows = showWindow(page, "topicListings");
            QVERIFY(rows);
            ids = pageIds(page);
            QTRY_VERIFY(rows->built() > 0);
            area = scrollAround(rows);
            QVERIFY(MBKeyboard::focusPage(area));
        }
        QScrollBar *bar = area->verticalScrollBar();
        if (end)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        else
            dragThumb(bar, bar->height() / 2);
        // The rows around the view are made and measured.
        QVERIFY(testsupport::settle([&] { return QPoint(bar->value(), rows ? rows->built() : 0); }));
        // The Tab stops in view, in Tab order.
        const auto stopsInView = [&] {
            QList<QWidget *> stops;
            for (QWidget *w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain())
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()
                    && area->isAncestorOf(w) && !w->visibleRegion().isEmpty())
                    stops << w;
            return stops;
        };
        QWidget *lastAtBottom = nullptr;
        if (upOffLast) {
            QCOMPARE(bar->value(), bar->maximum());
            QVERIFY(!stopsInView().isEmpty());
            lastAtBottom = stopsInView().last();
            for (int n = 0; n < 100 && !lastAtBottom->visibleRegion().isEmpty(); ++n)
                QTest::keyClick(area, Qt::Key_Up);
            QVERIFY(lastAtBottom->visibleRegion().isEmpty());
            QVERIFY(testsupport::settle([&] { return bar->value(); }));
        }
        QCOMPARE(QApplication::focusWidget(), area);
        const int value = bar->value();
        QVERIFY(value > 0);
        // Before the key.
        const QList<QWidget *> seen = stopsInView();
        QVERIFY(!seen.isEmpty());
        QVERIFY(!seen.contains(lastAtBottom));

        QTest::keyClick(area, forward ? Qt::Key_Tab : Qt::Key_Backtab);
        QWidget *focus = QApplication::focusWidget();
        const auto where = [&] {
            return rows ? QStringLiteral("%1 in row %2 of %3")
                              .arg(focus ? focus->objectName() : QString())
                              .arg(ids.indexOf(RowColumn::idOf(rowOf(rows, focus))))
                              .arg(ids.size())
                        : focussupport::describe(focus);
        };
        QVERIFY2(focus == (forward ? seen.first() : seen.last()), qPrintable(where()));
        QVERIFY(inView(focus));
        // ensureWidgetVisible's margin of 50 px at the most.
        QVERIFY2(std::abs(bar->value() - value) <= focus->height() + 50,
                 qPrintable(QStringLiteral("the view moved from %1 to %2").arg(value).arg(bar->value())));
        if (!rows)
            return;
        const qsizetype at = ids.indexOf(RowColumn::idOf(rowOf(rows, focus)));
        if (end)
            QVERIFY2(forward ? at >= ids.size() - 8 : at == ids.size() - 1, qPrintable(QString::number(at)));
        const QString wrong = forward ? tabsGoInListOrder(rows, ids, {Qt::Key_Tab, Qt::Key_Backtab}, end ? 3 : 20)
                                      : tabsGoInListOrder(rows, ids, {Qt::Key_Backtab, Qt::Key_Tab}, 20);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_MAIN(tst_ResultCards)
#include "tst_ResultCards.moc"
