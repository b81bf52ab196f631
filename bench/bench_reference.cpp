// Times building the reference data from a data folder, the searches a
// person makes while typing, and the contact parser on long hostile texts. Usage: bench_reference [data folder]
// (default: the shipped resources/data of the source tree).

#include "data/ContactParser.h"
#include "data/DBError.h"
#include "data/ReferenceData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Timing
{
    double ms;
    QString what;
};

double median(QList<Timing> t)
{
    std::sort(t.begin(), t.end(), [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
    const qsizetype n = t.size();
    return n % 2 ? t.at(n / 2).ms : (t.at(n / 2 - 1).ms + t.at(n / 2).ms) / 2;
}

Timing worst(const QList<Timing> &t)
{
    return *std::max_element(t.cbegin(), t.cend(),
                             [](const Timing &a, const Timing &b) { return a.ms < b.ms; });
}

void line(const char *format, auto... args)
{
    std::printf(format, args...);
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1
        ? args.at(1)
        : QStringLiteral(TL_SOURCE_DIR) + QStringLiteral("/resources/data");
    line("data folder: %s", qPrintable(QFileInfo(folder).absoluteFilePath()));

    // Building, as at start-up. The first build also builds the guide
    // chapters and compiles the counting expressions.
    constexpr int builds = 15;
    QList<Timing> buildTimes;
    std::unique_ptr<ReferenceData> data;
    try {
        for (int i = 0; i < builds; ++i) {
            QElapsedTimer timer;
            timer.start();
            data = std::make_unique<ReferenceData>(folder);
            buildTimes.append({timer.nsecsElapsed() / 1e6, QStringLiteral("build %1").arg(i + 1)});
        }
    } catch (const DBError &e) {
        line("FAIL: %s", qPrintable(e.description));
        return 1;
    }
    line("rows: %lld listings, %lld videos, %lld states",
         qlonglong(data->listings().size()), qlonglong(data->videos().size()),
         qlonglong(data->states().size()));
    for (const FileReport &r : data->reports())
        line("  %-22s csv %5d  imported %5d  malformed %d  counted %5d", qPrintable(r.id()),
             r.csvRecords, r.imported, r.malformed, r.independentCount);
    line("build (%d runs): first %.1f ms, median %.1f ms, worst %.1f ms", builds,
         buildTimes.first().ms, median(buildTimes), worst(buildTimes).ms);

    // Every prefix of ten queries, as typed, with no state and with one state.
    const QStringList queries{
        QStringLiteral("food bank"),        QStringLiteral("shelter tonight"),
        QStringLiteral("snap food stamps"), QStringLiteral("showers"),
        QStringLiteral("988"),              QStringLiteral("rest area"),
        QStringLiteral("medicaid"),         QStringLiteral("jobs"),
        QStringLiteral("van life parking"), QStringLiteral("mental health"),
    };
    QString state = QStringLiteral("CO");
    if (data->stateName(state) == state && !data->states().isEmpty())
        state = data->states().first().code;

    QList<Timing> searchTimes;
    qsizetype hitsSeen = 0;
    for (const std::optional<QString> &st : {std::optional<QString>(), std::optional(state)}) {
        for (const QString &q : queries) {
            for (qsizetype n = 1; n <= q.size(); ++n) {
                const QString typed = q.left(n);
                QElapsedTimer timer;
                timer.start();
                const QList<SearchHit> hits = data->search(typed, st);
                const double ms = timer.nsecsElapsed() / 1e6;
                hitsSeen += hits.size();
                searchTimes.append(
                    {ms, QStringLiteral("\"%1\" %2 (%3 hits)")
                             .arg(typed, st ? *st : QStringLiteral("all states"))
                             .arg(hits.size())});
            }
        }
    }
    const Timing slowest = worst(searchTimes);
    line("search (%lld typed searches, %lld hits in all): median %.3f ms, worst %.3f ms at %s",
         qlonglong(searchTimes.size()), qlonglong(hitsSeen), median(searchTimes), slowest.ms,
         qPrintable(slowest.what));

    // Contact texts of 50,000 characters made to be slow to parse.
    constexpr int length = 50000;
    const QList<std::pair<const char *, QString>> hostile{
        {"keyword phrase then blanks", QStringLiteral("Text a keyword") + QString(length, u' ')},
        {"911 repeated", QStringLiteral("911 ").repeated(length / 4)},
        {"keyword phrases, no number", QStringLiteral("Text a keyword x ").repeated(length / 17)},
        {"ten-digit numbers", QStringLiteral("800-555-0100 ").repeated(length / 13)},
        {"one long word", QString(length, u'a')},
        {"closing brackets", QStringLiteral("https://example.org/") + QString(length, u')')},
    };
    for (const auto &[what, text] : hostile) {
        QList<Timing> parseTimes;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            ContactParser::actions(ContactParser::Fields{QString(), text, QString(), QString()});
            parseTimes.append({timer.nsecsElapsed() / 1e6, QString()});
        }
        line("contact parser, %d characters, %s: median %.1f ms, worst %.1f ms", length, what,
             median(parseTimes), worst(parseTimes).ms);
    }
    return 0;
}
