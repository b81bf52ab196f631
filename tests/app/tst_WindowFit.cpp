// The main window as a person sees it at every size and zoom: one vertical
// scroll bar, nothing cut at the smallest window, and parts of a screen made
// after it was built (a new topic's header) at the window's zoom.

#include "Shots.h"
#include "WindowTour.h"

#include "app/Sidebar.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MBZoomHost.h"
#include "screens/PageHeader.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QMainWindow>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

#include <algorithm>

namespace {

QList<QScrollBar *> shownBars(QWidget *window, Qt::Orientation orientation)
{
    QList<QScrollBar *> out;
    for (QScrollBar *bar : window->findChildren<QScrollBar *>())
        if (bar->orientation() == orientation && bar->isVisible())
            out << bar;
    return out;
}

QAbstractScrollArea *areaOf(QScrollBar *bar)
{
    for (QWidget *w = bar->parentWidget(); w; w = w->parentWidget())
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w))
            return area;
    return nullptr;
}

// The scroll areas showing a vertical bar inside another that shows one too:
// two bars side by side for one page.
QStringList nestedVerticalBars(QWidget *window)
{
    const QList<QScrollBar *> bars = shownBars(window, Qt::Vertical);
    QStringList out;
    for (QScrollBar *inner : bars)
        for (QScrollBar *outer : bars)
            if (areaOf(outer) != areaOf(inner) && areaOf(outer)->isAncestorOf(areaOf(inner)))
                out << QLatin1String(areaOf(inner)->parentWidget()->parentWidget()->metaObject()->className());
    return out;
}

// The scroll areas that scroll sideways, each with how much wider its
// content is than what it shows.
QStringList scrollsSideways(QWidget *window)
{
    QStringList out;
    for (QScrollBar *bar : shownBars(window, Qt::Horizontal)) {
        QAbstractScrollArea *area = areaOf(bar);
        out << QString::fromLatin1(area->parentWidget()->metaObject()->className())
                + QStringLiteral(" scrolls sideways by %1").arg(bar->maximum());
    }
    return out;
}

// Shown widgets of the page that reach past the right edge of what the page
// shows, or past the window.
QStringList cutAtTheRight(QMainWindow *window, Page *page)
{
    QWidget *view = page->scroll()->scrollArea()->viewport();
    const int windowRight = view->mapTo(window, QPoint(view->width(), 0)).x();
    QStringList out;
    if (windowRight > window->width())
        out << QStringLiteral("the page reaches past the window by %1").arg(windowRight - window->width());
    for (QWidget *w : page->column()->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const int right = w->mapTo(view, QPoint(w->width(), 0)).x();
        if (right > view->width()) {
            const auto *label = qobject_cast<QLabel *>(w);
            out << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName() + u' '
                    + (label ? label->text().left(40) : w->accessibleName())
                    + QStringLiteral(" by %1, needs %2").arg(right - view->width()).arg(w->minimumSizeHint().width());
        }
    }
    return out;
}

// What keeps the page from fitting its pane: scrolling sideways, else the
// first thing cut at the right down the whole page (half a page at a time,
// so rows made as it scrolls are measured too).
QStringList misfits(QMainWindow *window, Page *page)
{
    const QStringList sideways = scrollsSideways(window);
    if (!sideways.isEmpty())
        return sideways;
    QScrollBar *bar = page->scroll()->scrollArea()->verticalScrollBar();
    for (int at = 0;; at += page->height() / 2) {
        bar->setValue(at);
        QTest::qWait(20);
        const QStringList cut = cutAtTheRight(window, page);
        if (!cut.isEmpty() || at >= bar->maximum())
            return cut;
    }
}

} // namespace

