#include "MoneyFixture.h"

#include "money/Money.h"
#include "money/MoneyCategory.h"
#include "money/MoneyPlan.h"

#include <QTimeZone>
#include <QtTest>

#include <ctime>
#include <limits>

using namespace moneyfixture;
using F = MoneyFrequency;
using K = MoneyKind;
using P = MoneyPeriod;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

// A runway of one day from the given local time, on any plan.
MoneyPlan oneDayRunway()
{
    return plan({expense(QStringLiteral("food"), 2000, F::day)}, 2000);
}

QDateTime denver(int y, int m, int d, int h, int min)
{
    return QDateTime(QDate(y, m, d), QTime(h, min), Qt::LocalTime);
}

} // namespace

class tst_MoneyPlan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookups()
    {
        QCOMPARE(MoneyCategory::title(K::income, QStringLiteral("other")), QStringLiteral("Other income"));
        QCOMPARE(MoneyCategory::title(K::expense, QStringLiteral("other")), QStringLiteral("Other"));
        QCOMPARE(MoneyCategory::title(K::income, QStringLiteral("food")), QStringLiteral("Other"));
        QCOMPARE(MoneyCategory::icon(K::expense, QStringLiteral("Food")), QStringLiteral("circle.fill"));
        QCOMPARE(MoneyPeriod::fromRawValue(QStringLiteral("day")), std::nullopt);
        QCOMPARE(MoneyKind::fromRawValue(QStringLiteral("Income")), std::nullopt);
        QCOMPARE(MoneyFrequency::fromRawValue(QStringLiteral("year")), std::nullopt);

        MoneyEntry e = expense(QStringLiteral("laundry"), 900, F::week);
        QCOMPARE(e.displayLabel(), QStringLiteral("Laundry"));
        e.label = QStringLiteral(" Wash & dry ");
        QCOMPARE(e.displayLabel(), QStringLiteral(" Wash & dry "));
        MoneyEntry later = e;
        later.added = 1;
        QVERIFY(!(e == later));
        QVERIFY(qHash(e) != qHash(later));
    }

    void workedExample()
    {
        const MoneyPlan p = example();
        const auto line = [&](const QString &head, P period) {
            return head + QStringLiteral(": in ") + Money::text(p.total(K::income, period)) + QStringLiteral(" out ")
                + Money::text(p.total(K::expense, period)) + QStringLiteral(" left ") + Money::text(p.leftOver(period));
        };
        QCOMPARE(line(QStringLiteral("week"), P::week), QStringLiteral("week: in $257.38 out $273.03 left -$15.65"));
        QCOMPARE(line(QStringLiteral("month"), P::month), QStringLiteral("month: in $1,115.33 out $1,183.16 left -$67.83"));
        QCOMPARE(p.yearly(K::income), 1338400);
        QCOMPARE(p.yearly(K::expense), 1419800);
        QCOMPARE(p.runwayDays(), std::optional<qint64>(83));
        QCOMPARE(p.savingsPercent(), 14);
        QCOMPARE(p.savingsText(),
                 QStringLiteral("$85.00 of $600.00 saved (14%). $515.00 to go. Even a few dollars a week helps."));

        QStringList ids;
        QList<qint64> cents;
        for (const MoneyPlan::CategoryTotal &item : p.categoryTotals(K::expense, P::week)) {
            ids << item.id;
            cents << item.cents;
        }
        QCOMPARE(ids, (QStringList{QStringLiteral("food"), QStringLiteral("fuel"), QStringLiteral("vehicle"), QStringLiteral("campsite"), QStringLiteral("other"),
                                   QStringLiteral("storage"), QStringLiteral("laundry"), QStringLiteral("phone"), QStringLiteral("hygiene")}));
        QCOMPARE(cents, (QList<qint64>{9827, 7000, 2538, 2500, 2000, 1500, 900, 692, 346}));
    }

    void periodAmounts_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<qint64>("week");
        QTest::addColumn<qint64>("month");
        QTest::newRow("$100 a week") << qint64(10000) << int(F::week) << qint64(10000) << qint64(43333);
        QTest::newRow("$1,000 a month") << qint64(100000) << int(F::month) << qint64(23077) << qint64(100000);
        QTest::newRow("26c a day: 182.5 -> 183") << qint64(26) << int(F::day) << qint64(183) << qint64(791);
        QTest::newRow("$10 a day") << qint64(1000) << int(F::day) << qint64(7019) << qint64(30417);
        QTest::newRow("$25 a month") << qint64(2500) << int(F::month) << qint64(577) << qint64(2500);
        QTest::newRow("$14 a day") << qint64(1400) << int(F::day) << qint64(9827) << qint64(42583);
    }
    void periodAmounts()
    {
        QFETCH(qint64, cents);
        QFETCH(int, frequency);
        QFETCH(qint64, week);
        QFETCH(qint64, month);
        const MoneyPlan p = plan({expense(QStringLiteral("other"), cents, F::Case(frequency))});
        QCOMPARE(p.total(K::expense, P::week), week);
        QCOMPARE(p.total(K::expense, P::month), month);
        QCOMPARE(p.leftOver(P::month), -month);
        QCOMPARE(p.total(K::income, P::week), 0);
    }

    void linesAddUpToTotals()
    {
        const MoneyPlan m = plan({income(QStringLiteral("gig"), 9000, F::week), income(QStringLiteral("benefits"), 29200, F::month),
                                  expense(QStringLiteral("food"), 1400, F::day), expense(QStringLiteral("fuel"), 7000, F::week),
                                  expense(QStringLiteral("vehicle"), 11000, F::month)},
                                 50000);
        for (const P period : MoneyPeriod::allCases()) {
            for (const K kind : MoneyKind::allCases()) {
                qint64 sum = 0;
                for (const MoneyEntry &e : m.entriesOf(kind))
                    sum += MoneyPlan::amount(e, period);
                QCOMPARE(m.total(kind, period), sum);
            }
        }
        QCOMPARE(m.total(K::income, P::week), 15738);
        QCOMPARE(m.total(K::expense, P::week), 19365);
        QCOMPARE(m.total(K::income, P::month), 68200);
        QCOMPARE(m.total(K::expense, P::month), 83916);
        QCOMPARE(m.runwayDays(), std::optional<qint64>(96)); // from exact yearly sums
    }

    void categoryTotals()
    {
        // Equal totals keep table order; an id outside the table is in no item
        // but in the total; a category whose lines add up to 0 is still listed.
        const MoneyPlan p = plan({expense(QStringLiteral("storage"), 500, F::week), expense(QStringLiteral("phone"), 500, F::week),
                                  expense(QStringLiteral("campground"), 900, F::week), expense(QStringLiteral("vehicle"), 0, F::week),
                                  income(QStringLiteral("food"), 100, F::week)});
        QCOMPARE(p.categoryTotals(K::expense, P::week),
                 (QList<MoneyPlan::CategoryTotal>{{QStringLiteral("phone"), QStringLiteral("Phone"), 500},
                                                  {QStringLiteral("storage"), QStringLiteral("Storage"), 500},
                                                  {QStringLiteral("vehicle"), QStringLiteral("Vehicle"), 0}}));
        QCOMPARE(p.total(K::expense, P::week), 1900);
        QVERIFY(p.categoryTotals(K::income, P::week).isEmpty());
        QVERIFY(MoneyPlan().categoryTotals(K::expense, P::month).isEmpty());
    }

    void runway_data()
    {
        QTest::addColumn<MoneyPlan>("plan");
        QTest::addColumn<qint64>("days"); // -1: none
        QTest::addColumn<QString>("text");
        const QString prompt = QStringLiteral("Add what comes in and goes out to see this.");
        const QString lasts = QStringLiteral("Your money does not run out at this pace.");
        const QString broke = QStringLiteral("0 days. You are spending more than comes in, and there is no money on hand.");
        const auto f20 = [](qint64 cash) { return plan({expense(QStringLiteral("food"), 2000, F::day)}, cash); };
        QTest::newRow("no entries") << MoneyPlan() << qint64(-1) << prompt;
        QTest::newRow("cash, no entries") << plan({}, 5000) << qint64(-1) << prompt;
        QTest::newRow("only income") << plan({income(QStringLiteral("job"), 10000, F::week)}) << qint64(-1) << lasts;
        QTest::newRow("income equals spending")
            << plan({income(QStringLiteral("job"), 5000, F::week), expense(QStringLiteral("food"), 5000, F::week)}, 100) << qint64(-1)
            << lasts;
        QTest::newRow("nothing on hand") << f20(0) << qint64(0) << broke;
        QTest::newRow("less than nothing on hand") << f20(-500) << qint64(0) << broke;
        QTest::newRow("$19.99 at $20 a day")
            << f20(1999) << qint64(0)
            << QStringLiteral("0 days. You are spending more than comes in, and the money on hand will not last a full day.");
        QTest::newRow("$20.00 at $20 a day") << f20(2000) << qint64(1) << QStringLiteral("1 day (around Jan 2, 2026)");
        QTest::newRow("$300 at $20 a day") << f20(30000) << qint64(15) << QStringLiteral("15 days (around Jan 16, 2026)");
        QTest::newRow("$599.99 at $20 a day") << f20(59999) << qint64(29) << QStringLiteral("29 days (around Jan 30, 2026)");
        QTest::newRow("$600 at $20 a day") << f20(60000) << qint64(30) << QStringLiteral("30 days (around Jan 31, 2026)");
        QTest::newRow("example") << example() << qint64(83) << QStringLiteral("83 days (around Mar 25, 2026)");
        QTest::newRow("one cent a year, most cash") << plan({expense(QStringLiteral("food"), 1, F::month),
                                                             income(QStringLiteral("job"), 1, F::month)}, kMax)
                                                    << qint64(-1) << lasts;
    }
    void runway()
    {
        QFETCH(MoneyPlan, plan);
        QFETCH(qint64, days);
        QFETCH(QString, text);
        const QDateTime now = denver(2026, 1, 1, 12, 0);
        QCOMPARE(plan.runwayDays(), days < 0 ? std::nullopt : std::optional<qint64>(days));
        QCOMPARE(plan.runwayText(now), text);
        QCOMPARE(plan.runwayDate(now).has_value(), days >= 0);
        // Fewer than 30 days is the warning; money that does not run out is none.
        QCOMPARE(plan.runwayIsShort(), days >= 0 && days < 30);
    }

    void runwayDateAcrossDaylightSaving_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QString>("text");
        // Mountain time: a day of 23 hours on Mar 8 and of 25 hours on Nov 1,
        // 2026. Adding 86400 seconds would land on the wrong day.
        QTest::newRow("spring forward") << denver(2026, 3, 7, 23, 30) << QStringLiteral("1 day (around Mar 8, 2026)");
        QTest::newRow("fall back") << denver(2026, 11, 1, 0, 30) << QStringLiteral("1 day (around Nov 2, 2026)");
        QTest::newRow("from UTC, shown in local time")
            << QDateTime(QDate(2026, 3, 8), QTime(6, 30), Qt::UTC) << QStringLiteral("1 day (around Mar 8, 2026)");
    }
    void runwayDateAcrossDaylightSaving()
    {
        QFETCH(QDateTime, from);
        QFETCH(QString, text);
        QCOMPARE(denver(2026, 3, 7, 12, 0).offsetFromUtc(), -7 * 3600); // the time zone took hold
        QCOMPARE(denver(2026, 3, 8, 12, 0).offsetFromUtc(), -6 * 3600);
        const MoneyPlan p = oneDayRunway();
        QCOMPARE(p.runwayText(from), text);
        const QDateTime date = *p.runwayDate(from);
        QCOMPARE(date.time(), from.toLocalTime().time());
        QCOMPARE(date.date(), from.toLocalTime().date().addDays(1));
    }

    void runwayEndsOnTheCalendarDayInEveryZone_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("change"); // a day whose clocks change
        QTest::newRow("Denver, spring forward") << QByteArray("America/Denver") << QDate(2027, 3, 14);
        QTest::newRow("Denver, fall back") << QByteArray("America/Denver") << QDate(2026, 11, 1);
        QTest::newRow("London, spring forward") << QByteArray("Europe/London") << QDate(2027, 3, 28);
        QTest::newRow("London, fall back") << QByteArray("Europe/London") << QDate(2026, 10, 25);
        // Half an hour forward at 2:00 and back at 2:00.
        QTest::newRow("Lord Howe, spring forward") << QByteArray("Australia/Lord_Howe") << QDate(2026, 10, 4);
        QTest::newRow("Lord Howe, fall back") << QByteArray("Australia/Lord_Howe") << QDate(2027, 4, 4);
    }
    void runwayEndsOnTheCalendarDayInEveryZone()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, change);
        const QTimeZone tz(zone);
        QVERIFY(tz.isValid());
        QVERIFY(tz.offsetFromUtc(change.startOfDay(tz)) != tz.offsetFromUtc(change.endOfDay(tz)));
        for (const qint64 days : {qint64(1), qint64(83)}) {
            // $1 a day against `days` dollars.
            const MoneyPlan p = plan({expense(QStringLiteral("food"), 100, F::day)}, 100 * days);
            QCOMPARE(p.runwayDays(), std::optional<qint64>(days));
            const QString around = QLocale::c().toString(change, u"MMM d, yyyy");
            // Every start time of the day, five minutes apart.
            for (int minute = 0; minute < 24 * 60; minute += 5) {
                const QTime time = QTime(0, 0).addSecs(minute * 60);
                const QDateTime from(change.addDays(-days), time, tz);
                const std::optional<QDateTime> end = p.runwayDate(from);
                QVERIFY(end && end->isValid());
                QCOMPARE(end->date(), change);
                QCOMPARE(end->timeZone(), tz);
                // The time of day is kept, or, where the clocks skip it, comes right after.
                if (QDateTime(change, time, tz).isValid())
                    QCOMPARE(end->time(), time);
                else
                    QVERIFY(end->time() > time && end->time() <= time.addSecs(3600));
                QVERIFY(p.runwayText(from).endsWith(QStringLiteral(" (around ") + around + u')'));
            }
        }
    }

    void runwayDateOnLocalSpringForward()
    {
        // Local time is Mountain time: 83 days from Dec 21, 2:30 is Mar 14,
        // 2027, whose clocks go from 2:00 straight to 3:00.
        const QDateTime from(QDate(2026, 12, 21), QTime(2, 30), Qt::LocalTime);
        const std::optional<QDateTime> end = example().runwayDate(from);
        QVERIFY(end && end->isValid());
        QCOMPARE(end->date(), QDate(2027, 3, 14));
        QCOMPARE(end->time(), QTime(3, 0));
        QCOMPARE(example().runwayText(from), QStringLiteral("83 days (around Mar 14, 2027)"));
    }

    void savings_data()
    {
        QTest::addColumn<MoneyPlan>("plan");
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<qint64>("still");
        QTest::addColumn<qint64>("weeks"); // -1: none
        QTest::addColumn<QString>("text");
        const auto goal = [](qint64 goalCents, qint64 saved, const QList<MoneyEntry> &entries = {}) {
            MoneyPlan p = plan(entries);
            p.goalCents = goalCents;
            p.savedCents = saved;
            return p;
        };
        const QString noGoal = QStringLiteral("No savings goal yet.");
        const QString helps = QStringLiteral(" to go. Even a few dollars a week helps.");
        QTest::newRow("no goal") << goal(0, 500) << 0 << false << qint64(0) << qint64(-1) << noGoal;
        QTest::newRow("a quarter") << goal(20000, 5000) << 25 << false << qint64(15000) << qint64(-1)
                                   << QStringLiteral("$50.00 of $200.00 saved (25%). $150.00") + helps;
        QTest::newRow("3.75 weeks round up") << goal(20000, 5000, {income(QStringLiteral("job"), 4000, F::week)}) << 25
                                             << false << qint64(15000) << qint64(4)
                                             << QStringLiteral("$50.00 of $200.00 saved (25%). About 4 weeks to go if you "
                                                "save what is left over each week.");
        QTest::newRow("101 at 50 a week") << goal(101, 0, {income(QStringLiteral("job"), 50, F::week)}) << 0 << false
                                          << qint64(101) << qint64(3)
                                          << QStringLiteral("$0.00 of $1.01 saved (0%). About 3 weeks to go if you save "
                                             "what is left over each week.");
        QTest::newRow("exactly") << goal(20000, 20000) << 100 << true << qint64(0) << qint64(-1)
                                 << QStringLiteral("$200.00 of $200.00 saved (100%). Goal reached. Well done.");
        QTest::newRow("more than the goal") << goal(20000, 25000) << 100 << true << qint64(0) << qint64(-1)
                                            << QStringLiteral("$250.00 of $200.00 saved (100%). Goal reached. Well done.");
        QTest::newRow("one cent short is 99%") << goal(20000, 19999) << 99 << false << qint64(1) << qint64(-1)
                                               << QStringLiteral("$199.99 of $200.00 saved (99%). $0.01") + helps;
        QTest::newRow("nothing left over") << goal(20000, 0, {expense(QStringLiteral("food"), 4000, F::week)}) << 0 << false
                                           << qint64(20000) << qint64(-1)
                                           << QStringLiteral("$0.00 of $200.00 saved (0%). $200.00") + helps;
        QTest::newRow("negative saved counts as 0") << goal(20000, -500) << 0 << false << qint64(20000)
                                                    << qint64(-1) << QStringLiteral("$0.00 of $200.00 saved (0%). $200.00") + helps;
        QTest::newRow("most saved, least goal") << goal(1, kMax) << 100 << true << qint64(0) << qint64(-1)
                                                << QStringLiteral("$92,233,720,368,547,758.07 of $0.01 saved (100%). Goal "
                                                   "reached. Well done.");
        QTest::newRow("largest goal, most negative saved")
            << goal(kMax, kMin) << 0 << false << kMax << qint64(-1)
            << QStringLiteral("$0.00 of $92,233,720,368,547,758.07 saved (0%). $92,233,720,368,547,758.07") + helps;
        QTest::newRow("largest goal, tiny weekly saving")
            << goal(kMax, 0, {income(QStringLiteral("job"), 1, F::week)}) << 0 << false << kMax << kMax
            << QStringLiteral("$0.00 of $92,233,720,368,547,758.07 saved (0%). About 9223372036854775807 weeks to go if "
               "you save what is left over each week.");
    }
    void savings()
    {
        QFETCH(MoneyPlan, plan);
        QFETCH(int, percent);
        QFETCH(bool, reached);
        QFETCH(qint64, still);
        QFETCH(qint64, weeks);
        QFETCH(QString, text);
        QCOMPARE(plan.savingsPercent(), percent);
        QCOMPARE(plan.goalReached(), reached);
        QCOMPARE(plan.stillToSave(), still);
        QCOMPARE(plan.weeksToGoal(), weeks < 0 ? std::nullopt : std::optional<qint64>(weeks));
        QCOMPARE(plan.savingsText(), text);
    }

    void figuresStickAtTheLimits()
    {
        const MoneyPlan huge = plan({expense(QStringLiteral("food"), kMax, F::day), expense(QStringLiteral("food"), kMax, F::day),
                                     income(QStringLiteral("job"), kMin, F::day)},
                                    kMax);
        QCOMPARE(huge.entries.first().yearlyCents(), kMax);
        QCOMPARE(huge.entries.last().yearlyCents(), kMin);
        QCOMPARE(MoneyPlan::amount(huge.entries.first(), P::week), kMax);
        QCOMPARE(MoneyPlan::amount(huge.entries.last(), P::month), kMin);
        QCOMPARE(huge.total(K::expense, P::month), kMax);
        QCOMPARE(huge.total(K::income, P::week), kMin);
        QCOMPARE(huge.leftOver(P::week), kMin);
        QCOMPARE(huge.yearly(K::expense), kMax);
        QCOMPARE(huge.categoryTotals(K::expense, P::week).first().cents, kMax);
        // Three times the range burns a year against all the cash: not a whole day.
        QCOMPARE(huge.runwayDays(), std::optional<qint64>(0));

        // Twelve cents a year against all the cash: more days than 64 bits hold,
        // and no calendar date that far; the sentence falls back to today.
        const MoneyPlan slow = plan({expense(QStringLiteral("food"), 2, F::month), income(QStringLiteral("job"), 1, F::month)}, kMax);
        QCOMPARE(slow.runwayDays(), std::optional<qint64>(kMax));
        const QDateTime now = denver(2026, 1, 1, 12, 0);
        QCOMPARE(slow.runwayText(now), QStringLiteral("9223372036854775807 days (around Jan 1, 2026)"));

        // The most cash that can be typed at one cent a day: a date far out.
        const MoneyPlan typed = plan({expense(QStringLiteral("food"), 1, F::day)}, 99999999999);
        QCOMPARE(typed.runwayDays(), std::optional<qint64>(99999999999));
        QVERIFY(typed.runwayDate(now).has_value());
    }
};

int main(int argc, char **argv)
{
    // Local time is Mountain time, with its daylight-saving changes.
    qputenv("TZ", "America/Denver");
    tzset();
    QCoreApplication app(argc, argv);
    tst_MoneyPlan test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_MoneyPlan.moc"
