// Times the screens a person waits for, in the real main window with the
// shipped data: (a) typing ten everyday queries letter by letter into the
// search screen, from the key event to the results painted, with and without
// a state, and the keystrokes that give the full 150 results, and End on
// those results down to the last card; (b) the Food
// and Shelter & Parking topic pages with no state chosen: from the click to
// the first screenful painted, then End: when the last rows are painted, and
// how long input waits; (c) My List with 50 saved entries, from the click to painted, and
// what a saved note repaints; (d) memory: resident with the home screen
// shown, and the peak of the whole run.
// Usage: bench_ui [search|topic|mylist]...   (all three when none is named;
// without a display it renders offscreen)

#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "screens/CategoryView.h"
#include "screens/ListingCard.h"
#include "screens/MyListView.h"
#include "screens/NoteEditor.h"
#include "screens/RowColumn.h"
#include "screens/SearchView.h"
#include "services/AppModel.h"
#include "widgets/TLAnnouncer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <clocale>
#include <cstdio>

namespace {

void line(const char *format, auto... args)
{
    std::printf(format, args...);
    std::printf("\n");
    std::fflush(stdout);
}

// Resident and peak memory of this process in MB, from /proc.
double procStatus(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith(field))
            return l.mid(qstrlen(field)).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

QString rectText(const QRect &r)
{
    return QStringLiteral("%1 x %2 at (%3, %4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// Counts paint events anywhere in the application; notes when a widget of
// the watched class first paints, and while tracking, what was painted (in
// window coordinates) and which listing cards.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    QString watch;
    double firstWatched = -1;
    QElapsedTimer clock;
    bool track = false;
    QRegion painted;
    QSet<QWidget *> paintedCards;

    // Starts the clock, shows `screen` and waits until a widget of class
    // `watched` first paints; the milliseconds that took. The watch stays on
    // until cleared.
    double timeToFirstPaint(AppModel &model, const Screen &screen, const QString &watched)
    {
        watch = watched;
        firstWatched = -1;
        clock.start();
        model.setScreen(screen);
        while (firstWatched < 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return firstWatched;
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        ++paints;
        auto *w = qobject_cast<QWidget *>(object);
        if (!w)
            return false;
        if (!watch.isEmpty() && firstWatched < 0 && object->inherits(qPrintable(watch)))
            firstWatched = clock.nsecsElapsed() / 1e6;
        if (track) {
            const QRegion r = static_cast<QPaintEvent *>(event)->region();
            painted += r.translated(w->mapTo(w->window(), QPoint(0, 0)));
            for (QWidget *p = w; p; p = p->parentWidget())
                if (qobject_cast<ListingCard *>(p))
                    paintedCards.insert(p);
        }
        return false;
    }
};

// A posted event that reposts itself when answered, recording the longest
// it waited: what a key press would wait while the event loop is busy.
class Probe final : public QObject
{
public:
    double worst = 0;
    int answered = 0;
    void post()
    {
        m_sent.start();
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        worst = std::max(worst, m_sent.nsecsElapsed() / 1e6);
        ++answered;
        post();
        return true;
    }

private:
    QElapsedTimer m_sent;
};



PaintCounter *g_paints = nullptr;

// Runs the event loop until layouts and paints have settled.
void settle()
{
    for (int quiet = 0; quiet < 2;) {
        const int before = g_paints->paints;
        QApplication::processEvents();
        quiet = g_paints->paints == before ? quiet + 1 : 0;
    }
}

// Runs the event loop until `sentence` is said in `window`; false when it is
// not within five seconds.
bool waitToBeSaid(QWidget *window, const QString &sentence)
{
    QElapsedTimer waited;
    waited.start();
    while (TLAnnouncer::lastSaid(window) != sentence && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return TLAnnouncer::lastSaid(window) == sentence;
}

struct Stats
{
    QList<double> ms;
    void add(double v) { ms << v; }
    double median() const
    {
        QList<double> t = ms;
        std::sort(t.begin(), t.end());
        return t.isEmpty() ? 0 : t.at(t.size() / 2);
    }
    double worst() const { return ms.isEmpty() ? 0 : *std::max_element(ms.cbegin(), ms.cend()); }
};

// End on a page (what the End key does: its scroll bar to the end): the
// milliseconds until the rows there are made and painted, and the longest an
// input event waited meanwhile and while the rows around them follow.
struct EndTimes
{
    double whole = 0;
    double waited = 0;
};

EndTimes pressEnd(QScrollBar *bar, const RowColumn *rows)
{
    EndTimes out;
    Probe probe;
    QElapsedTimer t;
    t.start();
    probe.post();
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QWidget *last = nullptr;
    while (!(last = rows->rowWidget(rows->ids().constLast())) || !last->isVisible())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    settle();
    out.whole = t.nsecsElapsed() / 1e6;
    QElapsedTimer around;
    around.start();
    while (around.elapsed() < 500)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    out.waited = probe.worst;
    return out;
}

QScrollBar *barAround(QWidget *w)
{
    while (w && !qobject_cast<QScrollArea *>(w))
        w = w->parentWidget();
    return w ? static_cast<QScrollArea *>(w)->verticalScrollBar() : nullptr;
}

double typeKey(QLineEdit *field, QChar c)
{
    QElapsedTimer t;
    t.start();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
    settle();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toUtf8());
    if (qEnvironmentVariableIsEmpty("TL_DATA_DIR"))
        qputenv("TL_DATA_DIR", TL_SOURCE_DIR "/resources/data");
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    PaintCounter counter;
    g_paints = &counter;
    app.installEventFilter(&counter);

    TLSetup::configure();
    AppModel &model = AppModel::shared();
    if (!model.data()) {
        line("FAIL: %s", qPrintable(model.loadError().value_or(QString())));
        return 1;
    }
    QMainWindow *window = TLSetup::makeMainWindow(model);
    window->resize(1280, 880);
    window->show();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    settle();
    line("platform: %s, window 1280 x 880", qPrintable(QGuiApplication::platformName()));
    line("memory with the home screen shown: %.0f MB resident", procStatus("VmRSS:"));

    QStringList parts = QCoreApplication::arguments().mid(1);
    if (parts.isEmpty())
        parts = {QStringLiteral("search"), QStringLiteral("topic"), QStringLiteral("mylist")};
    const QList<Listing> food = model.data()->listings(AppCategory::food);

    // (a) Typing into the search screen.
    if (parts.contains(QStringLiteral("search"))) {
    model.setScreen(Screen::search);
    settle();
    auto *field = window->findChild<QLineEdit *>(QStringLiteral("searchField"));
    if (!field) {
        line("FAIL: no search field");
        return 1;
    }
    field->setFocus();
    const QStringList queries{
        QStringLiteral("food bank"), QStringLiteral("shelter tonight"), QStringLiteral("snap food stamps"),
        QStringLiteral("showers"),   QStringLiteral("988"),             QStringLiteral("rest area"),
        QStringLiteral("medicaid"),  QStringLiteral("jobs"),            QStringLiteral("van life parking"),
        QStringLiteral("mental health"),
    };
    Stats full;
    for (const QString &state : {QString(), QStringLiteral("OH")}) {
        model.setStateCode(state);
        model.setScreen(Screen::search);
        settle();
        field = window->findChild<QLineEdit *>(QStringLiteral("searchField"));
        field->setFocus();
        Stats typed;
        for (int round = 0; round < 3; ++round) {
            for (const QString &q : queries) {
                model.setSearchText(QString());
                settle();
                for (const QChar c : q) {
                    const double ms = typeKey(field, c);
                    typed.add(ms);
                    if (SearchView::hits(model).size() >= 150)
                        full.add(ms);
                }
            }
        }
        line("search keystroke to painted, %s (%lld keystrokes): median %.1f ms, worst %.1f ms",
             state.isEmpty() ? "all states" : "Ohio", qlonglong(typed.ms.size()), typed.median(), typed.worst());
    }
    // The broadest one-letter queries over all states give the full 150.
    model.setStateCode(QString());
    model.setScreen(Screen::search);
    settle();
    field = window->findChild<QLineEdit *>(QStringLiteral("searchField"));
    field->setFocus();
    for (int round = 0; round < 5; ++round) {
        for (const QChar c : QStringLiteral("sfc")) {
            model.setSearchText(QString());
            settle();
            const double ms = typeKey(field, c);
            if (SearchView::hits(model).size() >= 150)
                full.add(ms);
        }
    }
    line("search keystroke with 150 results (%lld keystrokes): median %.1f ms, worst %.1f ms",
         qlonglong(full.ms.size()), full.median(), full.worst());

    // End on the page of 150 results: the last cards are made and painted.
    // The first run makes them, the others find them kept.
    auto *results = window->findChild<RowColumn *>(QStringLiteral("searchResults"));
    QScrollBar *bar = barAround(results);
    Stats toEnd;
    Stats waited;
    int made = 0;
    for (int round = 0; round < 5; ++round) {
        model.setSearchText(QString());
        settle();
        for (const QChar c : QStringLiteral("health"))
            typeKey(field, c);
        const int before = results->madeCount();
        const EndTimes end = pressEnd(bar, results);
        toEnd.add(end.whole);
        waited.add(end.waited);
        made = round == 0 ? results->madeCount() - before : made;
    }
    line("End on %lld results, to the last cards painted: %.0f ms making %d cards, then median %.1f ms; "
         "an input event waited at most %.1f ms (median of the worst per run; worst %.1f ms)",
         qlonglong(results->ids().size()), toEnd.ms.first(), made, toEnd.median(), waited.median(),
         waited.worst());
    model.setSearchText(QString());
    }

    // (b) The Food and Shelter & Parking topic pages with no state chosen,
    // from the click to the first screenful painted; then End on each: when
    // the last rows are painted, and how long the window at most leaves an
    // event waiting meanwhile (a posted probe stands in for a key press).
    if (parts.contains(QStringLiteral("topic"))) {
    for (const AppCategory topic : {AppCategory(AppCategory::food), AppCategory(AppCategory::shelter)}) {
    Stats firstPaint;
    Stats made;
    Stats whole;
    Stats waiting;
    qsizetype rowCount = 0;
    for (int round = 0; round < 5; ++round) {
        model.setScreen(Screen::home);
        settle();
        firstPaint.add(g_paints->timeToFirstPaint(model, Screen::forCategory(topic), QStringLiteral("ListingCard")));
        g_paints->watch.clear();
        settle();
        auto *view = window->findChild<CategoryView *>();
        made.add(view->listings()->built());
        const EndTimes end = pressEnd(barAround(view->listings()), view->listings());
        whole.add(end.whole);
        waiting.add(end.waited);
        rowCount = view->listings()->ids().size();
    }
    line("%s topic, no state (%lld rows): click to first screenful painted: median %.1f ms, worst %.1f ms; "
         "rows made before End: median %.0f",
         qPrintable(topic.rawValue()), qlonglong(rowCount), firstPaint.median(), firstPaint.worst(), made.median());
    line("  End: the last rows painted after median %.0f ms; an input event waited at "
         "most %.1f ms (median of the worst per run; worst %.1f ms)",
         whole.median(), waiting.median(), waiting.worst());
    }
    }

    // (c) My List with 50 saved entries, from the click to painted; then a
    // saved note, which must repaint nothing outside its card.
    if (parts.contains(QStringLiteral("mylist"))) {
        FavoritesStore &store = *model.favorites();
        for (const Listing &l : food.mid(0, 50))
            store.add(l.uid, l.name);
        Stats open;
        Stats settled;
        for (int round = 0; round < 5; ++round) {
            model.setScreen(Screen::home);
            settle();
            open.add(g_paints->timeToFirstPaint(model, Screen::myList, QStringLiteral("ListingCard")));
            settle();
            settled.add(g_paints->clock.nsecsElapsed() / 1e6);
            g_paints->watch.clear();
        }
        line("My List with %lld entries, click to painted: median %.1f ms, worst %.1f ms (settled: median %.0f ms)",
             qlonglong(store.items().size()), open.median(), open.worst(), settled.median());

        auto *view = window->findChild<MyListView *>();
        while (view->entries()->filling())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        settle();
        auto *card = qobject_cast<ListingCard *>(view->entries()->shownRows().constFirst());
        NoteEditor *editor = card->noteEditor();
        editor->setText(QStringLiteral("Open Tuesdays. Ask for Maria."));
        settle();
        const int made = view->entries()->madeCount();
        g_paints->track = true;
        g_paints->painted = QRegion();
        g_paints->paintedCards.clear();
        QElapsedTimer t;
        t.start();
        editor->save();
        settle();
        const double ms = t.nsecsElapsed() / 1e6;
        // The save is said to a screen reader once the window has settled:
        // what that shows counts too.
        const bool said = waitToBeSaid(window, QStringLiteral("Saved on this computer."));
        settle();
        g_paints->track = false;
        const QRect cardRect(card->mapTo(window, QPoint(0, 0)), card->size());
        const QRect allowed = cardRect.marginsAdded(card->shadowMargins());
        line("saving a note: %.1f ms; painted %s, the card %s; listing cards painted: %lld; cards made: %d",
             ms, qPrintable(rectText(g_paints->painted.boundingRect())), qPrintable(rectText(allowed)),
             qlonglong(g_paints->paintedCards.size()), view->entries()->madeCount() - made);
        if (!allowed.contains(g_paints->painted.boundingRect()) || g_paints->paintedCards.size() > 1)
            line("FAIL: saving a note repainted more than its card");
        if (!said)
            line("FAIL: saving a note was not said to a screen reader");
    }

    line("peak memory of the run: %.0f MB resident", procStatus("VmHWM:"));
    delete window;
    return 0;
}