class tst_WindowFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(tour::start()); }

    void cleanup()
    {
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 0);
        MBZoom::setValue(1.0);
    }

    // Zoomed or small, the window never scrolls up and down over a page that
    // scrolls itself, and the page's bar stands at the window's right edge.
    void oneVerticalScrollBar_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<int>("stop");
        struct Look { const char *name; QSize size; double zoom; int textSize; };
        for (const Look &look : {Look{"1366x768 at 130%", QSize(1366, 740), 1.3, 0},
                                 Look{"1366x768 at 200%", QSize(1366, 740), 2.0, 0},
                                 Look{"1280x880 at 150%", QSize(1280, 880), 1.5, 0},
                                 Look{"820x560", QSize(820, 560), 1.0, 0},
                                 Look{"820x560 at 200%, extra large", QSize(820, 560), 2.0, 2}}) {
            for (int i = 0; i < tour::stops().size(); ++i)
                QTest::addRow("%s, %s", tour::stops().at(i).name, look.name)
                    << look.size << look.zoom << look.textSize << i;
        }
    }

    void oneVerticalScrollBar()
    {
        QFETCH(QSize, size);
        QFETCH(double, zoom);
        QFETCH(int, textSize);
        QFETCH(int, stop);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        MBZoom::setValue(zoom);
        const auto window = tour::open(tour::filledModel(), tour::stops().at(stop).screen, size);
        QVERIFY(window);
        auto *host = window->findChild<MBZoomHost *>();
        QCOMPARE(host->zoom(), zoom);
        QVERIFY(!host->scrollArea()->verticalScrollBar()->isVisible());
        const QStringList nested = nestedVerticalBars(window.get());
        QVERIFY2(nested.isEmpty(), qPrintable(nested.join(u", ")));
        // The page scrolls: a long page shows its own bar at the window's right.
        Page *page = tour::page(window.get());
        QVERIFY(page);
        if (zoom == 2.0)
            QVERIFY(shots::save(window.get(), QStringLiteral("bars-") + QLatin1String(QTest::currentDataTag())));
        QScrollBar *pageBar = page->scroll()->scrollArea()->verticalScrollBar();
        if (pageBar->maximum() > 0)
            QVERIFY(pageBar->isVisible());
        // Only columns of a fixed width (the sidebar, the guide's chapter
        // list) wider than the window make the window scroll sideways.
        const bool fixedColumnsFit = host->content()->minimumSizeHint().width() <= host->width();
        QCOMPARE(host->scrollArea()->horizontalScrollBar()->isVisible(), !fixedColumnsFit);
        if (fixedColumnsFit)
            QCOMPARE(pageBar->mapTo(window.get(), QPoint(pageBar->width(), 0)).x(), window->width());
    }

    // At the smallest window and 100 % every page fits its width in every
    // text size: text wraps, rows of buttons break and stack, nothing runs
    // past the right edge and nothing scrolls sideways.
    void nothingCutAtTheSmallestWindow_data()
    {
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("textSize");
        const char *sizes[] = {"normal", "large", "extra-large"};
        for (int textSize = 0; textSize < 3; ++textSize)
            for (int i = 0; i < tour::stops().size(); ++i)
                QTest::addRow("%s-%s", tour::stops().at(i).name, sizes[textSize]) << i << textSize;
    }

    void nothingCutAtTheSmallestWindow()
    {
        QFETCH(int, stop);
        QFETCH(int, textSize);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        const auto window = tour::open(tour::filledModel(), tour::stops().at(stop).screen, QSize(820, 560));
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(820, 560));
        QVERIFY(shots::save(window.get(), QStringLiteral("smallest-") + QLatin1String(QTest::currentDataTag())));
        Page *page = tour::page(window.get());
        QVERIFY(page);
        const QStringList misfit = misfits(window.get(), page);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit.join(u"; ")));
        QVERIFY(shots::save(window.get(), QStringLiteral("smallest-") + QLatin1String(QTest::currentDataTag())
                                              + QStringLiteral("-end")));
    }

    // Moving from one topic (or urgent need) to another keeps the page and
    // builds only its header anew: at 150 % it is drawn exactly as the same
    // page opened afresh.
    void laterPartsKeepTheZoom_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("topic, from the sidebar") << 3 << 4;
        QTest::newRow("urgent need") << 1 << 2;
    }

    void laterPartsKeepTheZoom()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        MBZoom::setValue(1.5);
        AppModel &model = tour::filledModel();
        const Screen target = tour::stops().at(to).screen;
        const auto fresh = tour::open(model, target, QSize(1280, 880));
        QVERIFY(fresh);
        const QImage wanted = tour::page(fresh.get())->findChild<PageHeader *>()->grab().toImage();

        const auto window = tour::open(model, tour::stops().at(from).screen, QSize(1280, 880));
        QVERIFY(window);
        QWidget *view = window->findChild<ScreenHost *>()->current();
        if (target.value() == Screen::category) {
            const QList<SidebarRow *> rows = window->findChild<Sidebar *>()->rows();
            const auto row = std::find_if(rows.begin(), rows.end(), [&](SidebarRow *r) { return r->screen() == target; });
            QVERIFY(row != rows.end());
            QTest::mouseClick(*row, Qt::LeftButton);
        } else {
            model.setScreen(target);
        }
        QTRY_COMPARE(model.screen(), target);
        QTest::qWait(50);
        QCOMPARE(window->findChild<ScreenHost *>()->current(), view); // the same page, a new header
        auto *header = tour::page(window.get())->findChild<PageHeader *>();
        QTRY_VERIFY(header->isVisible());
        QCOMPARE(header->grab().toImage(), wanted);
    }

    // A word longer than its line in what a person typed (a line's name,
    // the goal's name, a note) wraps: no page grows wider than its pane.
    void longWordsWrap_data()
    {
        QTest::addColumn<int>("stop");
        QTest::addColumn<QSize>("size");
        for (const char *name : {"my-list", "sheet", "money"}) {
            const auto stop = std::find_if(tour::stops().begin(), tour::stops().end(),
                                           [&](const tour::Stop &s) { return qstrcmp(s.name, name) == 0; });
            QTest::addRow("%s-1366x768", name) << int(stop - tour::stops().begin()) << QSize(1366, 740);
            QTest::addRow("%s-820x560", name) << int(stop - tour::stops().begin()) << QSize(820, 560);
        }
    }

    void longWordsWrap()
    {
        QFETCH(int, stop);
        QFETCH(QSize, size);
        AppModel &model = tour::filledModel();
        const QString word(5000, u'W');
        if (model.money()->plan().goalName != word) {
            model.money()->add(MoneyKind::expense, QStringLiteral("food"), word, 500, MoneyFrequency::week);
            model.money()->setGoal(word, 100'000, 2'000);
            model.favorites()->setNote(model.favorites()->items().first().uid, QStringLiteral("Ask for ") + word);
        }
        const auto window = tour::open(model, tour::stops().at(stop).screen, size);
        QVERIFY(window);
        Page *page = tour::page(window.get());
        QVERIFY(page);
        const QStringList misfit = misfits(window.get(), page);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit.join(u"; ")));
        // A picture of each place that shows the word.
        int shown = 0;
        for (QWidget *w : page->column()->findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(w);
            const auto *edit = qobject_cast<QTextEdit *>(w);
            const QString text = label ? label->text() : edit ? edit->toPlainText() : QString();
            if (w->isVisible() && text.contains(word)) {
                page->scroll()->scrollArea()->ensureWidgetVisible(w);
                QTest::qWait(20);
                const QString name = QStringLiteral("longword-%1-%2").arg(QLatin1String(QTest::currentDataTag()));
                QVERIFY(shots::save(window.get(), name.arg(++shown)));
            }
        }
        QVERIFY(shown > 0);
    }
};

QTEST_MAIN(tst_WindowFit)
#include "tst_WindowFit.moc"
