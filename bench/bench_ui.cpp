// Times the screens a person waits for, in the real main window with the
// shipped data: (a) typing ten everyday queries letter by letter into the
// search screen, from the key event to the results painted, with and without
// a state, and the keystrokes that give the full 150 results; (b) the Food
// topic page with no state chosen, from navigation to painted, and the same
// listings as a page of cards; (c) memory: resident with the home screen
// shown, and the peak of the whole run.
// Usage: bench_ui   (without a display it renders offscreen)

#include "app/AppModel.h"
#include "app/ScreenHost.h"
#include "app/TLSetup.h"
#include "data/ReferenceData.h"
#include "look/kit/MBZoom.h"
#include "screens/ListingCard.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/RowColumn.h"
#include "screens/SearchView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
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

// Counts paint events anywhere in the application.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
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

    // (a) Typing into the search screen.
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
    model.setSearchText(QString());

    // (b) The Food topic page with no state chosen.
    Stats topic;
    for (int round = 0; round < 5; ++round) {
        model.setScreen(Screen::home);
        settle();
        QElapsedTimer t;
        t.start();
        model.setScreen(Screen::forCategory(AppCategory::food));
        settle();
        topic.add(t.nsecsElapsed() / 1e6);
    }
    line("Food topic screen, no state, navigation to painted: median %.1f ms, worst %.1f ms", topic.median(),
         topic.worst());

    // The same listings as cards on one page, as the topic screen shows them.
    const QList<Listing> food = model.data()->listings(AppCategory::food);
    auto *host = window->findChild<ScreenHost *>();
    Stats cards;
    Stats allCards;
    for (int round = 0; round < 3; ++round) {
        for (const bool all : {false, true}) {
            QElapsedTimer t;
            t.start();
            MBZoomScope scope(MBZoom::value());
            auto *rows = new RowColumn(16);
            auto *page = new Page({new PageHeader(AppCategory(AppCategory::food).icon(), QStringLiteral("Food"),
                                                  AppCategory(AppCategory::food).blurb()),
                                   rows});
            QList<RowColumn::Row> list;
            for (const Listing &l : food)
                list.append({l.uid, [l, &model] { return new ListingCard(l, model.favorites()); }});
            rows->setRows(list);
            if (all)
                rows->buildAll();
            host->layout()->addWidget(page);
            host->current()->hide();
            page->show();
            settle();
            (all ? allCards : cards).add(t.nsecsElapsed() / 1e6);
            host->current()->show();
            delete page;
            settle();
        }
    }
    line("%lld Food listing cards on one page, made as the screen needs: median %.1f ms, worst %.1f ms",
         qlonglong(food.size()), cards.median(), cards.worst());
    line("the same %lld cards all made at once: median %.1f ms, worst %.1f ms", qlonglong(food.size()),
         allCards.median(), allCards.worst());

    line("peak memory of the run: %.0f MB resident", procStatus("VmHWM:"));
    delete window;
    return 0;
}
